#pragma once

#include "processing/ProcessLog.h"
#include "processing/ProcessOptions.h"
#include "processing/RunOutput.h"
#include "project/project.h"

#include <cstdint>

// The split phase of a run: divides the caches of the loaded Pocket Query into complete GPX
// part files, each below the size the user set, in document order, one write per part.
class GpxSplitter {
public:
    struct Outcome {
        // Parts formed, including those whose file could not be written.
        std::int64_t parts = 0;
        // Parts whose file could not be written.
        std::int64_t failedParts = 0;
    };

    // `partBase` is the name the parts are named after, as it may stand in a file name.
    GpxSplitter(const project& record, const ProcessOptions& options, const QString& partBase,
                ProcessLog& log, RunOutput& out);

    // Writes the parts and logs the phase. Throws Failure when there is no document to split.
    Outcome run();

    // The limit in characters for a size of K kilobytes: 1024 * K - 1024, computed so that
    // it cannot overflow (a negative K counts as 0).
    static std::int64_t limitFor(std::int64_t kilobytes);

private:
    const project& m_record;
    const ProcessOptions& m_options;
    QString m_partBase;
    ProcessLog& m_log;
    RunOutput& m_out;
};
