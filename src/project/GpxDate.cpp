#include "project/GpxDate.h"

#include <QDateTime>
#include <QLocale>

QDate readGpxDate(const QString& text, QDate fallback) {
    const QDateTime parsed = QDateTime::fromString(text.trimmed(), Qt::ISODateWithMs);
    return parsed.isValid() ? parsed.date() : fallback;
}

QString longDate(QDate date) {
    return QLocale::system().toString(date, QLocale::LongFormat);
}
