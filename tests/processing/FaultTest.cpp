// Runs under faults of the file system, through the real file code: names taken by folders
// and links, files that vanish between the scan and the run, a read-only folder and a full
// one. Whatever happens, the run ends, says what went wrong, and loses nothing.

#include "FolderSnapshot.h"
#include "HandMadeGpx.h"
#include "ProjectFolder.h"
#include "RunFixtures.h"
#include "platform/FileWriter.h"
#include "processing/LogFile.h"
#include "processing/ProcessingRun.h"
#include "project/FolderScan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

const QString kNoFileMessage = QStringLiteral("The text file could not be created.");

// `count` caches labelled C1, C2, ... of `chars` characters each.
std::vector<QByteArray> cachesOf(int count, int chars) {
    std::vector<QByteArray> caches;
    for (int k = 1; k <= count; ++k)
        caches.push_back(HandMadeGpx::cache(QStringLiteral("C%1").arg(k), chars));
    return caches;
}

// Every part file "Q part N.gpx" that is a file holds exactly cache N: no part is truncated.
void expectWholeParts(const FolderSnapshot& after, const std::vector<QByteArray>& caches) {
    for (std::size_t n = 1; n <= caches.size(); ++n) {
        const auto part = after.find(QStringLiteral("Q part %1.gpx").arg(n));
        if (part == after.end() || part->second == "folder" || part->second.startsWith("link to"))
            continue;
        EXPECT_EQ(part->second, kHeader + caches[n - 1] + kFooter) << "part " << n;
    }
}

// A tmpfs mounted on a fresh folder for the life of the object. Tests run as root, where
// permission bits stop nothing, so a read-only mount is the one way to make a folder that
// refuses writes, and a small mount the one way to fill a disk for real.
class Tmpfs {
public:
    explicit Tmpfs(qint64 bytes) {
        m_point = QDir(m_holder.path()).filePath(QStringLiteral("mnt"));
        QDir().mkpath(m_point);
        const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
        if (::mount("tmpfs", QFile::encodeName(m_point).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                    options.constData()) == 0)
            m_mounted = true;
        else
            m_error = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~Tmpfs() {
        if (m_mounted && ::umount(QFile::encodeName(m_point).constData()) != 0)
            ::umount2(QFile::encodeName(m_point).constData(), MNT_DETACH);
    }
    Tmpfs(const Tmpfs&) = delete;
    Tmpfs& operator=(const Tmpfs&) = delete;

    bool mounted() const { return m_mounted; }
    QString error() const { return m_error; }
    QString path() const { return m_point; }

    bool makeReadOnly() {
        const int done = ::mount("tmpfs", QFile::encodeName(m_point).constData(), "tmpfs",
                                 MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr);
        if (done != 0)
            m_error = QString::fromLocal8Bit(std::strerror(errno));
        return done == 0;
    }

private:
    QTemporaryDir m_holder;
    QString m_point;
    bool m_mounted = false;
    QString m_error;
};

#define SKIP_WITHOUT(mount)                                                                        \
    if (!(mount).mounted())                                                                        \
    GTEST_SKIP() << "cannot mount a tmpfs (" << (mount).error().toStdString()                      \
                 << "): the test needs root and a system that lets it mount"

// A folder 12345 holding 12345.gpx (query "Q") and 12345.prc under `parent`.
QString makeProject(const QString& parent, const std::vector<QByteArray>& caches) {
    const QString folder = QDir(parent).filePath(QStringLiteral("12345"));
    if (!QDir().mkpath(folder))
        return {};
    writeFile(folder + QStringLiteral("/12345.gpx"), HandMadeGpx::document("Q", caches));
    writeFile(folder + QStringLiteral("/12345.prc"), "PRC");
    return folder;
}

ProjectPtr scanned(const QString& folder) {
    auto record = std::make_shared<project>();
    const FolderItem item(folder);
    record->name = item.name();
    record->path = item.absolutePath();
    scanProject(*record, [](const ScanFact&) {});
    return record;
}

qint64 pageSize() {
    return ::sysconf(_SC_PAGESIZE);
}
qint64 pagesFor(qint64 bytes) {
    return (bytes + pageSize() - 1) / pageSize();
}

// Writes `path` until the file system is full, then gives back `freeBytes` (whole pages).
bool fillUp(const QString& path, qint64 freeBytes) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const QByteArray chunk(64 * 1024, 'f');
    qint64 size = 0;
    for (;;) {
        const ssize_t written = ::write(fd, chunk.constData(), std::size_t(chunk.size()));
        if (written <= 0)
            break;
        size += written;
    }
    const bool full = errno == ENOSPC;
    // The file holds whole pages; cutting it by `freeBytes` from its last page's end frees
    // exactly that many.
    const qint64 pages = pagesFor(size);
    const bool shrunk = ::ftruncate(fd, std::max<qint64>(0, pages * pageSize() - freeBytes)) == 0;
    ::close(fd);
    return full && shrunk;
}

} // namespace

TEST(Fault, NamesTakenAndFilesGoneBetweenScanAndRun) {
    // Three caches, one per part (K = 2), all options on: the writes are part 1, part 2,
    // part 3 and the log file, in this order.
    const std::vector<QByteArray> caches = cachesOf(3, 600);
    const QStringList allWritten = {"The GPX Source File 12345.gpx has been deleted.",
                                    "12345.prc has been renamed to Q.prc.",
                                    "Log File Log Q.txt has been created."};
    const QString kept = "The GPX Source File 12345.gpx has been kept because a part file "
                         "could not be written.";
    const QStringList parts = {"Q part 1.gpx", "Q part 2.gpx", "Q part 3.gpx"};
    const struct {
        const char* what;
        // Run in the project folder after the scan; the parent folder is `..`.
        std::function<void(QDir)> fault;
        int failNthWrite;
        int messages;
        QStringList linesAfterSummary;
        QStringList files;     // everything in the folder afterwards, sorted
        QStringList mayChange; // files the run was meant to replace, delete or rename
    } cases[] = {
        {"a part's name is taken by a folder",
         [](QDir d) {
             d.mkdir("Q part 2.gpx");
             writeFile(d.filePath("Q part 2.gpx/notes.txt"), "mine");
         },
         0,
         1,
         {kept, allWritten[1], allWritten[2]},
         {"12345.gpx", "Log Q.txt", "Q part 1.gpx", "Q part 2.gpx", "Q part 2.gpx/notes.txt",
          "Q part 3.gpx", "Q.prc"},
         {"12345.prc"}},
        {"the log file's name is taken by a folder",
         [](QDir d) {
             d.mkdir("Log Q.txt");
             writeFile(d.filePath("Log Q.txt/notes.txt"), "mine");
         },
         0,
         1,
         {allWritten[0], allWritten[1]},
         {"Log Q.txt", "Log Q.txt/notes.txt", parts[0], parts[1], parts[2], "Q.prc"},
         {"12345.gpx", "12345.prc"}},
        {"a part's name is a link leading out of the folder",
         [](QDir d) {
             writeFile(d.filePath("../outside.txt"), "outside");
             QFile::link("../outside.txt", d.filePath("Q part 1.gpx"));
         },
         0,
         1,
         {kept, allWritten[1], allWritten[2]},
         {"12345.gpx", "Log Q.txt", parts[0], parts[1], parts[2], "Q.prc"},
         {"12345.prc"}},
        {"the log file's name is a dangling link leading out of the folder",
         [](QDir d) { QFile::link("../new.txt", d.filePath("Log Q.txt")); },
         0,
         1,
         {allWritten[0], allWritten[1]},
         {"Log Q.txt", parts[0], parts[1], parts[2], "Q.prc"},
         {"12345.gpx", "12345.prc"}},
        {"the .prc file was removed after the scan",
         [](QDir d) { d.remove("12345.prc"); },
         0,
         0,
         {allWritten[0], "12345.prc could not be renamed to Q.prc: it is no longer in the folder.",
          allWritten[2]},
         {"Log Q.txt", parts[0], parts[1], parts[2]},
         {"12345.gpx"}},
        {"the source GPX was removed after the scan",
         [](QDir d) { d.remove("12345.gpx"); },
         0,
         0,
         {"The GPX Source File 12345.gpx could not be deleted.", allWritten[1], allWritten[2]},
         {"Log Q.txt", parts[0], parts[1], parts[2], "Q.prc"},
         {"12345.prc"}},
        {"the target .prc exists",
         [](QDir d) { writeFile(d.filePath("Q.prc"), "other"); },
         0,
         0,
         {allWritten[0], "12345.prc has kept its name because Q.prc already exists in the folder.",
          allWritten[2]},
         {"12345.prc", "Log Q.txt", parts[0], parts[1], parts[2], "Q.prc"},
         {"12345.gpx"}},
        {"parts and log of an earlier run are replaced",
         [](QDir d) {
             writeFile(d.filePath("Q part 1.gpx"), "old part");
             writeFile(d.filePath("Log Q.txt"), "old log");
         },
         0,
         0,
         allWritten,
         {"Log Q.txt", parts[0], parts[1], parts[2], "Q.prc"},
         {"12345.gpx", "12345.prc", "Q part 1.gpx", "Log Q.txt"}},
        {"the project folder was removed after the scan",
         [](QDir d) { d.removeRecursively(); },
         0,
         4,
         {kept, "12345.prc could not be renamed to Q.prc: it is no longer in the folder."},
         {},
         {}},
        {"writing the middle part fails",
         [](QDir) {},
         2,
         1,
         {kept, allWritten[1], allWritten[2]},
         {"12345.gpx", "Log Q.txt", parts[0], parts[2], "Q.prc"},
         {"12345.prc"}},
        {"writing the log file fails",
         [](QDir) {},
         4,
         1,
         {allWritten[0], allWritten[1]},
         {parts[0], parts[1], parts[2], "Q.prc"},
         {"12345.gpx", "12345.prc"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir parent;
        const QString folder = makeProject(parent.path(), caches);
        ASSERT_FALSE(folder.isEmpty());
        const ProjectPtr record = scanned(folder);
        c.fault(QDir(folder));
        const FolderSnapshot before = snapshotOf(folder);
        const FolderSnapshot outsideBefore =
            withoutSubfolder(snapshotOf(parent.path()), QStringLiteral("12345"));

        RunRecorder out;
        FileWriter::failNthWrite(c.failNthWrite);
        ProcessingRun::run(*record, allOptions(2), out);
        FileWriter::failNthWrite(0);

        EXPECT_EQ(out.messages, QStringList(c.messages, kNoFileMessage));
        EXPECT_EQ(out.lines().mid(5), c.linesAfterSummary);
        EXPECT_TRUE(out.events.endsWith(QStringLiteral("CF")));
        EXPECT_EQ(out.events.count(u'F'), 1);
        const FolderSnapshot after = snapshotOf(folder);
        EXPECT_EQ(namesOf(after), c.files);
        EXPECT_EQ(lostOrChanged(before, after, c.mayChange), QStringList());
        expectWholeParts(after, caches);
        EXPECT_EQ(withoutSubfolder(snapshotOf(parent.path()), QStringLiteral("12345")),
                  outsideBefore);
    }
}

TEST(Fault, AReadOnlyFolderLosesNothingAndSaysSo) {
    Tmpfs mount(1024 * 1024);
    SKIP_WITHOUT(mount);
    const std::vector<QByteArray> caches = cachesOf(3, 600);
    const QString folder = makeProject(mount.path(), caches);
    ASSERT_FALSE(folder.isEmpty());
    if (!mount.makeReadOnly())
        GTEST_SKIP() << "cannot remount the tmpfs read-only (" << mount.error().toStdString()
                     << ")";
    const FolderSnapshot before = snapshotOf(mount.path());
    const ProjectPtr record = scanned(folder);

    RunRecorder out;
    ProcessingRun::run(*record, allOptions(2), out);

    // Three parts and the log file could not be created: one message each.
    EXPECT_EQ(out.messages, QStringList(4, kNoFileMessage));
    const QStringList lines = out.lines();
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[4], QStringLiteral("Splitting complete. 3 Caches processed. 3 parts "
                                       "generated with maximum file size of 2kB."));
    EXPECT_EQ(lines[5], QStringLiteral("The GPX Source File 12345.gpx has been kept because a "
                                       "part file could not be written."));
    EXPECT_EQ(lines[6], QStringLiteral("12345.prc could not be renamed to Q.prc."));
    EXPECT_TRUE(out.events.endsWith(QStringLiteral("CF")));
    EXPECT_EQ(snapshotOf(mount.path()), before);
}

TEST(Fault, AFullFileSystemKeepsTheSourceAndLeavesNoPartialFile) {
    // Four caches of about 30 kB, one per part. A filler file beside the project takes all
    // the space but `freePages`: room for `partsThatFit` parts, and perhaps the log file; the
    // next part runs out of space while it is written.
    const std::vector<QByteArray> caches = cachesOf(4, 20000);
    const qint64 partPages = pagesFor(kHeader.size() + caches[0].size() + kFooter.size());
    const struct {
        const char* what;
        int partsThatFit;
        // The log file takes one page; the failed parts have given their space back by then.
        bool logWritten;
    } cases[] = {
        {"room for two parts and the log file", 2, true},
        {"room for two parts only", 2, false},
        {"no room at all", 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Tmpfs mount(2 * 1024 * 1024);
        SKIP_WITHOUT(mount);
        const QString folder = makeProject(mount.path(), caches);
        ASSERT_FALSE(folder.isEmpty());
        const qint64 freePages = c.partsThatFit * partPages + (c.logWritten ? 1 : 0);
        ASSERT_TRUE(fillUp(QDir(mount.path()).filePath("filler"), freePages * pageSize()));
        const FolderSnapshot before = snapshotOf(mount.path());
        const ProjectPtr record = scanned(folder);

        RunRecorder out;
        ProcessingRun::run(*record, allOptions(24), out);

        const int failedParts = 4 - c.partsThatFit;
        EXPECT_EQ(out.messages, QStringList(failedParts + (c.logWritten ? 0 : 1), kNoFileMessage));
        QStringList expectedLines = {
            "Splitting complete. 4 Caches processed. 4 parts generated with maximum file size "
            "of 24kB.",
            "The GPX Source File 12345.gpx has been kept because a part file could not be "
            "written.",
            "12345.prc has been renamed to Q.prc."};
        QStringList files = {"12345", "12345/12345.gpx", "12345/Q.prc", "filler"};
        for (int n = 1; n <= c.partsThatFit; ++n)
            files << QStringLiteral("12345/Q part %1.gpx").arg(n);
        if (c.logWritten) {
            expectedLines << "Log File Log Q.txt has been created.";
            files << "12345/Log Q.txt";
        }
        files.sort();
        EXPECT_EQ(out.lines().mid(5), expectedLines) << out.log.toStdString();
        EXPECT_TRUE(out.events.endsWith(QStringLiteral("CF")));

        // Only whole parts, no temporary file, nothing new beside the project folder.
        const FolderSnapshot after = snapshotOf(mount.path());
        EXPECT_EQ(namesOf(after), files) << namesOf(after).join(", ").toStdString();
        EXPECT_EQ(lostOrChanged(before, after, {"12345/12345.prc"}), QStringList());
        expectWholeParts(snapshotOf(folder), caches);
        // The log file, when there is one, holds the whole log as it stood before its line.
        if (c.logWritten) {
            EXPECT_EQ(readFile(folder + "/Log Q.txt"),
                      LogFile::contentOf(out.log.left(out.log.lastIndexOf("Log File "))));
        }
    }
}
