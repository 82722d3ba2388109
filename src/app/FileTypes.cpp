#include "app/FileTypes.h"

FileTypes::FileTypes() {
    m_types.push_back(
        {QStringLiteral("folder"), {}, QStringLiteral("fold"), QStringLiteral("MACS")});
}

const FileTypes& FileTypes::instance() {
    static const FileTypes types;
    return types;
}

const FileTypes::FileType* FileTypes::find(const QString& name) const {
    for (const FileType& type : m_types)
        if (type.name.compare(name, Qt::CaseInsensitive) == 0)
            return &type;
    return nullptr;
}

bool FileTypes::accepts(const QString& typeName, const FolderItem& item) const {
    // Our one type, the folder, has no extensions: its members are the existing folders.
    const FileType* type = find(typeName);
    return type && type->extensions.isEmpty() && item.isFolder();
}
