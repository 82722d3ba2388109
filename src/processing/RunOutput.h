#pragma once

#include <QString>

// Where a processing run reports, in the order its phases produce things. The processing
// window binds it to its controls; tests record it; the benchmark driver prints it.
class RunOutput {
public:
    virtual ~RunOutput() = default;

    // The log becomes this one line (the first line of a run); the line ends with CR.
    virtual void startLog(const QString& line) = 0;
    // The line (ending with CR) is added to the end of the log.
    virtual void appendLine(const QString& line) = 0;
    // The log field scrolls to show its end; `line` is the line number asked for.
    virtual void scrollToEnd(int line) = 0;
    // The progress bar shows this value, 0 to 100.
    virtual void progress(int percent) = 0;
    // The window should be brought up to date on screen now.
    virtual void redraw() = 0;
    // A modal message; returns when the user has dismissed it.
    virtual void message(const QString& text) = 0;
    // The run has ended; "Done" may be pressed.
    virtual void finished() = 0;
};
