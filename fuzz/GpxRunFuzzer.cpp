// Feeds arbitrary bytes as a Pocket Query GPX document through the whole path a user's file
// takes: loading, the folder scan, and a run with every option on, in a fresh folder.

#include "platform/Failure.h"
#include "processing/ProcessingRun.h"
#include "project/FolderScan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

class NullOutput : public RunOutput {
public:
    void startLog(const QString& line) override { log = line; }
    void appendLine(const QString& line) override { log += line; }
    void scrollToEnd(int) override {}
    void progress(int percent) override {
        if (percent < 0 || percent > 100)
            std::abort();
    }
    void redraw() override {}
    void message(const QString&) override {}
    void finished() override { ++finishedCount; }
    QString log;
    int finishedCount = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QTemporaryDir parent;
    if (!parent.isValid())
        return 0;
    const QString folder = parent.filePath(QStringLiteral("Q"));
    QDir().mkpath(folder);
    {
        QFile gpx(folder + QStringLiteral("/Q.gpx"));
        if (!gpx.open(QIODevice::WriteOnly))
            return 0;
        gpx.write(reinterpret_cast<const char*>(data), qint64(size));
        QFile prc(folder + QStringLiteral("/Q.prc"));
        if (!prc.open(QIODevice::WriteOnly))
            return 0;
        prc.write("prc");
    }

    auto record = std::make_shared<project>();
    const FolderItem item(folder);
    record->name = item.name();
    record->path = item.absolutePath();
    try {
        scanProject(*record, [](const ScanFact&) {});
    } catch (const Failure&) {
        if (record->hasUsableDocument())
            std::abort(); // a failed scan must never leave a document to run on
        return 0;
    }
    if (!record->hasUsableDocument())
        return 0;

    ProcessOptions options;
    options.splitGPX = options.renameGPX = options.deleteSourceGPX = true;
    options.renamePRC = options.saveLog = true;
    options.maxFileSizeKB = 1 + (size % 64);
    NullOutput out;
    ProcessingRun::run(*record, options, out);
    if (out.finishedCount != 1)
        std::abort();

    // Nothing may appear beside the project folder.
    if (QDir(parent.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden) !=
        QStringList{QStringLiteral("Q")})
        std::abort();
    return 0;
}
