#pragma once

#include "processing/ProcessOptions.h"
#include "processing/RunOutput.h"
#include "project/project.h"

// One processing run over a scanned project: split (with the deletion of the source), rename
// of the .prc file, saving of the log, in that order, reported through `out`. Never throws:
// an unexpected error ends the run with a line in the log, and out.finished() is always called.
class ProcessingRun {
public:
    static void run(const project& record, const ProcessOptions& options, RunOutput& out);
};
