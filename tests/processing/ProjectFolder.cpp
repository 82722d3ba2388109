#include "ProjectFolder.h"

#include "platform/Failure.h"
#include "processing/ProcessingRun.h"
#include "project/FolderScan.h"

#include <QDir>
#include <QFileInfo>
#include <stdexcept>

ProjectFolder::ProjectFolder(const PocketQuerySpec& pq)
    : m_folder(writePocketQuery(m_tmp.path(), pq)) {}

ProjectFolder::ProjectFolder(const QString& name, const QByteArray& gpxText) {
    m_folder = QDir(m_tmp.path()).filePath(name);
    if (!QDir().mkpath(m_folder))
        throw std::runtime_error("cannot create the project folder");
    writeFile(file(name + QStringLiteral(".gpx")), gpxText);
    writeFile(file(name + QStringLiteral(".prc")), "PRC");
}

QString ProjectFolder::file(const QString& name) const {
    return QDir(m_folder).filePath(name);
}

bool ProjectFolder::has(const QString& name) const {
    return QFileInfo::exists(file(name));
}

QStringList ProjectFolder::files() const {
    QStringList list = QDir(m_folder).entryList(QDir::Files | QDir::Hidden);
    list.sort();
    return list;
}

ProjectPtr ProjectFolder::scan() const {
    auto record = std::make_shared<project>();
    const FolderItem item(m_folder);
    record->name = item.name();
    record->path = item.absolutePath();
    try {
        scanProject(*record, [](const ScanFact&) {});
    } catch (const Failure& e) {
        throw std::runtime_error("scan failed: " + e.message().toStdString());
    }
    return record;
}

RunRecorder ProjectFolder::run(const ProcessOptions& options) const {
    const ProjectPtr record = scan();
    RunRecorder out;
    ProcessingRun::run(*record, options, out);
    return out;
}
