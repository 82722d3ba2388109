// Input a user's files or typing can bring that the program must survive: broken documents,
// entity declarations, hostile Pocket Query names and odd size texts.

#include "FolderSnapshot.h"
#include "HandMadeGpx.h"
#include "ProjectFolder.h"
#include "RunFixtures.h"
#include "platform/Failure.h"
#include "processing/ProcessingRun.h"
#include "processing/SafeFileName.h"
#include "project/FolderScan.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

namespace {

std::vector<QByteArray> threeCaches() {
    return {HandMadeGpx::cache("C1", 600), HandMadeGpx::cache("C2", 600),
            HandMadeGpx::cache("C3", 600)};
}

// The seven header children of a Pocket Query without the root's tags.
const QByteArray kHeaderElements =
    "<name>Q</name><desc>d</desc><author>a</author><email>e</email>"
    "<time>2005-09-21T08:44:26</time><keywords>k</keywords><bounds/>";

} // namespace

TEST(BadGpx, ScanRefusesItAndARunForcedOnItTouchesNothing) {
    const struct {
        const char* what;
        QByteArray content;
        QString mustMention;
    } cases[] = {
        {"zero bytes", QByteArray(), "no root element"},
        {"binary garbage", QByteArray("\x00\xff\xfe\x13\x37garbage\x01\x80", 14), "12345.gpx"},
        {"unterminated element", "<gpx>" + kHeaderElements + "<wpt><name>C1</name>",
         "not a well-formed"},
        {"comments and no root", "<?xml version=\"1.0\"?><!-- a --><!-- b -->", "no root element"},
        {"a root with only comments", "<gpx><!-- a --><!-- b --></gpx>",
         "the Pocket Query name is empty"},
        {"a header of comments", "<gpx>" + QByteArray("<!-- h -->").repeated(7) + "<wpt/></gpx>",
         "the Pocket Query name is empty"},
        {"an empty root", "<gpx/>", "its header ends before the Pocket Query name"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ProjectFolder folder(QStringLiteral("12345"), c.content);
        const FolderSnapshot before = snapshotOf(folder.parent());
        auto record = std::make_shared<project>();
        const FolderItem item(folder.path());
        record->name = item.name();
        record->path = item.absolutePath();
        QString error;
        try {
            scanProject(*record, [](const ScanFact&) {});
        } catch (const Failure& e) {
            error = e.message();
        }
        EXPECT_TRUE(error.contains("The GPX file 12345.gpx")) << error.toStdString();
        EXPECT_TRUE(error.contains(c.mustMention)) << error.toStdString();
        EXPECT_FALSE(record->hasUsableDocument());

        // The settings window offers no run then; should one start anyway, it stops at once.
        RunRecorder out;
        ProcessingRun::run(*record, allOptions(250), out);
        EXPECT_EQ(out.lines(), QStringList{"Processing stopped because of an unexpected error: "
                                           "The GPX file 12345.gpx has not been loaded, so it "
                                           "cannot be split."});
        EXPECT_TRUE(out.events.endsWith(QStringLiteral("CF")));
        EXPECT_EQ(snapshotOf(folder.parent()), before);
    }
}

TEST(BadGpx, EntitiesOfADtdAreNeverExpandedOrFetched) {
    // Nine levels of ten references each would expand to 3 * 10^9 characters, and the
    // external entity would read a file beside the project folder.
    QTemporaryDir secretDir;
    const QString secretPath = QDir(secretDir.path()).filePath("secret.txt");
    writeFile(secretPath, "SECRET-CONTENT");
    QByteArray dtd = "<!DOCTYPE gpx [<!ENTITY l0 \"lol\">";
    for (int level = 1; level <= 9; ++level)
        dtd += "<!ENTITY l" + QByteArray::number(level) + " \"" +
               ("&l" + QByteArray::number(level - 1) + ";").repeated(10) + "\">";
    dtd += "<!ENTITY secret SYSTEM \"file://" + secretPath.toUtf8() + "\">]>";
    const QByteArray cache = "<wpt><time>t</time><name>C1</name><desc>&l9; &secret;</desc></wpt>";
    const QByteArray xml = "<?xml version=\"1.0\"?>" + dtd + "<gpx>" +
                           QByteArray(kHeaderElements).replace("<name>Q", "<name>Q&l9;") + cache +
                           "</gpx>";
    const ProjectFolder folder(QStringLiteral("12345"), xml);

    const RunRecorder out = folder.run(allOptions(250));
    EXPECT_EQ(out.messages, QStringList());
    EXPECT_EQ(out.lines().value(1), QStringLiteral("Cache #1 (C1) written to Q&l9; part 1.gpx"));
    // The references stay as they were written; the part, which has no DTD, holds them as text.
    const QByteArray part = readFile(folder.file("Q&l9; part 1.gpx"));
    EXPECT_EQ(part,
              kHeader +
                  "<wpt><time>t</time><name>C1</name><desc>&amp;l9; &amp;secret;</desc></wpt>" +
                  kFooter);
    EXPECT_FALSE(readFile(folder.file("Log Q&l9;.txt")).contains("lollol"));
}

TEST(BadName, FilesOfTheRunStayInsideTheFolderUnderUsableNames) {
    // Three caches: the longest text after the name is " part 3.gpx" (11 bytes); a file is
    // written under its name plus 7 bytes first, and a name may take 255 bytes. So a query
    // name keeps at most 255 - 7 - 11 = 237 bytes, cut between whole characters.
    const QString smile = QString::fromUcs4(U"\U0001F600");
    const struct {
        const char* what;
        QString queryName;
        QString base;
    } cases[] = {
        {"a slash", "A/B", "A_B"},
        {"leading out of the folder", "../../x", ".._.._x"},
        {"the parent folder", "..", "12345"},
        {"a slash alone", "/", "_"},
        {"control characters",
         QStringLiteral("a\tb\x01"
                        "c\x1f\x7f"),
         "a_b_c__"},
        {"300 characters", QString(300, u'q'), QString(237, u'q')},
        {"just short enough", QString(237, u'q'), QString(237, u'q')},
        {"one byte too long", QString(238, u'q'), QString(237, u'q')},
        {"300 two-byte characters", QString(300, u'ü'), QString(118, u'ü')},
        {"four-byte characters", smile.repeated(100), smile.repeated(59)},
        {"a three-byte character across the limit", QString(236, u'q') + u'€', QString(236, u'q')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ProjectFolder folder(QStringLiteral("12345"),
                                   HandMadeGpx::document(c.queryName, threeCaches()));
        const RunRecorder out = folder.run(allOptions(250));
        EXPECT_EQ(out.messages, QStringList());
        const QStringList lines = out.lines();
        ASSERT_EQ(lines.size(), 8);
        EXPECT_EQ(lines[1], "Cache #1 (C1) written to " + c.base + " part 1.gpx");
        EXPECT_EQ(lines[5], "The GPX Source File 12345.gpx has been deleted.");
        EXPECT_EQ(lines[6], "12345.prc has been renamed to " + c.base + ".prc.");
        EXPECT_EQ(lines[7], "Log File Log " + c.base + ".txt has been created.");
        QStringList files = {c.base + " part 1.gpx", c.base + ".prc", "Log " + c.base + ".txt"};
        files.sort();
        EXPECT_EQ(folder.files(), files);
        EXPECT_EQ(
            QDir(folder.parent())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
            QStringList{"12345"});
        EXPECT_EQ(readFile(folder.file(c.base + " part 1.gpx")),
                  kHeader + threeCaches()[0] + threeCaches()[1] + threeCaches()[2] + kFooter);
    }
}

TEST(BadName, AFolderNameTooLongForItsPartNamesIsShortenedInThem) {
    // The folder's name takes 251 bytes, so that NAME.gpx just fits; "NAME part 1.gpx" would
    // not. The parts take the longest start of the name that leaves room for the suffix and
    // for the temporary name a file is first written under.
    const QString name(251, u'f');
    const ProjectFolder folder(name, HandMadeGpx::document("Q", threeCaches()));
    ProcessOptions options = allOptions(2);
    options.renameGPX = false;
    const RunRecorder out = folder.run(options);
    EXPECT_EQ(out.messages, QStringList());
    const QString base(255 - 7 - int(sizeof(" part 3.gpx") - 1), u'f');
    EXPECT_EQ(out.lines().mid(1, 3),
              (QStringList{"Cache #1 (C1) written to " + base + " part 1.gpx",
                           "Cache #2 (C2) written to " + base + " part 2.gpx",
                           "Cache #3 (C3) written to " + base + " part 3.gpx"}));
    EXPECT_EQ(out.lines().mid(5, 1),
              QStringList{"The GPX Source File " + name + ".gpx has been deleted."});
    EXPECT_EQ(folder.files(), (QStringList{"Log Q.txt", "Q.prc", base + " part 1.gpx",
                                           base + " part 2.gpx", base + " part 3.gpx"}));
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(readFile(folder.file(base + QStringLiteral(" part %1.gpx").arg(k + 1))),
                  kHeader + threeCaches()[k] + kFooter);
}

TEST(BadName, APartNeverReplacesTheSource) {
    // A folder "x part 2" holds "x part 2.gpx". Named after the query "x", the second part
    // would take the source's name, and deleting the source would then delete that part. The
    // parts' names get a "_" then; the comparison ignores case, as a memory card's file
    // system does.
    const struct {
        const char* what;
        QString folderName, queryName, partBase;
    } cases[] = {
        {"the second part", "x part 2", "x", "x_"},
        {"the same name in other case", "x part 2", "X", "X_"},
        {"a number beyond the last part", "x part 9", "x", "x"},
        {"a number no part has", "x part 02", "x", "x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<QByteArray> caches = threeCaches();
        const ProjectFolder folder(c.folderName, HandMadeGpx::document(c.queryName, caches));
        const RunRecorder out = folder.run(allOptions(2));
        EXPECT_EQ(out.messages, QStringList());
        EXPECT_EQ(out.lines().value(2), "Cache #2 (C2) written to " + c.partBase + " part 2.gpx");
        EXPECT_EQ(out.lines().value(5),
                  "The GPX Source File " + c.folderName + ".gpx has been deleted.");
        QStringList files = {"Log " + c.queryName + ".txt", c.queryName + ".prc"};
        for (int n = 1; n <= 3; ++n) {
            const QString part = c.partBase + QStringLiteral(" part %1.gpx").arg(n);
            files << part;
            EXPECT_EQ(readFile(folder.file(part)), kHeader + caches[n - 1] + kFooter);
        }
        files.sort();
        EXPECT_EQ(folder.files(), files);
    }
}

TEST(BadName, NoPartTakesTheNameOfAFileTheRunReads) {
    // The parts' extension comes from the source's name, so a part can be named like the
    // .prc file; a folder name shortened to fit can make a part named like the source. Either
    // would be replaced and then deleted or moved away; such parts get a "_" after the base.
    const QString longBase(237, u'a');
    const struct {
        const char* what;
        QString folderName, queryName;
        bool renameGPX;
        QString partBase, extension;
    } cases[] = {
        {"a part named like the .prc file", "A.prc.x part 1", "A.prc.x", true, "A.prc.x_", "prc"},
        {"a shortened folder name", longBase + " part 1", "Q", false, QString(236, u'a') + u'_',
         "gpx"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<QByteArray> caches = threeCaches();
        const ProjectFolder folder(c.folderName, HandMadeGpx::document(c.queryName, caches));
        const QByteArray prc = readFile(folder.file(c.folderName + ".prc"));
        ProcessOptions options = allOptions(2);
        options.renameGPX = c.renameGPX;
        const RunRecorder out = folder.run(options);
        EXPECT_EQ(out.messages, QStringList());
        QStringList files = {"Log " + c.queryName + ".txt", c.queryName + ".prc"};
        for (int n = 1; n <= 3; ++n) {
            const QString part = c.partBase + QStringLiteral(" part %1.").arg(n) + c.extension;
            files << part;
            EXPECT_EQ(out.lines().value(n),
                      QStringLiteral("Cache #%1 (C%1) written to ").arg(n) + part);
            EXPECT_EQ(readFile(folder.file(part)), kHeader + caches[size_t(n - 1)] + kFooter);
        }
        files.sort();
        EXPECT_EQ(folder.files(), files);
        EXPECT_EQ(readFile(folder.file(c.queryName + ".prc")), prc);
    }
}

TEST(BadName, LineBreaksInNamesStayInsideTheirLogLine) {
    // A waypoint name holding a line feed or a carriage return must not add lines to the log
    // or put a line feed into the log file.
    const std::vector<QByteArray> caches = {
        "<wpt><time>t</time><name>L&#10;F</name></wpt>",
        "<wpt><time>t</time><name>C&#13;R</name></wpt>",
    };
    const ProjectFolder folder("12345", HandMadeGpx::document("Q", caches));
    ProcessOptions options = allOptions(250);
    options.deleteSourceGPX = false;
    const RunRecorder out = folder.run(options);
    EXPECT_EQ(out.lines().mid(1, 2), (QStringList{"Cache #1 (L F) written to Q part 1.gpx",
                                                  "Cache #2 (C R) written to Q part 1.gpx"}));
    const QByteArray file = readFile(folder.file("Log Q.txt"));
    EXPECT_FALSE(file.contains('\n'));
    EXPECT_EQ(file.count('\r'), 6); // five lines and the empty last one
}

TEST(BadName, TheLogFileNeverReplacesAPart) {
    // The folder "Log a.txt" gives parts "Log a.txt part N.txt"; for the query "a.txt part 1"
    // the log file would be named like the first part and replace it after the source's
    // deletion.
    const std::vector<QByteArray> caches = threeCaches();
    const ProjectFolder folder("Log a.txt", HandMadeGpx::document("a.txt part 1", caches));
    ProcessOptions options = allOptions(2);
    options.renameGPX = false;
    const RunRecorder out = folder.run(options);
    EXPECT_EQ(out.messages, QStringList());
    EXPECT_EQ(out.lines().mid(5),
              (QStringList{"The GPX Source File Log a.txt.gpx has been deleted.",
                           "Log a.txt.prc has been renamed to a.txt part 1.prc.",
                           "Log File Log a.txt part 1_.txt has been created."}));
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(readFile(folder.file(QStringLiteral("Log a.txt part %1.txt").arg(n))),
                  kHeader + caches[n - 1] + kFooter);
    EXPECT_EQ(folder.files(),
              (QStringList{"Log a.txt part 1.txt", "Log a.txt part 1_.txt", "Log a.txt part 2.txt",
                           "Log a.txt part 3.txt", "a.txt part 1.prc"}));
}

TEST(SafeFileName, ShortenedCutsBetweenWholeCharacters) {
    const QString smile = QString::fromUcs4(U"\U0001F600");
    const struct {
        const char* what;
        QString name;
        qsizetype maxBytes;
        QString result;
    } cases[] = {
        {"fits", "abc", 3, "abc"},
        {"one byte over", "abcd", 3, "abc"},
        {"two-byte character", QStringLiteral("aüb"), 2, "a"},
        {"two-byte character fits", QStringLiteral("aüb"), 3, QStringLiteral("aü")},
        {"surrogate pair stays whole", "a" + smile + "b", 4, "a"},
        {"surrogate pair fits", "a" + smile + "b", 5, "a" + smile},
        {"first character always stays", smile + "b", 1, smile},
        {"nothing", "", 10, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SafeFileName::shortened(c.name, c.maxBytes), c.result);
    }
}

TEST(SizeField, OddTextsGiveASoundSizeForARun) {
    // Three caches of 600 characters: with K = 0 every cache takes a part of its own and
    // says so; with a large K they share one part.
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max() / 1024;
    const struct {
        const char* text;
        std::int64_t kilobytes;
        int parts;
        int warnings;
    } cases[] = {
        {"1e30", kMax, 1, 0},
        {"-5", 0, 3, 3},
        {"0x40", 0, 3, 3},
        {" 60", 60, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::int64_t k = ProcessOptions::kilobytesFromText(QString::fromUtf8(c.text));
        EXPECT_EQ(k, c.kilobytes);
        const ProjectFolder folder(QStringLiteral("12345"),
                                   HandMadeGpx::document("Q", threeCaches()));
        ProcessOptions options;
        options.splitGPX = true;
        options.deleteSourceGPX = true;
        options.maxFileSizeKB = k;
        const RunRecorder out = folder.run(options);
        EXPECT_EQ(out.messages, QStringList());
        const QStringList lines = out.lines();
        EXPECT_EQ(lines.filter(QStringLiteral("Warning: ")).size(), c.warnings);
        EXPECT_TRUE(lines.contains(QStringLiteral("Splitting complete. 3 Caches processed. %1 "
                                                  "parts generated with maximum file size of "
                                                  "%2kB.")
                                       .arg(c.parts)
                                       .arg(c.kilobytes)));
        // Every cache once, in order, over whole parts; the source went only after that.
        QByteArray caches;
        for (int n = 1; n <= c.parts; ++n) {
            const QByteArray part =
                readFile(folder.file(QStringLiteral("12345 part %1.gpx").arg(n)));
            ASSERT_TRUE(part.startsWith(kHeader) && part.endsWith(kFooter)) << "part " << n;
            caches += part.mid(kHeader.size(), part.size() - kHeader.size() - kFooter.size());
        }
        EXPECT_EQ(caches, threeCaches()[0] + threeCaches()[1] + threeCaches()[2]);
        EXPECT_FALSE(folder.has("12345.gpx"));
        EXPECT_EQ(folder.files().size(), c.parts + 1);
    }
}
