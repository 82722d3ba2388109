#pragma once

#include "PocketQueryFixture.h"
#include "RunRecorder.h"
#include "processing/ProcessOptions.h"
#include "project/project.h"

#include <QStringList>
#include <QTemporaryDir>

// A project folder in a temporary directory, scanned as the settings window would, and run.
class ProjectFolder {
public:
    // A folder made by the fixture generator.
    explicit ProjectFolder(const PocketQuerySpec& pq);
    // A folder named `name` holding `name`.gpx with exactly this text, and `name`.prc.
    ProjectFolder(const QString& name, const QByteArray& gpxText);

    QString path() const { return m_folder; }
    QString parent() const { return m_tmp.path(); }
    QString file(const QString& name) const;
    bool has(const QString& name) const;
    // The names of the files in the folder, sorted.
    QStringList files() const;

    // Scans the folder; a scan failure fails the calling test through an exception.
    ProjectPtr scan() const;
    // Scans and runs with the options; the recorder holds what the run reported.
    RunRecorder run(const ProcessOptions& options) const;

private:
    QTemporaryDir m_tmp;
    QString m_folder;
};
