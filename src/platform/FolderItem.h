#pragma once

#include <QString>

// An entry of the file system named by its absolute path; it need not exist. A default item
// is empty and names nothing.
class FolderItem {
public:
    FolderItem() = default;
    // An item for an absolute path; a relative path is made absolute against the current folder.
    explicit FolderItem(const QString& path);

    // True for the default item, which names nothing.
    bool isEmpty() const { return m_path.isEmpty(); }
    // The last component of the path, as stored in the file system.
    QString name() const;
    // The name as shown to users; on the platforms we build for it is the stored name.
    QString displayName() const;
    // The absolute path; a folder's path ends with the separator so that a file name can be
    // appended to it directly.
    QString absolutePath() const;
    // Whether anything, file or folder, exists under this path now.
    bool exists() const;
    // Whether a folder exists under this path now.
    bool isFolder() const;

private:
    QString m_path; // absolute, without a trailing separator (except for the root)
};
