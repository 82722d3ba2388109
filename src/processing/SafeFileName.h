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

    // The longest start of `name` whose UTF-8 form takes at most `maxBytes` bytes, cut between
    // whole characters; at least the first character, so that a name never becomes empty.
    static QString shortened(const QString& name, qsizetype maxBytes);

    // The room in UTF-8 bytes for a name that is followed by a suffix of `suffixBytes` bytes,
    // so that the whole file name fits every common file system even while it is written
    // under a temporary name a few characters longer.
    static qsizetype roomBefore(qsizetype suffixBytes);
};
