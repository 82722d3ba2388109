#pragma once

#include "processing/RunOutput.h"

#include <cstdio>

// A run's output on the console: the log goes to stdout with each carriage return printed as
// a newline, modal messages go to stderr as "message: " + text. Progress, redraws and
// scrolling have nothing to show here.
class ConsoleOutput : public RunOutput {
public:
    explicit ConsoleOutput(std::FILE* log = stdout, std::FILE* messages = stderr)
        : m_log(log), m_messages(messages) {}

    void startLog(const QString& line) override { print(line); }
    void appendLine(const QString& line) override { print(line); }
    void scrollToEnd(int) override {}
    void progress(int) override {}
    void redraw() override {}
    void message(const QString& text) override;
    void finished() override { std::fflush(m_log); }

private:
    void print(const QString& line);

    std::FILE* m_log;
    std::FILE* m_messages;
};
