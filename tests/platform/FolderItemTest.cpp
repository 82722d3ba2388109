#include "platform/FolderItem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FolderItem, FolderPathEndsWithSeparatorFileDoesNot) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    QDir(tmp.path()).mkdir(QStringLiteral("Query 12"));
    const QString folderPath = tmp.path() + QStringLiteral("/Query 12");
    QFile file(folderPath + QStringLiteral("/Query 12.gpx"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    const FolderItem folder(folderPath);
    EXPECT_TRUE(folder.exists());
    EXPECT_TRUE(folder.isFolder());
    EXPECT_EQ(folder.name(), QStringLiteral("Query 12"));
    EXPECT_EQ(folder.absolutePath(), QDir(tmp.path()).absolutePath() + QStringLiteral("/Query 12/"));
    // A trailing separator given by the caller names the same folder.
    EXPECT_EQ(FolderItem(folderPath + u'/').name(), QStringLiteral("Query 12"));

    const FolderItem gpx(folder.absolutePath() + QStringLiteral("Query 12.gpx"));
    EXPECT_TRUE(gpx.exists());
    EXPECT_FALSE(gpx.isFolder());
    EXPECT_EQ(gpx.displayName(), QStringLiteral("Query 12.gpx"));
    EXPECT_FALSE(gpx.absolutePath().endsWith(u'/'));
}

TEST(FolderItem, MissingAndEmptyItems) {
    QTemporaryDir tmp;
    const FolderItem missing(tmp.path() + QStringLiteral("/nothing.prc"));
    EXPECT_FALSE(missing.exists());
    EXPECT_FALSE(missing.isEmpty());
    EXPECT_EQ(missing.name(), QStringLiteral("nothing.prc"));

    const FolderItem none;
    EXPECT_TRUE(none.isEmpty());
    EXPECT_FALSE(none.exists());
    EXPECT_EQ(none.absolutePath(), QString());
}
