#pragma once

#include "processing/RunOutput.h"

#include <QString>
#include <QStringList>
#include <vector>

// Records everything a run reports, in order, for tests to compare.
class RunRecorder : public RunOutput {
public:
    // What was reported, one letter per call: S start, A append, C scroll, P progress,
    // R redraw, M message, F finished.
    QString events;
    // The log as a window would show it.
    QString log;
    std::vector<int> progressValues;
    std::vector<int> scrollLines;
    QStringList messages;

    // The log's lines without their carriage returns.
    QStringList lines() const;

    void startLog(const QString& line) override;
    void appendLine(const QString& line) override;
    void scrollToEnd(int line) override;
    void progress(int percent) override;
    void redraw() override { events += u'R'; }
    void message(const QString& text) override;
    void finished() override { events += u'F'; }
};
