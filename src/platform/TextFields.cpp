#include "platform/TextFields.h"

qsizetype countFields(const QString& text, QChar separator) { return text.count(separator) + 1; }

QString nthField(const QString& text, QChar separator, qsizetype n) {
    if (n < 1)
        return {};
    qsizetype start = 0;
    for (qsizetype field = 1; field < n; ++field) {
        const qsizetype next = text.indexOf(separator, start);
        if (next < 0)
            return {};
        start = next + 1;
    }
    const qsizetype end = text.indexOf(separator, start);
    return text.mid(start, end < 0 ? -1 : end - start);
}
