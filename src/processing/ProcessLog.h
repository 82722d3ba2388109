#pragma once

#include "processing/RunOutput.h"

#include <QString>

// The running log of one processing run. It keeps the text (with its carriage returns) for
// the log file and passes every line on to the run's output as it is written.
class ProcessLog {
public:
    explicit ProcessLog(RunOutput& out) : m_out(out) {}

    // The log's line end: one carriage return, never a line feed, on every platform.
    static QString lineEnd() { return QStringLiteral("\r"); }

    // The log becomes this line, followed by the line end.
    void start(const QString& line);
    // The line, followed by the line end, is added to the log.
    void append(const QString& line);

    // The line as the log holds it: a line break inside it (a waypoint name or a folder name
    // may hold one) becomes a space, so that every line of the log is one line of its file.
    static QString oneLine(const QString& line);

    // The whole log as written so far.
    const QString& text() const { return m_text; }

private:
    RunOutput& m_out;
    QString m_text;
};
