#pragma once

#include <QStringView>
#include <cstdint>

// The six options of one run. Each is on only when its check box is both enabled and checked.
struct ProcessOptions {
    bool splitGPX = false;
    // K, the maximum part size in kilobytes; read only when splitGPX is on.
    std::int64_t maxFileSizeKB = 250;
    bool renameGPX = false;
    bool deleteSourceGPX = false;
    bool renamePRC = false;
    bool saveLog = false;

    // K from the size field's text: the number at its start, cut to a whole number and
    // clamped so that 1024 * K always fits 64-bit arithmetic.
    static std::int64_t kilobytesFromText(QStringView text);
};
