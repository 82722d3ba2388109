#include "ConsoleOutput.h"

void ConsoleOutput::print(const QString& line) {
    QByteArray bytes = line.toUtf8();
    bytes.replace('\r', '\n');
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_log);
}

void ConsoleOutput::message(const QString& text) {
    const QByteArray bytes = "message: " + text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_messages);
    std::fflush(m_messages);
}
