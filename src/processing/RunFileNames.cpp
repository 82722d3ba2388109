#include "processing/RunFileNames.h"

#include "processing/PartName.h"
#include "processing/SafeFileName.h"

#include <QStringList>

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

    // The files the run reads or renames: no part may take their names. Writing a part
    // there would replace the source or the .prc file, and the deletion or the rename that
    // follows would then remove or move that part.
    QStringList inputs = {source};
    if (!record.PRCFile.isEmpty())
        inputs << record.PRCFile.displayName();
    const auto takesAnInput = [&](const QString& base) {
        return std::any_of(inputs.begin(), inputs.end(), [&](const QString& input) {
            return isAPartName(input, base, extension, lastPart);
        });
    };
    // The longest start of `wanted` that fits, with a "_" after it where the plain one would
    // take an input's name.
    const auto partBaseOf = [&](const QString& wanted) {
        const QString plain = SafeFileName::shortened(wanted, room);
        return takesAnInput(plain) ? SafeFileName::shortened(wanted, room - 1) + u'_' : plain;
    };

    const QString query = SafeFileName::of(record.GCQueryName, record.name);
    RunFileNames names;
    names.prcBase = SafeFileName::shortened(query, room);
    // The folder's own name exists in the file system, but with a suffix it may not fit.
    names.partBase = partBaseOf(options.renameGPX ? query : record.name);
    // Nor may the log file replace a part of the same run.
    const bool logIsAPart = options.splitGPX && isAPartName(QStringLiteral("Log ") + names.prcBase +
                                                                QStringLiteral(".txt"),
                                                            names.partBase, extension, lastPart);
    names.logBase = logIsAPart ? SafeFileName::shortened(query, room - 1) + u'_' : names.prcBase;
    return names;
}
