#pragma once

#include "platform/FolderItem.h"
#include "project/NodeChildren.h"

#include <QString>
#include <memory>
#include <pugixml.hpp>

// Everything known about one project folder. Filled once by the folder scan, read by the
// windows and the processing run; shared by the windows that refer to it.
class project {
public:
    // The Pocket Query name as shown in the settings window; empty without a .gpx file.
    QString GCQueryName;
    // The folder's NAME.gpx when it existed at the scan; empty otherwise.
    FolderItem GPXFile;
    // The root element of the loaded GPX document; null when none was loaded.
    pugi::xml_node xcontent;
    // The folder's NAME.prc when it existed at the scan; empty otherwise.
    FolderItem PRCFile;
    // The folder's own name (its last path component).
    QString name;
    // The folder's absolute path, ending with the separator.
    QString path;
    // The loaded GPX document; owns the tree xcontent points into.
    std::unique_ptr<pugi::xml_document> xdoc;

    // "name" and "time": the text inside the root's child 0 or 4; "numberOfCaches": the root's
    // child count minus the seven header children; any other key: empty. Throws Failure, with
    // a message naming the file, when the child or its content is missing.
    QString getXMLChild(const QString& key) const;

    // Whether the .gpx file was found and its document loaded, so GPX options may be offered.
    bool hasUsableDocument() const { return !GPXFile.isEmpty() && bool(xcontent); }
};

using ProjectPtr = std::shared_ptr<project>;

// The children of the root before the first cache.
inline constexpr int kHeaderChildren = 7;
