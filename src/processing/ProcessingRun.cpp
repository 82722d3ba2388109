#include "processing/ProcessingRun.h"

#include "platform/Failure.h"
#include "processing/FileActions.h"
#include "processing/GpxSplitter.h"
#include "processing/LogFile.h"
#include "processing/ProcessLog.h"
#include "processing/RunFileNames.h"

namespace {

constexpr int kScrollAtEnd = 9999999;

void reportUnexpected(ProcessLog& log, const QString& what) {
    try {
        log.append(QStringLiteral("Processing stopped because of an unexpected error: ") + what);
    } catch (...) {
        // Not even the log line could be written (memory exhausted): the run still ends.
    }
}

} // namespace

void ProcessingRun::run(const project& record, const ProcessOptions& options, RunOutput& out) {
    ProcessLog log(out);
    try {
        const RunFileNames names = RunFileNames::of(record, options);
        if (options.splitGPX) {
            GpxSplitter splitter(record, options, names.partBase, log, out);
            const GpxSplitter::Outcome outcome = splitter.run();
            if (options.deleteSourceGPX)
                FileActions::deleteSource(record, outcome.failedParts == 0, log);
        }
        if (options.renamePRC)
            FileActions::renamePrc(record, names.prcBase, log);
        if (options.saveLog)
            LogFile::save(record, names.logBase, log, out);
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
