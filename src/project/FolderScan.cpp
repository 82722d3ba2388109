#include "project/FolderScan.h"

#include "project/GpxDate.h"
#include "project/GpxLoader.h"

namespace {

// Looks for NAME + extension in the folder; yields the file-name fact.
FolderItem findFile(const project& record, const QString& extension, ScanFact::Kind kind,
                    const FactSink& sink) {
    const QString fileName = record.name + extension;
    FolderItem item(record.path + fileName);
    if (item.exists()) {
        sink({kind, fileName, false});
        return item;
    }
    sink({kind, QStringLiteral("not found"), true});
    return {};
}

// Reads the Pocket Query name, date and cache count from the loaded document.
void readGpxFacts(project& record, const FactSink& sink, QDate fallback) {
    const QString queryName = record.getXMLChild(QStringLiteral("name"));
    sink({ScanFact::Kind::QueryName, queryName, false});
    record.GCQueryName = queryName;

    const QDate date = readGpxDate(record.getXMLChild(QStringLiteral("time")), fallback);
    sink({ScanFact::Kind::FileDate, longDate(date), false});

    sink({ScanFact::Kind::CacheCount, record.getXMLChild(QStringLiteral("numberOfCaches")), false});
}

} // namespace

void scanProject(project& record, const FactSink& sink, const QDateTime& now) {
    const QDate fallback = now.date();
    sink({ScanFact::Kind::Location, record.path, false});

    record.GPXFile = findFile(record, QStringLiteral(".gpx"), ScanFact::Kind::GpxFile, sink);
    record.PRCFile = findFile(record, QStringLiteral(".prc"), ScanFact::Kind::PrcFile, sink);
    if (record.GPXFile.isEmpty())
        return;

    auto doc = loadGpxDocument(record.GPXFile);
    record.xcontent = doc->document_element();
    record.xdoc = std::move(doc);
    try {
        readGpxFacts(record, sink, fallback);
    } catch (...) {
        // A document that lacks what the scan reads is no usable document: drop it so that
        // nothing later offers or runs a GPX option on it.
        record.xcontent = {};
        record.xdoc.reset();
        throw;
    }
}
