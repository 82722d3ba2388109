#include "HandMadeGpx.h"
#include "ProjectFolder.h"
#include "platform/FileWriter.h"
#include "processing/LogFile.h"
#include "processing/ProcessingRun.h"
#include "processing/SafeFileName.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <limits>

namespace {

const QString kNoFileMessage = QStringLiteral("The text file could not be created.");

ProcessOptions allOptions() {
    ProcessOptions o;
    o.splitGPX = true;
    o.maxFileSizeKB = 250;
    o.renameGPX = true;
    o.deleteSourceGPX = true;
    o.renamePRC = true;
    o.saveLog = true;
    return o;
}

PocketQuerySpec threeCachesOneMueller() {
    PocketQuerySpec pq;
    pq.label = [](int k) {
        return k == 2 ? QStringLiteral("Müller") : QStringLiteral("GC10%1").arg(k);
    };
    return pq;
}

} // namespace

TEST(Run, AllOptionsLogAndLogFile) {
    const ProjectFolder folder(threeCachesOneMueller());
    const RunRecorder out = folder.run(allOptions());
    const QString gpxPath = QDir(folder.path()).absoluteFilePath("12345.gpx");
    const QStringList expected = {
        "Splitting file " + gpxPath + ". 3 Caches found to process.",
        "Cache #1 (GC101) written to My Query part 1.gpx",
        "Cache #2 (Müller) written to My Query part 1.gpx",
        "Cache #3 (GC103) written to My Query part 1.gpx",
        "Splitting complete. 3 Caches processed. 1 parts generated with maximum file size of "
        "250kB.",
        "The GPX Source File 12345.gpx has been deleted.",
        "12345.prc has been renamed to My Query.prc.",
        "Log File Log My Query.txt has been created.",
    };
    EXPECT_EQ(out.log, expected.join(u'\r') + u'\r');
    EXPECT_FALSE(out.log.contains(u'\n'));
    EXPECT_EQ(out.messages, QStringList());
    EXPECT_TRUE(out.events.endsWith(QStringLiteral("CF")));
    EXPECT_EQ(out.events.count(u'F'), 1);
    EXPECT_EQ(out.scrollLines.back(), 9999999);
    EXPECT_EQ(folder.files(),
              (QStringList{"Log My Query.txt", "My Query part 1.gpx", "My Query.prc"}));

    // The file: the first seven lines and an empty one, each ended by a carriage return,
    // in Mac Roman.
    const QByteArray file = readFile(folder.file("Log My Query.txt"));
    QByteArray expectedFile;
    for (int i = 0; i < 7; ++i)
        expectedFile += expected[i].toLatin1().replace("\xFC", "\x9F") + '\r';
    expectedFile += '\r';
    EXPECT_EQ(file, expectedFile);
    EXPECT_EQ(file.count('\r'), 8);
    EXPECT_FALSE(file.contains('\n'));
    EXPECT_TRUE(file.contains("(M\x9F"
                              "ller)"));
}

TEST(Run, FileActionLines) {
    // What happens to the source and the .prc file, and what the log says about it.
    enum class Before { Nothing, TargetExists, PrcGone, GpxGone };
    const struct {
        const char* what;
        QString queryName;
        Before before;
        QStringList lines; // after the split's lines
        QStringList files;
    } cases[] = {
        {"delete and rename",
         "My Query",
         Before::Nothing,
         {"The GPX Source File 12345.gpx has been deleted.",
          "12345.prc has been renamed to My Query.prc."},
         {"12345 part 1.gpx", "My Query.prc"}},
        {"the target exists",
         "My Query",
         Before::TargetExists,
         {"The GPX Source File 12345.gpx has been deleted.",
          "12345.prc has kept its name because My Query.prc already exists in the folder."},
         {"12345 part 1.gpx", "12345.prc", "My Query.prc"}},
        {"the query is named like the folder",
         "12345",
         Before::Nothing,
         {"The GPX Source File 12345.gpx has been deleted.",
          "12345.prc has been renamed to 12345.prc."},
         {"12345 part 1.gpx", "12345.prc"}},
        {"forbidden characters",
         "A/B: \"C\"?",
         Before::Nothing,
         {"The GPX Source File 12345.gpx has been deleted.",
          "12345.prc has been renamed to A_B_ _C__.prc."},
         {"12345 part 1.gpx", "A_B_ _C__.prc"}},
        {"a query name leading out of the folder",
         "../x",
         Before::Nothing,
         {"The GPX Source File 12345.gpx has been deleted.",
          "12345.prc has been renamed to .._x.prc."},
         {"12345 part 1.gpx", ".._x.prc"}},
        {"the .prc file has gone",
         "My Query",
         Before::PrcGone,
         {"The GPX Source File 12345.gpx has been deleted.",
          "12345.prc could not be renamed to My Query.prc: it is no longer in the folder."},
         {"12345 part 1.gpx"}},
        {"the source has gone",
         "My Query",
         Before::GpxGone,
         {"The GPX Source File 12345.gpx could not be deleted.",
          "12345.prc has been renamed to My Query.prc."},
         {"12345 part 1.gpx", "My Query.prc"}},
        {"a name too long for the file system is shortened",
         QString(300, u'q'),
         Before::Nothing,
         {"The GPX Source File 12345.gpx has been deleted.",
          "12345.prc has been renamed to " + QString(237, u'q') + ".prc."},
         {"12345 part 1.gpx", QString(237, u'q') + ".prc"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PocketQuerySpec pq;
        pq.queryName = c.queryName;
        const ProjectFolder folder(pq);
        const ProjectPtr record = folder.scan();
        if (c.before == Before::TargetExists)
            writeFile(folder.file("My Query.prc"), "other");
        if (c.before == Before::PrcGone) {
            ASSERT_TRUE(QFile::remove(folder.file("12345.prc")));
        }
        if (c.before == Before::GpxGone) {
            ASSERT_TRUE(QFile::remove(folder.file("12345.gpx")));
        }
        ProcessOptions options;
        options.splitGPX = true;
        options.deleteSourceGPX = true;
        options.renamePRC = true;
        RunRecorder out;
        ProcessingRun::run(*record, options, out);
        EXPECT_EQ(out.lines().mid(5), c.lines);
        QStringList files = c.files;
        files.sort();
        EXPECT_EQ(folder.files(), files);
        EXPECT_EQ(QDir(folder.parent()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{"12345"});
        if (c.before == Before::TargetExists) {
            EXPECT_EQ(readFile(folder.file("My Query.prc")), QByteArray("other"));
            EXPECT_EQ(readFile(folder.file("12345.prc")), QByteArray("PRC\0database", 12));
        }
    }
}

TEST(Run, OptionsDecideThePhases) {
    const struct {
        const char* what;
        bool split, deleteSource, renamePrc, saveLog;
        QStringList lineStarts;
        QStringList files;
    } cases[] = {
        {"deletion needs the split",
         false,
         true,
         true,
         false,
         {"12345.prc has been renamed to My Query.prc."},
         {"12345.gpx", "My Query.prc"}},
        {"split alone",
         true,
         false,
         false,
         false,
         {"Splitting file ", "Cache #1 ", "Cache #2 ", "Cache #3 ", "Splitting complete."},
         {"12345 part 1.gpx", "12345.gpx", "12345.prc"}},
        {"log file of a run without split",
         false,
         false,
         true,
         true,
         {"12345.prc has been renamed to My Query.prc.",
          "Log File Log My Query.txt has been created."},
         {"12345.gpx", "Log My Query.txt", "My Query.prc"}},
        {"nothing on", false, false, false, false, {}, {"12345.gpx", "12345.prc"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ProjectFolder folder{PocketQuerySpec{}};
        ProcessOptions options;
        options.splitGPX = c.split;
        options.deleteSourceGPX = c.deleteSource;
        options.renamePRC = c.renamePrc;
        options.saveLog = c.saveLog;
        const RunRecorder out = folder.run(options);
        const QStringList lines = out.lines();
        ASSERT_EQ(lines.size(), c.lineStarts.size());
        for (qsizetype i = 0; i < lines.size(); ++i)
            EXPECT_TRUE(lines[i].startsWith(c.lineStarts[i])) << lines[i].toStdString();
        EXPECT_EQ(out.events.startsWith(u'S'), c.split);
        EXPECT_TRUE(out.events.endsWith(QStringLiteral("CF")));
        EXPECT_EQ(folder.files(), c.files);
    }
}

TEST(Run, ALogFileThatCannotBeWrittenIsReported) {
    const ProjectFolder folder{PocketQuerySpec{}};
    ASSERT_TRUE(QDir(folder.path()).mkdir("Log My Query.txt"));
    ProcessOptions options;
    options.renamePRC = true;
    options.saveLog = true;
    const RunRecorder out = folder.run(options);
    EXPECT_EQ(out.messages, QStringList{kNoFileMessage});
    EXPECT_EQ(out.lines(), QStringList{"12345.prc has been renamed to My Query.prc."});
    EXPECT_TRUE(out.events.endsWith(QStringLiteral("MCF")));
}

TEST(Run, AnUnexpectedErrorEndsTheRunWithALine) {
    // A record whose document is gone: the split cannot run, and nothing after it does.
    const ProjectFolder folder{PocketQuerySpec{}};
    const ProjectPtr record = folder.scan();
    record->xcontent = {};
    record->xdoc.reset();
    RunRecorder out;
    ProcessingRun::run(*record, allOptions(), out);
    EXPECT_EQ(out.lines(), QStringList{"Processing stopped because of an unexpected error: The "
                                       "GPX file 12345.gpx has not been loaded, so it cannot "
                                       "be split."});
    EXPECT_EQ(out.events, QStringLiteral("ACF"));
    EXPECT_EQ(folder.files(), (QStringList{"12345.gpx", "12345.prc"}));
}

TEST(LogFile, FieldsInMacRomanEachEndedByACarriageReturn) {
    const struct {
        const char* what;
        QString log;
        QByteArray file;
    } cases[] = {
        {"empty log", "", "\r"},
        {"one line", "a\r", "a\r\r"},
        {"empty lines stay", "a\r\rb\r", "a\r\rb\r\r"},
        {"no final line end", "a\rb", "a\rb\r"},
        {"Mac Roman", "Müller – €\r", "M\x9Fller \xD0 \xDB\r\r"},
        {"not in Mac Roman", "Łódź\r",
         "?\x97"
         "d?\r\r"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LogFile::contentOf(c.log), c.file);
    }
}

TEST(SafeFileName, ReplacesWhatFileSystemsForbidAndFallsBack) {
    const struct {
        QString wanted, fallback, result;
    } cases[] = {
        {"My Query", "12345", "My Query"},
        {"a/b\\c:d*e?f\"g<h>i|j", "12345", "a_b_c_d_e_f_g_h_i_j"},
        {QStringLiteral("tab\there\x01"), "12345", "tab_here_"},
        {"Müller's Café", "12345", "Müller's Café"},
        {"", "12345", "12345"},
        {".", "12345", "12345"},
        {"..", "12345", "12345"},
        {"...", "12345", "..."},
        {"../..", "12345", ".._.."},
        {"", "", "_"},
        {"", "..", "_"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wanted.toStdString());
        EXPECT_EQ(SafeFileName::of(c.wanted, c.fallback), c.result);
    }
}

TEST(ProcessOptions, KilobytesFromTheSizeField) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max() / 1024;
    const struct {
        const char* text;
        std::int64_t kilobytes;
    } cases[] = {
        {"250", 250},         {"50.9", 50},    {" 75kB", 75},
        {"abc", 0},           {"-3", 0},       {"", 0},
        {"2097153", 2097153}, {"1e400", kMax}, {"9007199254740993000", kMax},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ProcessOptions::kilobytesFromText(QString::fromUtf8(c.text)), c.kilobytes);
    }
}
