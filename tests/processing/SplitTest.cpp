#include "HandMadeGpx.h"
#include "ProjectFolder.h"
#include "RunFixtures.h"
#include "platform/FileWriter.h"
#include "processing/GpxSplitter.h"
#include "processing/PartText.h"
#include "processing/ProcessingRun.h"

#include <QDir>
#include <gtest/gtest.h>
#include <limits>

namespace {

const QString kNoFileMessage = QStringLiteral("The text file could not be created.");

ProcessOptions splitWith(std::int64_t kilobytes, bool renameGPX = false) {
    ProcessOptions o;
    o.splitGPX = true;
    o.maxFileSizeKB = kilobytes;
    o.renameGPX = renameGPX;
    return o;
}

// Cache labels C01, C02, ...
QString label(int k) {
    return QStringLiteral("C%1").arg(k, 2, 10, QLatin1Char('0'));
}

} // namespace

TEST(SplitLimit, IsOneKilobyteBelowTheSizeAndNeverOverflows) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    const struct {
        std::int64_t kilobytes;
        std::int64_t limit;
    } cases[] = {
        {250, 254976},
        {50, 50176},
        {1, 0},
        {0, -1024},
        {-5, -1024},
        {2097153, 2147483648}, // no longer fits 32 bits
        {kMax / 1024, (kMax / 1024) * 1024 - 1024},
        {kMax, (kMax / 1024) * 1024 - 1024},
        {std::numeric_limits<std::int64_t>::min(), -1024},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kilobytes);
        EXPECT_EQ(GpxSplitter::limitFor(c.kilobytes), c.limit);
    }
}

TEST(SplitLimit, ACacheReachingExactlyTheLimitStartsTheNextPart) {
    // K = 2: L = 1024. The first cache is 100 characters; the second brings the text to
    // L - 1 (stays) or to L (moves on); the third is small.
    const struct {
        const char* what;
        int total;                           // header + first + second cache
        std::vector<std::vector<int>> parts; // cache numbers per part
    } cases[] = {
        {"L - 1 stays", 1023, {{1, 2}, {3}}},
        {"L moves on", 1024, {{1}, {2, 3}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<QByteArray> caches = {
            HandMadeGpx::cache(label(1), 100),
            HandMadeGpx::cache(label(2), c.total - 43 - 100),
            HandMadeGpx::cache(label(3), 60),
        };
        ASSERT_GT(caches[1].size(), c.total - 43 - 100); // bytes and characters differ
        const ProjectFolder folder(QStringLiteral("12345"), HandMadeGpx::document("Q", caches));
        const RunRecorder out = folder.run(splitWith(2));

        ASSERT_EQ(out.messages, QStringList());
        for (size_t p = 0; p < c.parts.size(); ++p) {
            QByteArray expected = kHeader;
            for (const int k : c.parts[p])
                expected += caches[size_t(k - 1)];
            expected += kFooter;
            const QString name = QStringLiteral("12345 part %1.gpx").arg(p + 1);
            EXPECT_EQ(readFile(folder.file(name)), expected) << name.toStdString();
            EXPECT_LT(HandMadeGpx::characters(expected), 2 * 1024);
        }
        EXPECT_FALSE(folder.has(QStringLiteral("12345 part 3.gpx")));
        EXPECT_TRUE(out.lines().contains(
            QStringLiteral("Cache #3 (C03) written to 12345 part %1.gpx").arg(c.parts.size())));
    }
}

TEST(Split, NoCachesGivesTwoLinesAndNoFile) {
    const ProjectFolder folder(QStringLiteral("12345"), HandMadeGpx::document("Q", {}));
    const RunRecorder out = folder.run(splitWith(250));
    const QString expected =
        QStringLiteral("Splitting file ") + QDir(folder.path()).absoluteFilePath("12345.gpx") +
        QStringLiteral(". 0 Caches found to process.\r"
                       "Splitting complete. 0 Caches processed. 0 parts generated with maximum "
                       "file size of 250kB.\r");
    EXPECT_EQ(out.log, expected);
    EXPECT_EQ(out.events, QStringLiteral("SACF"));
    EXPECT_TRUE(out.progressValues.empty());
    EXPECT_EQ(folder.files(), (QStringList{"12345.gpx", "12345.prc"}));
}

TEST(Split, PartNames) {
    const struct {
        const char* what;
        QString folderName;
        QString queryName;
        bool renameGPX;
        int caches;
        int cacheChars; // with K = 2 (L = 1024)
        QStringList parts;
    } cases[] = {
        {"one part after the folder", "12345", "My Query", false, 3, 100, {"12345 part 1.gpx"}},
        {"parts after the query",
         "12345",
         "My Query",
         true,
         3,
         400,
         {"My Query part 1.gpx", "My Query part 2.gpx"}},
        {"tenth part without leading zero",
         "12345",
         "My Query",
         false,
         10,
         600,
         {"12345 part 1.gpx", "12345 part 10.gpx", "12345 part 2.gpx", "12345 part 3.gpx",
          "12345 part 4.gpx", "12345 part 5.gpx", "12345 part 6.gpx", "12345 part 7.gpx",
          "12345 part 8.gpx", "12345 part 9.gpx"}},
        {"extension from a.b.gpx", "a.b", "Q", false, 1, 100, {"a.b part 1.b"}},
        {"forbidden characters of the query",
         "12345",
         "A/B: C?",
         true,
         1,
         100,
         {"A_B_ C_ part 1.gpx"}},
        {"a query name of '..' falls back to the folder",
         "12345",
         "..",
         true,
         1,
         100,
         {"12345 part 1.gpx"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<QByteArray> caches;
        for (int k = 1; k <= c.caches; ++k)
            caches.push_back(HandMadeGpx::cache(label(k), c.cacheChars));
        const ProjectFolder folder(c.folderName, HandMadeGpx::document(c.queryName, caches));
        const RunRecorder out = folder.run(splitWith(2, c.renameGPX));
        QStringList expected = c.parts;
        expected << c.folderName + ".gpx" << c.folderName + ".prc";
        expected.sort();
        EXPECT_EQ(folder.files(), expected);
        EXPECT_EQ(QDir(folder.parent()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{c.folderName});
        // The log names the files actually written.
        EXPECT_TRUE(
            out.lines().contains(QStringLiteral("Cache #1 (C01) written to ") + c.parts.first()));
    }
}

TEST(Split, ExtensionIsEmptyForASourceWithoutDot) {
    // The scan only finds NAME.gpx, so the record is made by hand for this.
    const ProjectFolder folder(QStringLiteral("12345"),
                               HandMadeGpx::document("Q", {HandMadeGpx::cache(label(1), 100)}));
    ProjectPtr record = folder.scan();
    ASSERT_TRUE(QFile::rename(folder.file("12345.gpx"), folder.file("source")));
    record->GPXFile = FolderItem(folder.file("source"));
    RunRecorder out;
    ProcessingRun::run(*record, splitWith(2), out);
    EXPECT_TRUE(folder.has(QStringLiteral("12345 part 1.")));
    EXPECT_EQ(out.lines().value(1), QStringLiteral("Cache #1 (C01) written to 12345 part 1."));
}

TEST(Split, ProgressIsSetBeforeEachCacheIsTried) {
    const struct {
        const char* what;
        int cacheChars; // with K = 2 (L = 1024)
        std::vector<int> values;
    } cases[] = {
        {"four caches in one part", 100, {25, 50, 75, 100}},
        // A refused cache sets its value again when the next part tries it.
        {"one cache per part", 600, {25, 50, 50, 75, 75, 100, 100}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<QByteArray> caches;
        for (int k = 1; k <= 4; ++k)
            caches.push_back(HandMadeGpx::cache(label(k), c.cacheChars));
        const ProjectFolder folder(QStringLiteral("12345"), HandMadeGpx::document("Q", caches));
        const RunRecorder out = folder.run(splitWith(2));
        EXPECT_EQ(out.progressValues, c.values);
        // A redraw after every cache tried, a scroll to line 9999 after every cache line.
        EXPECT_EQ(out.events.count(u'R'), qsizetype(c.values.size()));
        EXPECT_EQ(std::count(out.scrollLines.begin(), out.scrollLines.end(), 9999), 4);
    }
}

TEST(Split, APartThatCannotBeWrittenIsReportedOnceAndTheRunGoesOn) {
    std::vector<QByteArray> caches;
    for (int k = 1; k <= 3; ++k)
        caches.push_back(HandMadeGpx::cache(label(k), 600));
    const ProjectFolder folder(QStringLiteral("12345"), HandMadeGpx::document("Q", caches));
    ProcessOptions options = splitWith(2);
    options.deleteSourceGPX = true;
    FileWriter::failNthWrite(2);
    const RunRecorder out = folder.run(options);
    FileWriter::failNthWrite(0);

    EXPECT_EQ(out.messages, QStringList{kNoFileMessage});
    EXPECT_EQ(folder.files(),
              (QStringList{"12345 part 1.gpx", "12345 part 3.gpx", "12345.gpx", "12345.prc"}));
    EXPECT_EQ(readFile(folder.file("12345 part 3.gpx")), kHeader + caches[2] + kFooter);
    const QStringList lines = out.lines();
    ASSERT_EQ(lines.size(), 6);
    // The caches of the lost part were logged as written when they were placed.
    EXPECT_EQ(lines[2], QStringLiteral("Cache #2 (C02) written to 12345 part 2.gpx"));
    EXPECT_EQ(lines[4], QStringLiteral("Splitting complete. 3 Caches processed. 3 parts "
                                       "generated with maximum file size of 2kB."));
    EXPECT_EQ(lines[5], QStringLiteral("The GPX Source File 12345.gpx has been kept because a "
                                       "part file could not be written."));
}

TEST(Split, LineOfCacheTwelve) {
    // Caches of 150 characters and K = 2: six caches fill a part, so cache 12 ends part 2.
    std::vector<QByteArray> caches;
    for (int k = 1; k <= 15; ++k)
        caches.push_back(HandMadeGpx::cache(k == 12 ? QStringLiteral("GC1ABCD") : label(k), 150));
    const ProjectFolder folder(QStringLiteral("12345"), HandMadeGpx::document("My Query", caches));
    const RunRecorder out = folder.run(splitWith(2, true));
    const QStringList lines = out.lines();
    ASSERT_GT(lines.size(), 12);
    EXPECT_EQ(lines[12], QStringLiteral("Cache #12 (GC1ABCD) written to My Query part 2.gpx"));
    EXPECT_EQ(lines[13], QStringLiteral("Cache #13 (C13) written to My Query part 3.gpx"));
    EXPECT_TRUE(readFile(folder.file("My Query part 2.gpx")).endsWith(caches[11] + kFooter));
}

TEST(Split, CachesWithoutLabelGetAnEmptyOne) {
    const std::vector<QByteArray> caches = {"<wpt/>", "<wpt><time>t</time></wpt>",
                                            "<wpt><time>t</time><name/></wpt>",
                                            "<!--a comment counts as a cache-->"};
    const ProjectFolder folder(QStringLiteral("12345"), HandMadeGpx::document("Q", caches));
    const RunRecorder out = folder.run(splitWith(250));
    const QStringList lines = out.lines();
    ASSERT_EQ(lines.size(), 6);
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(lines[k], QStringLiteral("Cache #%1 () written to 12345 part 1.gpx").arg(k));
    EXPECT_EQ(readFile(folder.file("12345 part 1.gpx")),
              kHeader + caches[0] + caches[1] + caches[2] + caches[3] + kFooter);
}

TEST(Split, ACacheTooLargeForAnyPartGetsOneOfItsOwn) {
    const struct {
        const char* what;
        std::int64_t kilobytes;
        std::vector<int> cacheChars;
        std::vector<std::vector<int>> parts;
        std::vector<int> oversized;
    } cases[] = {
        {"one large among small ones", 2, {100, 100, 1500, 100}, {{1, 2}, {3}, {4}}, {3}},
        {"exactly the limit alone", 2, {1024 - 43, 100}, {{1}, {2}}, {1}},
        {"K = 1: every cache", 1, {60, 60}, {{1}, {2}}, {1, 2}},
        {"K = 0: every cache", 0, {60, 60, 60}, {{1}, {2}, {3}}, {1, 2, 3}},
        {"negative K: every cache", -7, {60, 60}, {{1}, {2}}, {1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<QByteArray> caches;
        for (size_t k = 0; k < c.cacheChars.size(); ++k)
            caches.push_back(HandMadeGpx::cache(label(int(k + 1)), c.cacheChars[k]));
        const ProjectFolder folder(QStringLiteral("12345"), HandMadeGpx::document("Q", caches));
        const RunRecorder out = folder.run(splitWith(c.kilobytes));

        QStringList expectedLines;
        for (size_t p = 0; p < c.parts.size(); ++p) {
            const QString name = QStringLiteral("12345 part %1.gpx").arg(p + 1);
            QByteArray text = kHeader;
            for (const int k : c.parts[p]) {
                text += caches[size_t(k - 1)];
                expectedLines
                    << QStringLiteral("Cache #%1 (%2) written to %3").arg(k).arg(label(k), name);
                if (std::find(c.oversized.begin(), c.oversized.end(), k) != c.oversized.end())
                    expectedLines << QStringLiteral(
                                         "Warning: Cache #%1 (%2) does not fit into a part "
                                         "of %3kB; it has been written on its own to %4.")
                                         .arg(k)
                                         .arg(label(k))
                                         .arg(c.kilobytes)
                                         .arg(name);
            }
            EXPECT_EQ(readFile(folder.file(name)), text + kFooter) << name.toStdString();
        }
        QStringList lines = out.lines();
        ASSERT_GE(lines.size(), 2);
        lines.removeFirst();
        lines.removeLast();
        EXPECT_EQ(lines, expectedLines);
        EXPECT_EQ(folder.files().size(), qsizetype(c.parts.size() + 2));
    }
}

TEST(PartText, CountsCharactersNotBytes) {
    const struct {
        const char* text;
        std::int64_t characters;
    } cases[] = {
        {"", 0},
        {"abc", 3},
        {"M\xC3\xBCller", 6},      // ü: two bytes
        {"\xE2\x82\xAC", 1},       // €: three bytes
        {"x\xF0\x9F\x98\x80y", 3}, // an emoji: four bytes, one character
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(PartText::codePoints(c.text), c.characters);
    }
    PartText part;
    EXPECT_EQ(part.length(), 43);
    part.append("M\xC3\xBCller", 6);
    EXPECT_EQ(part.length(), 49);
    EXPECT_EQ(part.close(), kHeader + "M\xC3\xBCller" + kFooter);
    part.restart();
    EXPECT_EQ(part.caches(), 0);
    EXPECT_EQ(part.close(), kHeader + kFooter);
}
