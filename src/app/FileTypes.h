#pragma once

#include "platform/FolderItem.h"

#include <QString>
#include <QStringList>
#include <vector>

// The kinds of file-system item the program opens. There is one: folders.
class FileTypes {
public:
    struct FileType {
        QString name;
        QStringList extensions;
        QString macType;
        QString macCreator;
    };

    // The program's set, built with its one member on first use.
    static const FileTypes& instance();

    const std::vector<FileType>& types() const { return m_types; }
    // The member of that name; names are compared without regard to letter case.
    const FileType* find(const QString& name) const;
    // Whether `item` is of the member `typeName`; false for a name that is no member.
    bool accepts(const QString& typeName, const FolderItem& item) const;

private:
    FileTypes();
    std::vector<FileType> m_types;
};
