#include "processing/RunFileNames.h"

#include "processing/PartName.h"
#include "processing/SafeFileName.h"

#include <algorithm>

namespace {

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

} // namespace

RunFileNames RunFileNames::of(const project& record, const ProcessOptions& options) {
    const qsizetype caches = record.xcontent ? childCount(record.xcontent) - kHeaderChildren : 0;
    const qsizetype lastPart = std::max<qsizetype>(caches, 1);
    const QString source = record.GPXFile.displayName();
    const QString extension = PartName::extensionOf(source);

    // Room for the longest suffix: " part N.ext" of the last part the split can make, or
    // "Log " and ".txt" (".prc" is shorter still).
    const QString lastPartSuffix = PartName(QString(), extension).of(lastPart);
    constexpr qsizetype kLogFileExtra = sizeof("Log .txt") - 1;
    const qsizetype room = SafeFileName::roomBefore(
        std::max<qsizetype>(lastPartSuffix.toUtf8().size(), kLogFileExtra));

    const QString query = SafeFileName::of(record.GCQueryName, record.name);
    const QString marked = SafeFileName::shortened(query, room - 1) + u'_';

    RunFileNames names;
    names.prcBase = SafeFileName::shortened(query, room);
    if (options.renameGPX) {
        // A part must never take the source's name: writing it would replace the source,
        // and the deletion after the split would then remove that part.
        names.partBase =
            isAPartName(source, names.prcBase, extension, lastPart) ? marked : names.prcBase;
    } else {
        // The folder's own name exists in the file system, but with a suffix it may not fit.
        names.partBase = SafeFileName::shortened(record.name, room);
    }
    const bool logIsAPart = options.splitGPX && isAPartName(QStringLiteral("Log ") + names.prcBase +
                                                                QStringLiteral(".txt"),
                                                            names.partBase, extension, lastPart);
    names.logBase = logIsAPart ? marked : names.prcBase;
    return names;
}
