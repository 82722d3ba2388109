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

// The names of this run's files that derive from the Pocket Query name.
struct FileNames {
    // For the renamed .prc file.
    QString query;
    // For the parts, when they are named after the query.
    QString parts;
    // For the log file, after "Log ".
    QString log;
};

// Whether `name` is that of one of the parts base + " part N." + extension, N from 1 to
// lastPart. Case is ignored, as on the FAT file system of a memory card.
bool isAPartName(const QString& name, const QString& base, const QString& extension,
                 qsizetype lastPart) {
    const QString lead = base + QStringLiteral(" part ");
    const QString tail = u'.' + extension;
    if (name.size() <= lead.size() + tail.size() || !name.startsWith(lead, Qt::CaseInsensitive) ||
        !name.endsWith(tail, Qt::CaseInsensitive))
        return false;
    const QString number = name.mid(lead.size(), name.size() - lead.size() - tail.size());
    bool ok = false;
    const qlonglong n = number.toLongLong(&ok);
    return ok && n >= 1 && n <= lastPart && QString::number(n) == number;
}

// A name too long for the file system would make every part, the .prc rename and the log
// file fail, so the query name is cut to leave room for the longest text put after it:
// " part N.ext" for the last part the split can make, ".prc", or "Log " and ".txt".
//
// A part must never take the source's name: writing it would replace the source, and the
// deletion after the split would then remove that part. Nor may the log file replace a
// part. Where a name would, it gets a "_" after the query name.
FileNames fileNamesOf(const project& record, const ProcessOptions& options) {
    const QString safe = SafeFileName::of(record.GCQueryName, record.name);
    const qsizetype caches = record.xcontent ? childCount(record.xcontent) - kHeaderChildren : 0;
    const qsizetype lastPart = std::max<qsizetype>(caches, 1);
    const QString source = record.GPXFile.displayName();
    const QString extension = PartName::extensionOf(source);
    const QString lastPartSuffix = PartName(QString(), extension).of(lastPart);
    constexpr qsizetype kLogFileExtra = sizeof("Log .txt") - 1; // ".prc" is shorter still
    const qsizetype room = SafeFileName::roomBefore(
        std::max<qsizetype>(lastPartSuffix.toUtf8().size(), kLogFileExtra));

    const QString marked = SafeFileName::shortened(safe, room - 1) + u'_';

    FileNames names;
    names.query = SafeFileName::shortened(safe, room);
    names.parts = isAPartName(source, names.query, extension, lastPart) ? marked : names.query;
    const QString partBase = options.renameGPX ? names.parts : record.name;
    const bool logIsAPart = options.splitGPX && isAPartName(QStringLiteral("Log ") + names.query +
                                                                QStringLiteral(".txt"),
                                                            partBase, extension, lastPart);
    names.log = logIsAPart ? marked : names.query;
    return names;
}

} // namespace

void ProcessingRun::run(const project& record, const ProcessOptions& options, RunOutput& out) {
    ProcessLog log(out);
    try {
        const FileNames names = fileNamesOf(record, options);
        if (options.splitGPX) {
            GpxSplitter splitter(record, options, names.parts, log, out);
            const GpxSplitter::Outcome outcome = splitter.run();
            if (options.deleteSourceGPX)
                FileActions::deleteSource(record, outcome.failedParts == 0, log);
        }
        if (options.renamePRC)
            FileActions::renamePrc(record, names.query, log);
        if (options.saveLog)
            LogFile::save(record, names.log, log, out);
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
