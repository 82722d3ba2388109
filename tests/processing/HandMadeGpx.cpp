#include "HandMadeGpx.h"

#include <QList>
#include <stdexcept>

QByteArray HandMadeGpx::document(const QString& queryName, const std::vector<QByteArray>& caches) {
    QByteArray x = "<?xml version=\"1.0\" encoding=\"utf-8\"?><gpx><name>" +
                   queryName.toHtmlEscaped().toUtf8() +
                   "</name><desc>d</desc><author>a</author><email>e</email>"
                   "<time>2005-09-21T08:44:26</time><keywords>k</keywords><bounds/>";
    for (const QByteArray& c : caches)
        x += c;
    return x + "</gpx>";
}

QByteArray HandMadeGpx::cache(const QString& label, int chars) {
    const QString skeleton =
        QStringLiteral("<wpt><time>t</time><name>%1</name><desc>%2</desc></wpt>");
    const qsizetype pad = chars - skeleton.arg(label, QString()).size();
    if (pad < 1)
        throw std::invalid_argument("cache too short for its label");
    QString padding = QString::fromUcs4(U"\U0001F600"); // one character, four bytes
    for (qsizetype p = 1; p < pad; ++p)
        padding += p % 2 ? QStringLiteral("ü") : QStringLiteral("d");
    return skeleton.arg(label, padding).toUtf8();
}

qsizetype HandMadeGpx::characters(const QByteArray& utf8) {
    return QString::fromUtf8(utf8).toUcs4().size();
}
