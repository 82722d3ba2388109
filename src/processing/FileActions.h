#pragma once

#include "processing/ProcessLog.h"
#include "project/project.h"

// The two file actions of a run: deleting the source GPX after the split and renaming the
// .prc file to the Pocket Query name. Each checks its outcome and logs what really happened.
class FileActions {
public:
    // Deletes the source GPX file, but only when every part of the split was written:
    // otherwise the caches of a missing part would exist nowhere any more.
    static void deleteSource(const project& record, bool allPartsWritten, ProcessLog& log);

    // Renames the .prc file to `queryFileName` + ".prc" in the same folder. Never replaces an
    // existing file.
    static void renamePrc(const project& record, const QString& queryFileName, ProcessLog& log);
};
