#include "PocketQueryFixture.h"
#include "ScanHelper.h"
#include "project/GpxDate.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using Kind = ScanFact::Kind;

namespace {

class FolderScan : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString make(const PocketQuerySpec& pq) { return writePocketQuery(tmp.path(), pq); }
};

const QString kSeptember21 = longDate(QDate(2005, 9, 21));

} // namespace

TEST_F(FolderScan, BothFilesGiveAllSixFactsInOrder) {
    const QString folder = make({});
    const ScanOutcome out = scanFolder(folder);
    ASSERT_EQ(out.error, QString());
    ASSERT_EQ(out.facts.size(), 6u);
    const Kind order[] = {Kind::Location,  Kind::GpxFile,  Kind::PrcFile,
                          Kind::QueryName, Kind::FileDate, Kind::CacheCount};
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(out.facts[i].kind, order[i]);
    EXPECT_EQ(out.facts[0].text, QDir(folder).absolutePath() + u'/');
    EXPECT_EQ(out.facts[1].text, QStringLiteral("12345.gpx"));
    EXPECT_FALSE(out.facts[1].red);
    EXPECT_EQ(out.facts[2].text, QStringLiteral("12345.prc"));
    EXPECT_FALSE(out.facts[2].red);
    EXPECT_EQ(out.facts[3].text, QStringLiteral("My Query"));
    EXPECT_EQ(out.facts[4].text, kSeptember21);
    EXPECT_EQ(out.facts[5].text, QStringLiteral("3"));
    EXPECT_EQ(out.record->GCQueryName, QStringLiteral("My Query"));
    EXPECT_TRUE(out.record->hasUsableDocument());
    EXPECT_EQ(out.record->PRCFile.name(), QStringLiteral("12345.prc"));
}

TEST_F(FolderScan, MissingFilesAreRedAndNotErrors) {
    const struct {
        const char* what;
        bool gpx, prc;
        QString gpxName;
        size_t facts;
    } cases[] = {
        {"only prc", false, true, {}, 3},
        {"only gpx", true, false, {}, 6},
        {"neither", false, false, {}, 3},
        {"gpx named after the query", true, true, QStringLiteral("My Query.gpx"), 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PocketQuerySpec pq;
        pq.folderName = QString::fromLatin1(c.what).replace(u' ', u'_');
        pq.withGpx = c.gpx;
        pq.withPrc = c.prc;
        pq.gpxFileName = c.gpxName;
        const ScanOutcome out = scanFolder(make(pq));
        EXPECT_EQ(out.error, QString());
        ASSERT_EQ(out.facts.size(), c.facts);
        const bool gpxFound = c.gpx && c.gpxName.isEmpty();
        EXPECT_EQ(out.facts[1].red, !gpxFound);
        EXPECT_EQ(out.facts[1].text,
                  gpxFound ? pq.folderName + QStringLiteral(".gpx") : QStringLiteral("not found"));
        EXPECT_EQ(out.facts[2].red, !c.prc);
        EXPECT_EQ(out.facts[2].text,
                  c.prc ? pq.folderName + QStringLiteral(".prc") : QStringLiteral("not found"));
        EXPECT_EQ(out.record->GPXFile.isEmpty(), !gpxFound);
        EXPECT_EQ(out.record->PRCFile.isEmpty(), !c.prc);
        EXPECT_EQ(out.record->hasUsableDocument(), gpxFound);
        if (!gpxFound) {
            EXPECT_EQ(out.record->GCQueryName, QString());
            EXPECT_EQ(out.record->xdoc, nullptr);
        }
    }
}

TEST_F(FolderScan, CacheCountFollowsTheRootsChildren) {
    const struct {
        int header, caches;
        const char* expected;
    } cases[] = {{7, 500, "500"}, {7, 0, "0"}, {6, 0, "-1"}, {5, 0, "-2"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        PocketQuerySpec pq;
        pq.folderName = QStringLiteral("count%1").arg(QString::fromLatin1(c.expected));
        pq.headerChildren = c.header;
        pq.caches = c.caches;
        const ScanOutcome out = scanFolder(make(pq));
        EXPECT_EQ(out.error, QString());
        EXPECT_EQ(out.text(Kind::QueryName), QStringLiteral("My Query"));
        EXPECT_EQ(out.text(Kind::FileDate), kSeptember21);
        EXPECT_EQ(out.text(Kind::CacheCount), QString::fromLatin1(c.expected));
    }
}

TEST_F(FolderScan, FewerThanFiveChildrenReadsTheNameThenFails) {
    PocketQuerySpec pq;
    pq.headerChildren = 4;
    pq.caches = 0;
    const ScanOutcome out = scanFolder(make(pq));
    ASSERT_EQ(out.facts.size(), 4u);
    EXPECT_EQ(out.facts[3].text, QStringLiteral("My Query"));
    EXPECT_TRUE(out.error.contains(QStringLiteral("12345.gpx"))) << out.error.toStdString();
    EXPECT_TRUE(out.error.contains(QStringLiteral("file date"))) << out.error.toStdString();
    EXPECT_FALSE(out.record->hasUsableDocument());
}

TEST_F(FolderScan, PositionsNotNamesDecide) {
    // An extra first header element: the count is one too high and the email element at
    // position 4 is read as the date, which fails to parse and leaves the day of the scan.
    PocketQuerySpec pq;
    QByteArray xml = pocketQueryXml(pq);
    xml.replace("<name>My Query</name>", "<extra>first</extra><name>My Query</name>");
    pq.withGpx = false;
    const QString folder = make(pq);
    writeFile(folder + QStringLiteral("/12345.gpx"), xml);
    ScanOutcome out = scanFolder(folder);
    EXPECT_EQ(out.error, QString());
    EXPECT_EQ(out.text(Kind::QueryName), QStringLiteral("first"));
    EXPECT_EQ(out.text(Kind::FileDate), longDate(scanMoment().date()));
    EXPECT_EQ(out.text(Kind::CacheCount), QStringLiteral("4"));

    // A root with another name and the same layout reads the same.
    xml = pocketQueryXml({});
    xml.replace("<gpx ", "<root ").replace("</gpx>", "</root>");
    writeFile(folder + QStringLiteral("/12345.gpx"), xml);
    out = scanFolder(folder);
    EXPECT_EQ(out.text(Kind::QueryName), QStringLiteral("My Query"));
    EXPECT_EQ(out.text(Kind::CacheCount), QStringLiteral("3"));

    // A comment among the root's children counts as a child.
    xml = pocketQueryXml({});
    xml.replace("<wpt ", "<!-- a comment --><wpt ");
    writeFile(folder + QStringLiteral("/12345.gpx"), xml);
    out = scanFolder(folder);
    EXPECT_EQ(out.text(Kind::CacheCount), QStringLiteral("6"));
}

TEST_F(FolderScan, IndentedAndCompactFormsGiveTheSameFacts) {
    PocketQuerySpec pretty;
    pretty.folderName = QStringLiteral("pretty");
    pretty.caches = 25;
    PocketQuerySpec compact = pretty;
    compact.folderName = QStringLiteral("compact");
    compact.pretty = false;
    const ScanOutcome a = scanFolder(make(pretty));
    const ScanOutcome b = scanFolder(make(compact));
    ASSERT_EQ(a.facts.size(), 6u);
    ASSERT_EQ(b.facts.size(), 6u);
    for (size_t i = 3; i < 6; ++i)
        EXPECT_EQ(a.facts[i].text, b.facts[i].text);
    EXPECT_EQ(a.text(Kind::CacheCount), QStringLiteral("25"));
}

TEST_F(FolderScan, NameAndDateTexts) {
    const struct {
        QString name, time, expectedName, expectedDate;
    } cases[] = {
        {QStringLiteral("A & B"), QStringLiteral("2005-09-21T08:44:26.4576538-07:00"),
         QStringLiteral("A & B"), kSeptember21},
        {QStringLiteral("Müller – Café"), QStringLiteral("2005-09-21T23:30:00Z"),
         QStringLiteral("Müller – Café"), kSeptember21},
        {QStringLiteral("Q"), QStringLiteral("not a date"), QStringLiteral("Q"),
         longDate(scanMoment().date())},
    };
    int n = 0;
    for (const auto& c : cases) {
        PocketQuerySpec pq;
        pq.folderName = QStringLiteral("names%1").arg(++n);
        pq.queryName = c.name;
        pq.time = c.time;
        const ScanOutcome out = scanFolder(make(pq));
        EXPECT_EQ(out.text(Kind::QueryName), c.expectedName);
        EXPECT_EQ(out.record->GCQueryName, c.expectedName);
        EXPECT_EQ(out.text(Kind::FileDate), c.expectedDate);
    }
}

TEST_F(FolderScan, BrokenDocumentsStopTheScanWithAClearMessage) {
    const struct {
        const char* what;
        QByteArray content;
        QString mustMention;
    } cases[] = {
        {"not well-formed",
         "<?xml version=\"1.0\"?>\n<gpx>\n  <name>Q</name>\n  <desc>x</dsc>\n</gpx>",
         QStringLiteral("line 4")},
        {"empty name", pocketQueryXml({}).replace("<name>My Query</name>", "<name></name>"),
         QStringLiteral("Pocket Query name")},
        {"self-closed name", pocketQueryXml({}).replace("<name>My Query</name>", "<name/>"),
         QStringLiteral("Pocket Query name")},
        {"zero bytes", QByteArray(), QStringLiteral("no root element")},
        {"unterminated", "<gpx><name>Q</name><desc>", QStringLiteral("not a well-formed")},
        {"binary", QByteArray("\x00\xff\x13\x37garbage\x01", 12), QStringLiteral("12345.gpx")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        PocketQuerySpec pq;
        pq.withGpx = false;
        const QString folder = writePocketQuery(dir.path(), pq);
        writeFile(folder + QStringLiteral("/12345.gpx"), c.content);
        const ScanOutcome out = scanFolder(folder);
        EXPECT_TRUE(out.error.contains(QStringLiteral("12345.gpx"))) << out.error.toStdString();
        EXPECT_TRUE(out.error.contains(c.mustMention)) << out.error.toStdString();
        // Location and both file labels were shown before the failure; no GPX fact was.
        ASSERT_EQ(out.facts.size(), 3u);
        EXPECT_EQ(out.facts[1].text, QStringLiteral("12345.gpx"));
        EXPECT_EQ(out.facts[2].text, QStringLiteral("12345.prc"));
        EXPECT_FALSE(out.record->GPXFile.isEmpty());
        EXPECT_FALSE(out.record->hasUsableDocument());
    }
}

TEST_F(FolderScan, AFolderNamedLikeTheGpxFileIsNotADocument) {
    PocketQuerySpec pq;
    pq.withGpx = false;
    const QString folder = make(pq);
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("12345.gpx")));
    const ScanOutcome out = scanFolder(folder);
    EXPECT_TRUE(out.error.contains(QStringLiteral("12345.gpx")));
    EXPECT_FALSE(out.record->hasUsableDocument());
}
