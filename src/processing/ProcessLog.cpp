#include "processing/ProcessLog.h"

QString ProcessLog::oneLine(const QString& line) {
    QString flat = line;
    for (QChar& c : flat)
        if (c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    return flat;
}

void ProcessLog::start(const QString& line) {
    m_text = oneLine(line) + lineEnd();
    m_out.startLog(m_text);
}

void ProcessLog::append(const QString& line) {
    const QString ended = oneLine(line) + lineEnd();
    m_text += ended;
    m_out.appendLine(ended);
}
