#include "processing/LogFile.h"

#include "platform/FileWriter.h"
#include "platform/FolderItem.h"
#include "platform/MacRoman.h"

QByteArray LogFile::contentOf(const QString& logText) {
    const QChar end = ProcessLog::lineEnd().front();
    QByteArray bytes;
    bytes.reserve(logText.size() + 1);
    qsizetype start = 0;
    for (;;) {
        const qsizetype next = logText.indexOf(end, start);
        const qsizetype stop = next < 0 ? logText.size() : next;
        bytes += toMacRoman(logText.mid(start, stop - start));
        bytes += '\r';
        if (next < 0)
            return bytes;
        start = next + 1;
    }
}

void LogFile::save(const project& record, const QString& queryFileName, ProcessLog& log,
                   RunOutput& out) {
    const QString path =
        record.path + QStringLiteral("Log ") + queryFileName + QStringLiteral(".txt");
    if (!FileWriter::writeWhole(path, contentOf(log.text()))) {
        out.message(QStringLiteral("The text file could not be created."));
        return;
    }
    log.append(QStringLiteral("Log File ") + FolderItem(path).displayName() +
               QStringLiteral(" has been created."));
}
