#include "project/NodeChildren.h"
#include "PocketQueryFixture.h"
#include "project/DocumentMemory.h"
#include "project/GpxLoader.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// Every node of a tree loaded the plain way (text in nodes of its own) against the same
// document as the loader keeps it: positions, counts, texts and serialization must agree.
void expectSameTree(pugi::xml_node plain, pugi::xml_node loaded, const std::string& where) {
    ASSERT_EQ(childCount(loaded), childCount(plain)) << where;
    EXPECT_EQ(textInside(loaded), textInside(plain)) << where;
    qsizetype i = 0;
    for (pugi::xml_node c = plain.first_child(); c; c = c.next_sibling(), ++i) {
        const pugi::xml_node other = childAt(loaded, i);
        if (c.type() == pugi::node_pcdata && i == 0 && plain.type() == pugi::node_element &&
            !other) {
            // The text that opens an element is stored in the element: no node, no children.
            EXPECT_FALSE(hasChildren(other));
            continue;
        }
        ASSERT_TRUE(other) << where << " child " << i;
        EXPECT_EQ(other.type(), c.type()) << where << " child " << i;
        EXPECT_EQ(hasChildren(other), bool(c.first_child())) << where << " child " << i;
        if (c.type() == pugi::node_element) {
            std::ostringstream a, b;
            c.print(a, "", pugi::format_raw);
            other.print(b, "", pugi::format_raw);
            EXPECT_EQ(b.str(), a.str()) << where << " child " << i;
            expectSameTree(c, other, where + "/" + std::to_string(i));
        }
    }
    EXPECT_FALSE(childAt(loaded, i)) << where << ": a child past the end";
}

} // namespace

TEST(NodeChildren, StoredTextCountsAsTheFirstChild) {
    const std::pair<const char*, QByteArray> documents[] = {
        {"pocket query", pocketQueryXml({})},
        {"mixed content",
         "<gpx>lead<name>N<!--c-->t</name><a><b>x</b>y</a><!--c--><?pi d?><c/><d>&amp;</d>"
         "<time><![CDATA[2005-01-01]]></time><w>x<y/>z</w></gpx>"},
        {"empty elements", "<gpx><name/><a></a><b> </b></gpx>"},
    };
    for (const auto& [what, xml] : documents) {
        SCOPED_TRACE(what);
        QTemporaryDir tmp;
        const QString path = tmp.filePath(QStringLiteral("q.gpx"));
        writeFile(path, xml);
        pugi::xml_document plain;
        ASSERT_TRUE(plain.load_buffer(xml.constData(), size_t(xml.size()),
                                      pugi::parse_default | pugi::parse_comments | pugi::parse_pi));
        const auto loaded = loadGpxDocument(FolderItem(path));
        expectSameTree(plain.document_element(), loaded->document_element(), what);
    }
}

TEST(NodeChildren, DocumentMemoryIsReturnedWhenDocumentsGo) {
    if (!DocumentMemory::isInstalled())
        GTEST_SKIP() << "documents use the system allocator in this build (AddressSanitizer)";
    const std::size_t before = DocumentMemory::bytesInUse();
    QTemporaryDir tmp;
    PocketQuerySpec pq;
    pq.caches = 300;
    const QString path = tmp.filePath(QStringLiteral("q.gpx"));
    writeFile(path, pocketQueryXml(pq));
    {
        auto first = loadGpxDocument(FolderItem(path));
        auto second = loadGpxDocument(FolderItem(path));
        EXPECT_GT(DocumentMemory::bytesInUse(), before + std::size_t(2 * QFileInfo(path).size()));
        first.reset();
        EXPECT_EQ(childCount(second->document_element()), 307);
    }
    EXPECT_EQ(DocumentMemory::bytesInUse(), before);
}
