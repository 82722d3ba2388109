// Runs the folder scan and a processing run as the program does, without windows:
//   pqrun FOLDER [--split K] [--rename-gpx] [--delete-source] [--rename-prc] [--save-log]
// Prints the scan facts, "---" and the log. Exit 0 after a run, 1 when the scan fails,
// 2 on wrong arguments.
#include "ConsoleOutput.h"
#include "RunArguments.h"
#include "platform/Failure.h"
#include "platform/FolderItem.h"
#include "processing/ProcessOptions.h"
#include "processing/ProcessingRun.h"
#include "project/FolderScan.h"

#include <QString>
#include <cstdio>

namespace {

int usage(const QString& problem) {
    std::fprintf(stderr,
                 "pqrun: %s\nusage: pqrun FOLDER [--split K] [--rename-gpx] [--delete-source] "
                 "[--rename-prc] [--save-log]\n",
                 problem.toLocal8Bit().constData());
    return 2;
}

void printLine(const QString& text) {
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

} // namespace

int main(int argc, char** argv) {
    const RunArguments args = RunArguments::parse(argc, argv);
    if (!args.problem.isEmpty())
        return usage(args.problem);
    const QString& folderArg = args.folder;
    const ProcessOptions& options = args.options;

    const FolderItem folder(folderArg);
    if (!folder.isFolder()) {
        std::fprintf(stderr, "The folder %s could not be found.\n",
                     folderArg.toLocal8Bit().constData());
        return 1;
    }

    project record;
    record.name = folder.name();
    record.path = folder.absolutePath();
    try {
        scanProject(record, [](const ScanFact& fact) {
            printLine(captionOf(fact.kind) + u' ' + fact.text);
        });
    } catch (const Failure& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", e.message().toUtf8().constData());
        return 1;
    }
    printLine(QStringLiteral("---"));

    ConsoleOutput out;
    ProcessingRun::run(record, options, out);
    std::fflush(stdout);
    return 0;
}
