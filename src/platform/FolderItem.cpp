#include "platform/FolderItem.h"

#include <QDir>
#include <QFileInfo>

FolderItem::FolderItem(const QString& path) {
    if (path.isEmpty())
        return;
    QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    m_path = clean;
}

QString FolderItem::name() const { return QFileInfo(m_path).fileName(); }

QString FolderItem::displayName() const { return name(); }

QString FolderItem::absolutePath() const {
    if (m_path.isEmpty())
        return {};
    if (isFolder() && !m_path.endsWith(u'/'))
        return m_path + u'/';
    return m_path;
}

bool FolderItem::exists() const {
    // QFileInfo::exists follows links; a dangling link still occupies the name.
    if (m_path.isEmpty())
        return false;
    const QFileInfo info(m_path);
    return info.exists() || info.isSymLink();
}

bool FolderItem::isFolder() const { return !m_path.isEmpty() && QFileInfo(m_path).isDir(); }
