#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// What a generated Pocket Query folder holds.
struct PocketQuerySpec {
    QString folderName = QStringLiteral("12345");
    // The name element's text, written escaped ("A & B" appears as "A &amp; B").
    QString queryName = QStringLiteral("My Query");
    QString time = QStringLiteral("2005-09-21T08:44:26.4576538-07:00");
    int caches = 3;
    // Children of the root before the first cache; 7 in a real Pocket Query.
    int headerChildren = 7;
    // Indented with line breaks, or everything on one line.
    bool pretty = true;
    bool withGpx = true;
    bool withPrc = true;
    // The .gpx file's name; empty means folderName + ".gpx".
    QString gpxFileName;
    // Waypoint name of cache k (from 1); default GC1000 + k in hex style "GCxxxx".
    std::function<QString(int)> label;
    // Extra description text per cache, to make caches larger.
    int descriptionChars = 40;
    // Logs per cache are 2 + (k mod 11) when true (a realistic spread), else none.
    bool logs = false;
    // Caches shaped like a real Pocket Query's: url, type, owner, difficulty, terrain,
    // short and long descriptions of varying length in escaped HTML with non-ASCII text,
    // hints, and 2 to 12 dated logs with finders. descriptionChars and logs are then unused.
    // About 6.8 kB per cache.
    bool realistic = false;
};

// The GPX document text of such a query (UTF-8).
QByteArray pocketQueryXml(const PocketQuerySpec& pq);

// The waypoint name of cache k in such a query.
QString cacheLabel(const PocketQuerySpec& pq, int k);

// Creates parent/folderName with the files of such a query; returns the folder's path.
QString writePocketQuery(const QString& parent, const PocketQuerySpec& pq);

// Writes bytes to a file, creating it; fails the calling test through an exception on error.
void writeFile(const QString& path, const QByteArray& bytes);

// The whole content of a file; empty when it cannot be read.
QByteArray readFile(const QString& path);

#include <ostream>

// Lets GoogleTest show texts as text in its failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
