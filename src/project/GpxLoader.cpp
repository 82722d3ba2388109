#include "project/GpxLoader.h"

#include "platform/Failure.h"
#include "project/DocumentMemory.h"

#include <QFile>

namespace {

// Line and column (both from 1) of a byte offset, counting UTF-8 characters in the column.
std::pair<qint64, qint64> lineAndColumn(const QString& path, qint64 offset) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {0, 0};
    const QByteArray bytes = file.read(offset);
    qint64 line = 1;
    qint64 column = 1;
    for (const char c : bytes) {
        if (c == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return {line, column};
}

} // namespace

std::unique_ptr<pugi::xml_document> loadGpxDocument(const FolderItem& file) {
    const QString path = file.absolutePath();
    const QString shown = file.displayName();
    if (file.isFolder())
        throw Failure(
            QStringLiteral("The GPX file %1 could not be read: it is a folder.").arg(shown));

    DocumentMemory::install();
    auto doc = std::make_unique<pugi::xml_document>();
    const QByteArray nativePath = QFile::encodeName(path);
    // Text that opens an element is kept in the element itself (see NodeChildren.h).
    const unsigned options =
        pugi::parse_default | pugi::parse_comments | pugi::parse_pi | pugi::parse_embed_pcdata;
    const pugi::xml_parse_result result =
        doc->load_file(nativePath.constData(), options, pugi::encoding_auto);

    switch (result.status) {
    case pugi::status_ok:
        return doc;
    case pugi::status_file_not_found:
        throw Failure(QStringLiteral("The GPX file %1 could not be found any more.").arg(shown));
    case pugi::status_io_error:
        throw Failure(QStringLiteral("The GPX file %1 could not be read.").arg(shown));
    case pugi::status_out_of_memory:
        throw Failure(
            QStringLiteral("The GPX file %1 is too large to be loaded into memory.").arg(shown));
    case pugi::status_no_document_element:
        throw Failure(
            QStringLiteral("The GPX file %1 holds no XML document: it is empty or has no root "
                           "element.")
                .arg(shown));
    default: {
        const auto [line, column] = lineAndColumn(path, result.offset);
        throw Failure(QStringLiteral("The GPX file %1 is not a well-formed XML document: %2 "
                                     "(line %3, column %4).")
                          .arg(shown, QString::fromUtf8(result.description()))
                          .arg(line)
                          .arg(column));
    }
    }
}
