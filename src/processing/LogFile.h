#pragma once

#include "processing/ProcessLog.h"
#include "processing/RunOutput.h"
#include "project/project.h"

#include <QByteArray>

// The log saved as a text file in the project folder: "Log " + Pocket Query name + ".txt",
// in Mac Roman, with a carriage return after every line.
class LogFile {
public:
    // The file's content for a log text: each field of the text split at its carriage returns
    // (the empty one after the last included), in Mac Roman, followed by a carriage return.
    static QByteArray contentOf(const QString& logText);

    // Writes the log as it stands and, when that worked, logs a line naming the file;
    // otherwise shows the message that the text file could not be created.
    static void save(const project& record, const QString& queryFileName, ProcessLog& log,
                     RunOutput& out);
};
