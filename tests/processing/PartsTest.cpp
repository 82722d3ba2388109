#include "ProjectFolder.h"
#include "RunFixtures.h"
#include "processing/GpxSplitter.h"
#include "processing/ProcessingRun.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cstring>
#include <gtest/gtest.h>
#include <pugixml.hpp>
#include <string>

namespace {

struct StringSink : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
};

std::string rawText(pugi::xml_node node) {
    StringSink sink;
    node.print(sink, "", pugi::format_raw);
    return sink.text;
}

qsizetype characters(const QByteArray& utf8) {
    return QString::fromUtf8(utf8).toUcs4().size();
}

QStringList partFiles(const ProjectFolder& folder) {
    QStringList parts;
    for (int n = 1; folder.has(QStringLiteral("12345 part %1.gpx").arg(n)); ++n)
        parts << folder.file(QStringLiteral("12345 part %1.gpx").arg(n));
    return parts;
}

struct Shape {
    const char* what;
    std::int64_t kilobytes;
    PocketQuerySpec pq;
};

Shape shape(const char* what, std::int64_t kilobytes, int caches, bool pretty, bool realistic,
            int descriptionChars) {
    PocketQuerySpec pq;
    pq.caches = caches;
    pq.pretty = pretty;
    pq.realistic = realistic;
    pq.logs = true;
    pq.descriptionChars = descriptionChars;
    return {what, kilobytes, pq};
}

// Waypoint names of a GPX file as gpsbabel reads it, in order.
QStringList namesThroughGpsbabel(const QString& gpsbabel, const QString& file, const QString& out) {
    QProcess p;
    p.start(gpsbabel, {"-i", "gpx", "-f", file, "-o", "gpx", "-F", out});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {QStringLiteral("<gpsbabel failed: %1>")
                    .arg(QString::fromLocal8Bit(p.readAllStandardError()))};
    pugi::xml_document doc;
    if (!doc.load_file(QFile::encodeName(out).constData()))
        return {QStringLiteral("<unreadable output>")};
    QStringList names;
    for (const pugi::xml_node w : doc.document_element().children("wpt"))
        names << QString::fromUtf8(w.child("name").text().get());
    return names;
}

} // namespace

// Whatever the size and shape of the query: every part is a complete GPX document below the
// size, each part is as full as the limit allows, and the parts hold every cache once, in
// document order, with the text it has in the source.
TEST(Parts, HoldEveryCacheOnceInOrderAndStayBelowTheSize) {
    const Shape shapes[] = {
        shape("indented, K = 50", 50, 60, true, false, 3000),
        shape("one line, K = 60", 60, 45, false, false, 1500),
        shape("realistic, K = 50", 50, 80, true, true, 0),
        shape("realistic, K = 250", 250, 150, true, true, 0),
        shape("all in one part", 250, 5, true, true, 0),
    };
    for (const Shape& s : shapes) {
        SCOPED_TRACE(s.what);
        const ProjectFolder folder(s.pq);
        const ProjectPtr source = folder.scan();
        ProcessOptions options;
        options.splitGPX = true;
        options.maxFileSizeKB = s.kilobytes;
        RunRecorder out;
        ProcessingRun::run(*source, options, out);
        ASSERT_EQ(out.messages, QStringList());

        // The source's caches and namespace declarations, read independently of the run.
        std::vector<std::string> cachesInSource;
        int index = 0;
        for (const pugi::xml_node c : source->xcontent.children())
            if (index++ >= kHeaderChildren)
                cachesInSource.push_back(rawText(c));
        ASSERT_EQ(cachesInSource.size(), size_t(s.pq.caches));

        const std::int64_t limit = GpxSplitter::limitFor(s.kilobytes);
        const QStringList parts = partFiles(folder);
        ASSERT_FALSE(parts.isEmpty());
        size_t next = 0; // the source cache expected next
        qsizetype previousLength = -1;
        for (const QString& partPath : parts) {
            SCOPED_TRACE(QFileInfo(partPath).fileName().toStdString());
            const QByteArray bytes = readFile(partPath);
            EXPECT_TRUE(bytes.startsWith(kHeader));
            EXPECT_TRUE(bytes.endsWith(kFooter));
            const qsizetype length = characters(bytes);
            EXPECT_LT(length, s.kilobytes * 1024);

            pugi::xml_document part;
            ASSERT_TRUE(part.load_buffer(bytes.constData(), size_t(bytes.size()),
                                         pugi::parse_default | pugi::parse_comments));
            const pugi::xml_node root = part.document_element();
            EXPECT_STREQ(root.name(), "gpx");
            EXPECT_FALSE(root.first_attribute());
            ASSERT_TRUE(root.first_child());

            // The previous part was closed only because this part's first cache did not fit.
            if (previousLength >= 0) {
                const pugi::xml_node second = root.first_child().next_sibling();
                const qsizetype firstEnd =
                    second ? second.offset_debug() - 1 : bytes.size() - kFooter.size();
                const QByteArray firstCache = bytes.mid(kHeader.size(), firstEnd - kHeader.size());
                EXPECT_GE(previousLength - kFooter.size() + characters(firstCache), limit);
            }
            previousLength = length;

            for (pugi::xml_node c = root.first_child(); c; c = c.next_sibling()) {
                ASSERT_LT(next, cachesInSource.size());
                // Declarations repeated from the source root are the only addition.
                for (const pugi::xml_attribute a : source->xcontent.attributes()) {
                    const bool declaration = std::strncmp(a.name(), "xmlns", 5) == 0;
                    const pugi::xml_attribute copy = c.attribute(a.name());
                    if (declaration && copy && std::strcmp(copy.value(), a.value()) == 0)
                        c.remove_attribute(copy);
                }
                EXPECT_EQ(rawText(c), cachesInSource[next]) << "cache " << next + 1;
                ++next;
            }
        }
        EXPECT_EQ(next, cachesInSource.size());
    }
}

TEST(Parts, GpsbabelReadsEveryPartWithAllWaypointsInOrder) {
    const QString gpsbabel = QStandardPaths::findExecutable(QStringLiteral("gpsbabel"));
    if (gpsbabel.isEmpty())
        GTEST_SKIP() << "gpsbabel is not installed (scripts/install-deps installs it)";

    PocketQuerySpec pq;
    pq.caches = 120;
    pq.realistic = true;
    const ProjectFolder folder(pq);
    const QString converted = folder.parent() + QStringLiteral("/converted.gpx");
    const QStringList sourceNames =
        namesThroughGpsbabel(gpsbabel, folder.file("12345.gpx"), converted);
    ASSERT_EQ(sourceNames.size(), 120) << sourceNames.value(0).toStdString();

    ProcessOptions options;
    options.splitGPX = true;
    options.maxFileSizeKB = 50;
    const RunRecorder out = folder.run(options);
    const QStringList parts = partFiles(folder);
    ASSERT_GT(parts.size(), 3);
    QStringList partNames;
    for (const QString& part : parts) {
        const QStringList names = namesThroughGpsbabel(gpsbabel, part, converted);
        EXPECT_FALSE(names.isEmpty()) << part.toStdString();
        partNames += names;
    }
    EXPECT_EQ(partNames, sourceNames);
}
