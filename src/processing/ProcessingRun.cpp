#include "processing/ProcessingRun.h"

#include "platform/Failure.h"
#include "processing/FileActions.h"
#include "processing/GpxSplitter.h"
#include "processing/LogFile.h"
#include "processing/PartName.h"
#include "processing/ProcessLog.h"
#include "processing/SafeFileName.h"

#include <algorithm>

namespace {

constexpr int kScrollAtEnd = 9999999;

void reportUnexpected(ProcessLog& log, const QString& what) {
    try {
        log.append(QStringLiteral("Processing stopped because of an unexpected error: ") + what);
    } catch (...) {
        // Not even the log line could be written (memory exhausted): the run still ends.
    }
}

// The Pocket Query name as it stands in the names of this run's files. A name too long for
// the file system would make every part, the .prc rename and the log file fail, so it is cut
// to leave room for the longest text put after it: " part N.ext" for the last part the split
// can make, ".prc", or "Log " and ".txt".
QString queryFileNameOf(const project& record) {
    const QString safe = SafeFileName::of(record.GCQueryName, record.name);
    const qsizetype caches = record.xcontent ? childCount(record.xcontent) - kHeaderChildren : 0;
    const QString lastPart =
        PartName(QString(), PartName::extensionOf(record.GPXFile.displayName()))
            .of(std::max<qsizetype>(caches, 1));
    constexpr qsizetype kLogFileExtra = sizeof("Log .txt") - 1; // ".prc" is shorter still
    const qsizetype suffix = std::max<qsizetype>(lastPart.toUtf8().size(), kLogFileExtra);
    return SafeFileName::shortened(safe, SafeFileName::roomBefore(suffix));
}

} // namespace

void ProcessingRun::run(const project& record, const ProcessOptions& options, RunOutput& out) {
    ProcessLog log(out);
    try {
        const QString queryFileName = queryFileNameOf(record);
        if (options.splitGPX) {
            GpxSplitter splitter(record, options, queryFileName, log, out);
            const GpxSplitter::Outcome outcome = splitter.run();
            if (options.deleteSourceGPX)
                FileActions::deleteSource(record, outcome.failedParts == 0, log);
        }
        if (options.renamePRC)
            FileActions::renamePrc(record, queryFileName, log);
        if (options.saveLog)
            LogFile::save(record, queryFileName, log, out);
    } catch (const Failure& e) {
        reportUnexpected(log, e.message());
    } catch (const std::exception& e) {
        reportUnexpected(log, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        reportUnexpected(log, QStringLiteral("unknown error"));
    }
    out.scrollToEnd(kScrollAtEnd);
    out.finished();
}
