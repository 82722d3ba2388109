// Runs the folder scan and a processing run as the program does, without windows:
//   pqrun FOLDER [--split K] [--rename-gpx] [--delete-source] [--rename-prc] [--save-log]
// Prints the scan facts, "---" and the log. Exit 0 after a run, 1 when the scan fails,
// 2 on wrong arguments.
#include "ConsoleOutput.h"
#include "platform/Failure.h"
#include "platform/FolderItem.h"
#include "processing/ProcessOptions.h"
#include "processing/ProcessingRun.h"
#include "project/FolderScan.h"

#include <QString>
#include <cstdio>
#include <cstring>

namespace {

int usage(const char* problem) {
    std::fprintf(stderr,
                 "pqrun: %s\nusage: pqrun FOLDER [--split K] [--rename-gpx] [--delete-source] "
                 "[--rename-prc] [--save-log]\n",
                 problem);
    return 2;
}

void printLine(const QString& text) {
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

} // namespace

int main(int argc, char** argv) {
    QString folderArg;
    ProcessOptions options;
    for (int a = 1; a < argc; ++a) {
        const char* arg = argv[a];
        if (std::strcmp(arg, "--split") == 0) {
            if (++a >= argc)
                return usage("--split needs a size in kilobytes");
            options.splitGPX = true;
            options.maxFileSizeKB =
                ProcessOptions::kilobytesFromText(QString::fromLocal8Bit(argv[a]));
        } else if (std::strcmp(arg, "--rename-gpx") == 0) {
            options.renameGPX = true;
        } else if (std::strcmp(arg, "--delete-source") == 0) {
            options.deleteSourceGPX = true;
        } else if (std::strcmp(arg, "--rename-prc") == 0) {
            options.renamePRC = true;
        } else if (std::strcmp(arg, "--save-log") == 0) {
            options.saveLog = true;
        } else if (arg[0] == '-' && arg[1] != '\0') {
            return usage("unknown option");
        } else if (folderArg.isEmpty()) {
            folderArg = QString::fromLocal8Bit(arg);
        } else {
            return usage("only one folder, please");
        }
    }
    if (folderArg.isEmpty())
        return usage("no folder given");

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
