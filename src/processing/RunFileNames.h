#pragma once

#include "processing/ProcessOptions.h"
#include "project/project.h"

#include <QString>

// The names under which a run writes its files into the project folder. They come from the
// Pocket Query and folder names, made safe for every common file system and short enough
// that the longest suffix still fits. Where a name would take the place of another file of
// the run (a part over the source or the .prc file, the log over a part), it gets a "_"
// after its base.
struct RunFileNames {
    // The parts: partBase + " part N." + extension.
    QString partBase;
    // The renamed .prc file: prcBase + ".prc".
    QString prcBase;
    // The log file: "Log " + logBase + ".txt".
    QString logBase;

    static RunFileNames of(const project& record, const ProcessOptions& options);
};
