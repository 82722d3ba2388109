#pragma once

#include "platform/FolderItem.h"

#include <memory>
#include <pugixml.hpp>

// Loads a Pocket Query GPX document: comments and processing instructions stay children,
// whitespace-only text between elements is dropped, character and entity references are
// resolved, the encoding follows the byte-order mark and the XML declaration. Entities
// declared in a DTD are never expanded. Throws Failure with a message that names the file
// and says what is wrong (for malformed XML with the line and column).
std::unique_ptr<pugi::xml_document> loadGpxDocument(const FolderItem& file);
