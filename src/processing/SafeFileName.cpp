#include "processing/SafeFileName.h"

namespace {

bool isForbidden(QChar c) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F)
        return true;
    switch (c.unicode()) {
    case u'/':
    case u'\\':
    case u':':
    case u'*':
    case u'?':
    case u'"':
    case u'<':
    case u'>':
    case u'|':
        return true;
    default:
        return false;
    }
}

// Names that would address the folder itself or its parent instead of a file in it.
bool isUsable(const QString& name) {
    return !name.isEmpty() && name != u"." && name != u"..";
}

} // namespace

QString SafeFileName::replaceForbidden(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (isForbidden(c))
            c = u'_';
    return out;
}

QString SafeFileName::of(const QString& wanted, const QString& fallback) {
    const QString cleaned = replaceForbidden(wanted);
    if (isUsable(cleaned))
        return cleaned;
    const QString cleanedFallback = replaceForbidden(fallback);
    if (isUsable(cleanedFallback))
        return cleanedFallback;
    return QStringLiteral("_");
}
