#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// Pocket Query documents written by hand in the form the parts use (no white space between
// elements, no namespaces), so that the length of every cache's text is known exactly.
class HandMadeGpx {
public:
    // A document with the seven header children and these caches.
    static QByteArray document(const QString& queryName, const std::vector<QByteArray>& caches);

    // A waypoint whose text is exactly `chars` characters long (at least 52 + the label's
    // length), padded with characters of one, two and four bytes so bytes and characters
    // differ.
    static QByteArray cache(const QString& label, int chars);

    // The number of characters (Unicode code points) of UTF-8 text.
    static qsizetype characters(const QByteArray& utf8);
};
