#pragma once

#include <QString>

// Turns a name taken from a document (the Pocket Query name) into something that can stand
// in a file name inside the project folder on any common file system.
class SafeFileName {
public:
    // `wanted` with every character that common file systems forbid (/ \ : * ? " < > | and
    // control characters) replaced by '_'. When the result is empty, "." or "..", the same
    // is done with `fallback` (the folder's own name); should that fail too, "_".
    static QString of(const QString& wanted, const QString& fallback);

    // `text` with the forbidden characters replaced, nothing else changed.
    static QString replaceForbidden(const QString& text);
};
