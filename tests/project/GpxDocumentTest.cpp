#include "PocketQueryFixture.h"
#include "ScanHelper.h"
#include "project/GpxDate.h"
#include "project/GpxLoader.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(GpxDocument, GetXMLChildKeys) {
    QTemporaryDir tmp;
    PocketQuerySpec pq;
    pq.caches = 2;
    const ScanOutcome out = scanFolder(writePocketQuery(tmp.path(), pq));
    const project& p = *out.record;
    EXPECT_EQ(p.getXMLChild(QStringLiteral("name")), QStringLiteral("My Query"));
    EXPECT_EQ(p.getXMLChild(QStringLiteral("time")), pq.time);
    EXPECT_EQ(p.getXMLChild(QStringLiteral("numberOfCaches")), QStringLiteral("2"));
    EXPECT_EQ(p.getXMLChild(QStringLiteral("desc")), QString());
    EXPECT_EQ(p.getXMLChild(QString()), QString());
    // An empty record has no document: the lookups fail instead of crashing.
    const project empty;
    EXPECT_THROW(empty.getXMLChild(QStringLiteral("name")), Failure);
    EXPECT_THROW(empty.getXMLChild(QStringLiteral("numberOfCaches")), Failure);
    EXPECT_EQ(empty.getXMLChild(QStringLiteral("other")), QString());
}

TEST(GpxDocument, DeclaredEncodingsAreHonoured) {
    const QString name = QStringLiteral("Müller & Söhne");
    PocketQuerySpec pq;
    pq.queryName = name;
    const QByteArray utf8 = pocketQueryXml(pq);
    const QString text = QString::fromUtf8(utf8);

    // UTF-16 with a byte-order mark.
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    QString as16 = text;
    as16.replace(QStringLiteral("encoding=\"utf-8\""), QStringLiteral("encoding=\"utf-16\""));
    const QByteArray bytes16 = utf16(as16);

    // ISO-8859-1 with only Latin-1 characters in it.
    QString asLatin1 = text;
    asLatin1.replace(QStringLiteral("encoding=\"utf-8\""),
                     QStringLiteral("encoding=\"ISO-8859-1\""));
    asLatin1.replace(QChar(0x2013), u'-').replace(QChar(0x20AC), u'E');
    const QByteArray bytesLatin1 = asLatin1.toLatin1();

    for (const QByteArray& bytes : {utf8, bytes16, bytesLatin1}) {
        QTemporaryDir tmp;
        PocketQuerySpec files;
        files.withGpx = false;
        const QString folder = writePocketQuery(tmp.path(), files);
        writeFile(folder + QStringLiteral("/12345.gpx"), bytes);
        const ScanOutcome out = scanFolder(folder);
        EXPECT_EQ(out.error, QString());
        EXPECT_EQ(out.text(ScanFact::Kind::QueryName), name);
        EXPECT_EQ(out.text(ScanFact::Kind::CacheCount), QStringLiteral("3"));
    }
}

TEST(GpxDocument, ReferencesAreResolvedAndDtdEntitiesNeverExpanded) {
    QTemporaryDir tmp;
    PocketQuerySpec pq;
    pq.withGpx = false;
    const QString folder = writePocketQuery(tmp.path(), pq);
    // A billion-laughs style DTD: its entities must not be expanded.
    QByteArray xml = "<?xml version=\"1.0\"?><!DOCTYPE gpx [<!ENTITY a \"aaaaaaaaaa\">"
                     "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                     "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">]>";
    xml += "<gpx><name>M&#252;ller &amp; &lt;Co&gt; "
           "&c;</name><a/><b/><c/><time>x</time><d/><e/></gpx>";
    writeFile(folder + QStringLiteral("/12345.gpx"), xml);
    const ScanOutcome out = scanFolder(folder);
    EXPECT_EQ(out.error, QString());
    EXPECT_EQ(out.text(ScanFact::Kind::QueryName), QStringLiteral("Müller & <Co> &c;"));
    EXPECT_EQ(out.text(ScanFact::Kind::CacheCount), QStringLiteral("0"));
}

TEST(GpxDocument, DateReading) {
    const QDate fallback(2026, 1, 2);
    const struct {
        const char* text;
        QDate expected;
    } cases[] = {
        {"2005-09-21T08:44:26.4576538-07:00", QDate(2005, 9, 21)},
        {"2005-09-21T23:59:59-07:00", QDate(2005, 9, 21)}, // the date as written, not moved
        {"2005-09-21T08:44:26Z", QDate(2005, 9, 21)},
        {"2005-09-21T08:44:26", QDate(2005, 9, 21)},
        {"2005-09-21", QDate(2005, 9, 21)},
        {"21.9.2005", fallback},
        {"", fallback},
        {"2005-13-40T00:00:00", fallback},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readGpxDate(QString::fromLatin1(c.text), fallback), c.expected) << c.text;
    EXPECT_FALSE(longDate(QDate(2005, 9, 21)).isEmpty());
    EXPECT_TRUE(longDate(QDate(2005, 9, 21)).contains(QStringLiteral("2005")));
}
