#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>

// Everything under a folder at one moment, by path relative to the folder: a file's bytes,
// "folder" for a folder, "link to " + target for a symbolic link (never followed).
using FolderSnapshot = std::map<QString, QByteArray>;

FolderSnapshot snapshotOf(const QString& folder);

// The relative paths of a snapshot, sorted.
QStringList namesOf(const FolderSnapshot& snapshot);

// The entries of `snapshot` that lie outside the subfolder `inside` (a relative path).
FolderSnapshot withoutSubfolder(const FolderSnapshot& snapshot, const QString& inside);

// The entries of `before` missing from `after` or changed there, except those named in
// `mayChange` (the files the run was meant to replace, delete or rename), as readable text.
QStringList lostOrChanged(const FolderSnapshot& before, const FolderSnapshot& after,
                          const QStringList& mayChange);
