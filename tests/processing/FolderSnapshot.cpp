#include "FolderSnapshot.h"

#include "PocketQueryFixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

FolderSnapshot snapshotOf(const QString& folder) {
    FolderSnapshot snapshot;
    const QDir root(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString name = root.relativeFilePath(info.filePath());
        if (info.isSymLink())
            snapshot[name] = "link to " + info.symLinkTarget().toUtf8();
        else if (info.isDir())
            snapshot[name] = "folder";
        else
            snapshot[name] = readFile(info.filePath());
    }
    return snapshot;
}

QStringList namesOf(const FolderSnapshot& snapshot) {
    QStringList names;
    for (const auto& entry : snapshot)
        names << entry.first;
    names.sort();
    return names;
}

FolderSnapshot withoutSubfolder(const FolderSnapshot& snapshot, const QString& inside) {
    FolderSnapshot out;
    for (const auto& [name, content] : snapshot)
        if (name != inside && !name.startsWith(inside + u'/'))
            out[name] = content;
    return out;
}

QStringList lostOrChanged(const FolderSnapshot& before, const FolderSnapshot& after,
                          const QStringList& mayChange) {
    QStringList problems;
    for (const auto& [name, content] : before) {
        if (mayChange.contains(name))
            continue;
        const auto found = after.find(name);
        if (found == after.end())
            problems << name + QStringLiteral(" has gone");
        else if (found->second != content)
            problems << name + QStringLiteral(" has changed");
    }
    return problems;
}
