#include "processing/ProcessLog.h"

void ProcessLog::start(const QString& line) {
    m_text = line + lineEnd();
    m_out.startLog(m_text);
}

void ProcessLog::append(const QString& line) {
    const QString ended = line + lineEnd();
    m_text += ended;
    m_out.appendLine(ended);
}
