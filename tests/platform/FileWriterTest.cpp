#include "platform/FileWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

TEST(FileWriter, WritesAndReplacesWholeFiles) {
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("part 1.gpx"));
    ASSERT_TRUE(FileWriter::writeWhole(path, "first"));
    EXPECT_EQ(contentOf(path), QByteArray("first"));
    ASSERT_TRUE(FileWriter::writeWhole(path, "second, longer"));
    EXPECT_EQ(contentOf(path), QByteArray("second, longer"));
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("part 1.gpx")});
}

TEST(FileWriter, AFailedWriteLeavesNoFileAndNoTemporary) {
    QTemporaryDir tmp;
    const QString kept = tmp.filePath(QStringLiteral("kept.txt"));
    ASSERT_TRUE(FileWriter::writeWhole(kept, "old content"));

    FileWriter::failNthWrite(2);
    EXPECT_TRUE(FileWriter::writeWhole(tmp.filePath(QStringLiteral("a.txt")), "a"));
    EXPECT_FALSE(FileWriter::writeWhole(kept, "new content"));
    EXPECT_TRUE(FileWriter::writeWhole(tmp.filePath(QStringLiteral("c.txt")), "c"));
    FileWriter::failNthWrite(0);

    EXPECT_EQ(contentOf(kept), QByteArray("old content"));
    QStringList files = QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden);
    files.sort();
    EXPECT_EQ(files, (QStringList{QStringLiteral("a.txt"), QStringLiteral("c.txt"),
                                  QStringLiteral("kept.txt")}));
}

TEST(FileWriter, ADirectoryInTheWayOrAMissingFolderFails) {
    QTemporaryDir tmp;
    ASSERT_TRUE(QDir(tmp.path()).mkdir(QStringLiteral("taken.gpx")));
    EXPECT_FALSE(FileWriter::writeWhole(tmp.filePath(QStringLiteral("taken.gpx")), "x"));
    EXPECT_TRUE(QFileInfo(tmp.filePath(QStringLiteral("taken.gpx"))).isDir());
    EXPECT_FALSE(FileWriter::writeWhole(tmp.filePath(QStringLiteral("no/such/folder.txt")), "x"));
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}
