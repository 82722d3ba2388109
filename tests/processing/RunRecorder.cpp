#include "RunRecorder.h"

QStringList RunRecorder::lines() const {
    QStringList out = log.split(u'\r');
    if (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}

void RunRecorder::startLog(const QString& line) {
    events += u'S';
    log = line;
}

void RunRecorder::appendLine(const QString& line) {
    events += u'A';
    log += line;
}

void RunRecorder::scrollToEnd(int line) {
    events += u'C';
    scrollLines.push_back(line);
}

void RunRecorder::progress(int percent) {
    events += u'P';
    progressValues.push_back(percent);
}

void RunRecorder::message(const QString& text) {
    events += u'M';
    messages << text;
}
