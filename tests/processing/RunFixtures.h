#pragma once

#include "processing/ProcessOptions.h"

#include <QByteArray>
#include <cstdint>

// What every part file starts and ends with.
inline const QByteArray kHeader = "<?xml version=\"1.0\" encoding=\"utf-8\"?><gpx>";
inline const QByteArray kFooter = "</gpx>";

// Every option of a run on, parts of at most `kilobytes`.
inline ProcessOptions allOptions(std::int64_t kilobytes) {
    ProcessOptions o;
    o.splitGPX = true;
    o.maxFileSizeKB = kilobytes;
    o.renameGPX = true;
    o.deleteSourceGPX = true;
    o.renamePRC = true;
    o.saveLog = true;
    return o;
}
