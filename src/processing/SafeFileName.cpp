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

// The longest file name (in bytes) that ext4, XFS, Btrfs, tmpfs and the others accept.
constexpr qsizetype kNameMaxBytes = 255;
// A file is written under its name plus "." and six random characters and renamed into
// place afterwards, so that much must fit as well.
constexpr qsizetype kTemporarySuffixBytes = 7;

qsizetype utf8Bytes(char32_t c) {
    if (c < 0x80)
        return 1;
    if (c < 0x800)
        return 2;
    if (c < 0x10000)
        return 3;
    return 4;
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

QString SafeFileName::shortened(const QString& name, qsizetype maxBytes) {
    qsizetype bytes = 0;
    qsizetype i = 0;
    while (i < name.size()) {
        // A surrogate pair is one character: never cut between its halves.
        const bool pair =
            name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(name[i], name[i + 1]) : name[i].unicode();
        const qsizetype width = pair ? 2 : 1;
        bytes += utf8Bytes(c);
        if (bytes > maxBytes && i > 0)
            break;
        i += width;
    }
    return name.left(i);
}

qsizetype SafeFileName::roomBefore(qsizetype suffixBytes) {
    return kNameMaxBytes - kTemporarySuffixBytes - suffixBytes;
}
