#include "PocketQueryFixture.h"

#include <QDir>
#include <QFile>
#include <iterator>
#include <stdexcept>

namespace {

QByteArray escaped(const QString& text) {
    return text.toHtmlEscaped().toUtf8();
}

const char* const kLogTexts[] = {
    "Found it after a long search. Thanks for the cache! Schöne Grüße aus München.",
    "TFTC &amp; greetings – the view over the lake is great.",
    "Couldn't find it, the area was full of muggles. Will try again.",
};

const char* const kSentences[] = {
    "Der Cache liegt an einem schönen Aussichtspunkt über dem See. ",
    "Bitte achtet auf Muggel, besonders am Wochenende, wenn viele Spaziergänger unterwegs sind. ",
    "The container is a small camouflaged box hidden under a rock near the old oak tree. ",
    "Parking is available at N 47° 22.100 E 008° 32.500, from there it is a 15 minute walk. ",
    "&lt;p&gt;Le sentier est étroit et glissant après la pluie – prévoyez de bonnes "
    "chaussures.&lt;/p&gt; ",
    "&lt;b&gt;Achtung:&lt;/b&gt; Im Winter ist der Weg nicht geräumt. ",
    "Il faut compter environ une heure pour la boucle complète, café à l'arrivée. ",
    "&lt;img src=\"http://img.example.invalid/cache/display/1234.jpg\" /&gt;&lt;br /&gt; ",
    "Please rehide the cache exactly as you found it and keep the logbook dry. ",
    "Ñandú, Øresund, Ærø, Łódź – travellers from everywhere have signed the logbook. ",
};

const char* const kFinders[] = {"Müller & Söhne", "Team Zürichsee", "GeoFox",
                                "José Núñez",     "Ærlig Finder",   "cache_hunter_42"};

const char* const kLogTypes[] = {"Found it", "Found it", "Found it", "Didn't find it",
                                 "Write note"};

// Escaped prose of about `chars` bytes, starting at a sentence chosen by `seed`.
QByteArray prose(int seed, int chars) {
    QByteArray out;
    const int count = int(std::size(kSentences));
    for (int s = seed; out.size() < chars; ++s)
        out += kSentences[s % count];
    return out;
}

QByteArray realisticCache(int k, const QByteArray& label, const QByteArray& nl,
                          const QByteArray& in1, const QByteArray& in2, const QByteArray& in3) {
    const QByteArray n = QByteArray::number(k);
    const QByteArray in4 = in3 + in1;
    const QByteArray in5 = in4 + in1;
    QByteArray x;
    x += in1 + "<wpt lat=\"47." + QByteArray::number(100000 + k) + "\" lon=\"8." +
         QByteArray::number(200000 + k) + "\">" + nl;
    x += in2 + "<time>2005-08-01T07:00:00</time>" + nl;
    x += in2 + "<name>" + label + "</name>" + nl;
    x += in2 + "<desc>Cache " + n + " by Müller, Traditional Cache (1.5/2)</desc>" + nl;
    x += in2 + "<url>http://www.example.invalid/seek/cache_details.aspx?guid=0a1b2c3d-" + n +
         "</url>" + nl;
    x += in2 + "<urlname>Cache " + n + " – Café am See</urlname>" + nl;
    x += in2 + "<sym>Geocache</sym>" + nl;
    x += in2 + "<type>Geocache|Traditional Cache</type>" + nl;
    x += in2 + "<groundspeak:cache id=\"" + n + "\" available=\"True\" archived=\"False\">" + nl;
    x += in3 + "<groundspeak:name>Cache " + n + " – Café am See</groundspeak:name>" + nl;
    x += in3 + "<groundspeak:placed_by>Müller</groundspeak:placed_by>" + nl;
    x += in3 + "<groundspeak:owner id=\"" + QByteArray::number(7000 + k % 97) +
         "\">Müller</groundspeak:owner>" + nl;
    x += in3 + "<groundspeak:type>Traditional Cache</groundspeak:type>" + nl;
    x += in3 + "<groundspeak:container>Small</groundspeak:container>" + nl;
    x += in3 + "<groundspeak:difficulty>" + QByteArray::number(1 + k % 5) +
         ".5</groundspeak:difficulty>" + nl;
    x += in3 + "<groundspeak:terrain>" + QByteArray::number(1 + k % 4) + "</groundspeak:terrain>" +
         nl;
    x += in3 + "<groundspeak:country>Switzerland</groundspeak:country>" + nl;
    x += in3 + "<groundspeak:state>Zürich</groundspeak:state>" + nl;
    x += in3 + "<groundspeak:short_description html=\"True\">" + prose(k, 120) +
         "</groundspeak:short_description>" + nl;
    // Lengths spread from about 200 to 3300 bytes.
    x += in3 + "<groundspeak:long_description html=\"True\">" +
         prose(k + 3, 200 + (k * 7919) % 3000) + "</groundspeak:long_description>" + nl;
    x += in3 +
         "<groundspeak:encoded_hints>Haha, qre Fgrva – hagre qre "
         "Jhemry</groundspeak:encoded_hints>" +
         nl;
    x += in3 + "<groundspeak:logs>" + nl;
    const int logs = 2 + k % 11;
    for (int l = 0; l < logs; ++l) {
        const int m = k + l;
        x += in4 + "<groundspeak:log id=\"" + QByteArray::number(k * 100 + l) + "\">" + nl;
        x += in5 + "<groundspeak:date>2005-07-" + QByteArray::number(10 + l % 18) +
             "T19:00:00</groundspeak:date>" + nl;
        x += in5 + "<groundspeak:type>" + kLogTypes[m % std::size(kLogTypes)] +
             "</groundspeak:type>" + nl;
        x += in5 + "<groundspeak:finder id=\"" + QByteArray::number(500 + m % 61) + "\">" +
             QByteArray(kFinders[m % std::size(kFinders)]).replace("&", "&amp;") +
             "</groundspeak:finder>" + nl;
        x += in5 + "<groundspeak:text encoded=\"False\">" + prose(m, 60 + (m * 31) % 160) +
             "</groundspeak:text>" + nl;
        x += in4 + "</groundspeak:log>" + nl;
    }
    x += in3 + "</groundspeak:logs>" + nl;
    x += in3 + "<groundspeak:travelbugs />" + nl;
    x += in2 + "</groundspeak:cache>" + nl;
    x += in1 + "</wpt>" + nl;
    return x;
}

} // namespace

QString cacheLabel(const PocketQuerySpec& pq, int k) {
    if (pq.label)
        return pq.label(k);
    return QStringLiteral("GC%1").arg(0x1000 + k, 0, 16).toUpper();
}

QByteArray pocketQueryXml(const PocketQuerySpec& pq) {
    const QByteArray nl = pq.pretty ? "\n" : "";
    const QByteArray in1 = pq.pretty ? "  " : "";
    const QByteArray in2 = pq.pretty ? "    " : "";
    const QByteArray in3 = pq.pretty ? "      " : "";

    QByteArray x;
    x += "<?xml version=\"1.0\" encoding=\"utf-8\"?>" + nl;
    x += "<gpx xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" version=\"1.0\" "
         "creator=\"Pocket Query\" xmlns=\"http://www.topografix.com/GPX/1/0\" "
         "xmlns:groundspeak=\"http://www.groundspeak.com/cache/1/0\">" +
         nl;
    const QList<QByteArray> header = {
        "<name>" + escaped(pq.queryName) + "</name>",
        "<desc>Geocache file generated for tests</desc>",
        "<author>Test Author</author>",
        "<email>test@example.invalid</email>",
        "<time>" + escaped(pq.time) + "</time>",
        "<keywords>cache, geocache</keywords>",
        "<bounds minlat=\"47.1\" minlon=\"8.1\" maxlat=\"47.9\" maxlon=\"8.9\" />",
    };
    for (int h = 0; h < pq.headerChildren; ++h)
        x += in1 + (h < header.size() ? header[h] : QByteArray("<extra>header</extra>")) + nl;

    for (int k = 1; k <= pq.caches; ++k) {
        const QByteArray label = escaped(cacheLabel(pq, k));
        if (pq.realistic) {
            x += realisticCache(k, label, nl, in1, in2, in3);
            continue;
        }
        x += in1 + "<wpt lat=\"47." + QByteArray::number(100000 + k) + "\" lon=\"8." +
             QByteArray::number(200000 + k) + "\">" + nl;
        x += in2 + "<time>2005-08-01T07:00:00</time>" + nl;
        x += in2 + "<name>" + label + "</name>" + nl;
        x += in2 + "<desc>Cache " + QByteArray::number(k) +
             " by Müller, Traditional Cache (1/1)</desc>" + nl;
        x += in2 + "<sym>Geocache</sym>" + nl;
        x += in2 + "<groundspeak:cache id=\"" + QByteArray::number(k) +
             "\" available=\"True\" archived=\"False\">" + nl;
        x += in3 + "<groundspeak:name>Cache " + QByteArray::number(k) +
             " – Café</groundspeak:name>" + nl;
        x += in3 + "<groundspeak:long_description html=\"True\">" +
             QByteArray(pq.descriptionChars, 'd') +
             " &lt;b&gt;€&lt;/b&gt;</groundspeak:long_description>" + nl;
        if (pq.logs) {
            x += in3 + "<groundspeak:logs>" + nl;
            const int logs = 2 + k % 11;
            for (int l = 0; l < logs; ++l)
                x += in3 + in1 + "<groundspeak:log id=\"" + QByteArray::number(k * 100 + l) +
                     "\"><groundspeak:type>Found it</groundspeak:type><groundspeak:text "
                     "encoded=\"False\">" +
                     kLogTexts[(k + l) % 3] + "</groundspeak:text></groundspeak:log>" + nl;
            x += in3 + "</groundspeak:logs>" + nl;
        }
        x += in2 + "</groundspeak:cache>" + nl;
        x += in1 + "</wpt>" + nl;
    }
    x += "</gpx>" + nl;
    return x;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write fixture file " + path.toStdString());
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString writePocketQuery(const QString& parent, const PocketQuerySpec& pq) {
    const QString folder = QDir(parent).filePath(pq.folderName);
    if (!QDir().mkpath(folder))
        throw std::runtime_error("cannot create fixture folder " + folder.toStdString());
    const QString gpxName =
        pq.gpxFileName.isEmpty() ? pq.folderName + QStringLiteral(".gpx") : pq.gpxFileName;
    if (pq.withGpx)
        writeFile(QDir(folder).filePath(gpxName), pocketQueryXml(pq));
    if (pq.withPrc)
        writeFile(QDir(folder).filePath(pq.folderName + QStringLiteral(".prc")),
                  QByteArray("PRC\0database", 12));
    return folder;
}
