#include "processing/FileActions.h"

#include "platform/FolderItem.h"

#include <QFile>
#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path nativePath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// Whether two paths name one and the same file (as on a file system that ignores case).
bool sameFile(const QString& a, const QString& b) {
    std::error_code error;
    return std::filesystem::equivalent(nativePath(a), nativePath(b), error) && !error;
}

} // namespace

void FileActions::deleteSource(const project& record, bool allPartsWritten, ProcessLog& log) {
    const QString shown = record.GPXFile.displayName();
    const QString lead = QStringLiteral("The GPX Source File ") + shown;
    if (!allPartsWritten) {
        log.append(lead +
                   QStringLiteral(" has been kept because a part file could not be written."));
        return;
    }
    if (QFile::remove(record.GPXFile.absolutePath()))
        log.append(lead + QStringLiteral(" has been deleted."));
    else
        log.append(lead + QStringLiteral(" could not be deleted."));
}

void FileActions::renamePrc(const project& record, const QString& queryFileName, ProcessLog& log) {
    const QString oldName = record.name + QStringLiteral(".prc");
    const QString newName = queryFileName + QStringLiteral(".prc");
    const QString source =
        record.PRCFile.isEmpty() ? record.path + oldName : record.PRCFile.absolutePath();
    const QString target = record.path + newName;
    const QString done = oldName + QStringLiteral(" has been renamed to ") + newName + u'.';

    if (!FolderItem(source).exists()) {
        log.append(oldName + QStringLiteral(" could not be renamed to ") + newName +
                   QStringLiteral(": it is no longer in the folder."));
        return;
    }
    if (FolderItem(target).exists()) {
        if (!sameFile(source, target)) {
            log.append(oldName + QStringLiteral(" has kept its name because ") + newName +
                       QStringLiteral(" already exists in the folder."));
            return;
        }
        // Already named so: nothing to move.
        if (FolderItem(source).name() == FolderItem(target).name()) {
            log.append(done);
            return;
        }
    }
    // QFile::rename refuses to replace an existing file, also when one appears meanwhile.
    if (QFile::rename(source, target))
        log.append(done);
    else
        log.append(oldName + QStringLiteral(" could not be renamed to ") + newName + u'.');
}
