#pragma once

#include "processing/ProcessOptions.h"

#include <QString>

// The command line of the benchmark drivers:
//   FOLDER [--split K] [--rename-gpx] [--delete-source] [--rename-prc] [--save-log]
// An option that is absent is off.
struct RunArguments {
    QString folder;
    ProcessOptions options;
    // K as given after --split, for a size field to show.
    QString sizeText;
    // What is wrong with the command line; empty when it is right.
    QString problem;

    static RunArguments parse(int argc, char** argv);
};
