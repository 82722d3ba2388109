#pragma once

#include <QDate>
#include <QString>

// The calendar date of a GPX time text (an XML Schema date-time such as
// 2005-09-21T08:44:26.4576538-07:00), as written in the text's own zone. A text that cannot
// be read leaves the fallback.
QDate readGpxDate(const QString& text, QDate fallback);

// The long date form of the user's locale.
QString longDate(QDate date);
