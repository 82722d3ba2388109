#include "PocketQueryFixture.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace {

QByteArray escaped(const QString& text) { return text.toHtmlEscaped().toUtf8(); }

const char* const kLogTexts[] = {
    "Found it after a long search. Thanks for the cache! Schöne Grüße aus München.",
    "TFTC &amp; greetings – the view over the lake is great.",
    "Couldn't find it, the area was full of muggles. Will try again.",
};

} // namespace

QString cacheLabel(const PocketQuerySpec& spec, int k) {
    if (spec.label)
        return spec.label(k);
    return QStringLiteral("GC%1").arg(0x1000 + k, 0, 16).toUpper();
}

QByteArray pocketQueryXml(const PocketQuerySpec& spec) {
    const QByteArray nl = spec.pretty ? "\n" : "";
    const QByteArray in1 = spec.pretty ? "  " : "";
    const QByteArray in2 = spec.pretty ? "    " : "";
    const QByteArray in3 = spec.pretty ? "      " : "";

    QByteArray x;
    x += "<?xml version=\"1.0\" encoding=\"utf-8\"?>" + nl;
    x += "<gpx xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" version=\"1.0\" "
         "creator=\"Pocket Query\" xmlns=\"http://www.topografix.com/GPX/1/0\" "
         "xmlns:groundspeak=\"http://www.groundspeak.com/cache/1/0\">" +
         nl;
    const QList<QByteArray> header = {
        "<name>" + escaped(spec.queryName) + "</name>",
        "<desc>Geocache file generated for tests</desc>",
        "<author>Test Author</author>",
        "<email>test@example.invalid</email>",
        "<time>" + escaped(spec.time) + "</time>",
        "<keywords>cache, geocache</keywords>",
        "<bounds minlat=\"47.1\" minlon=\"8.1\" maxlat=\"47.9\" maxlon=\"8.9\" />",
    };
    for (int h = 0; h < spec.headerChildren; ++h)
        x += in1 + (h < header.size() ? header[h] : QByteArray("<extra>header</extra>")) + nl;

    for (int k = 1; k <= spec.caches; ++k) {
        const QByteArray label = escaped(cacheLabel(spec, k));
        x += in1 + "<wpt lat=\"47." + QByteArray::number(100000 + k) + "\" lon=\"8." +
             QByteArray::number(200000 + k) + "\">" + nl;
        x += in2 + "<time>2005-08-01T07:00:00</time>" + nl;
        x += in2 + "<name>" + label + "</name>" + nl;
        x += in2 + "<desc>Cache " + QByteArray::number(k) + " by Müller, Traditional Cache (1/1)</desc>" + nl;
        x += in2 + "<sym>Geocache</sym>" + nl;
        x += in2 + "<groundspeak:cache id=\"" + QByteArray::number(k) +
             "\" available=\"True\" archived=\"False\">" + nl;
        x += in3 + "<groundspeak:name>Cache " + QByteArray::number(k) + " – Café</groundspeak:name>" + nl;
        x += in3 + "<groundspeak:long_description html=\"True\">" +
             QByteArray(spec.descriptionChars, 'd') + " &lt;b&gt;€&lt;/b&gt;</groundspeak:long_description>" + nl;
        if (spec.logs) {
            x += in3 + "<groundspeak:logs>" + nl;
            const int logs = 2 + k % 11;
            for (int l = 0; l < logs; ++l)
                x += in3 + in1 + "<groundspeak:log id=\"" + QByteArray::number(k * 100 + l) +
                     "\"><groundspeak:type>Found it</groundspeak:type><groundspeak:text encoded=\"False\">" +
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

QString writePocketQuery(const QString& parent, const PocketQuerySpec& spec) {
    const QString folder = QDir(parent).filePath(spec.folderName);
    if (!QDir().mkpath(folder))
        throw std::runtime_error("cannot create fixture folder " + folder.toStdString());
    const QString gpxName =
        spec.gpxFileName.isEmpty() ? spec.folderName + QStringLiteral(".gpx") : spec.gpxFileName;
    if (spec.withGpx)
        writeFile(QDir(folder).filePath(gpxName), pocketQueryXml(spec));
    if (spec.withPrc)
        writeFile(QDir(folder).filePath(spec.folderName + QStringLiteral(".prc")),
                  QByteArray("PRC\0database", 12));
    return folder;
}
