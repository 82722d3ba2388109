#pragma once

#include <QString>
#include <functional>

// One fact of a folder scan, as the settings window shows it.
struct ScanFact {
    // Which fact, in the order the scan yields them.
    enum class Kind { Location, GpxFile, PrcFile, QueryName, FileDate, CacheCount };

    Kind kind = Kind::Location;
    // The text shown for the fact.
    QString text;
    // Shown in red: a file that was not found.
    bool red = false;
};

// The caption the settings window puts beside a fact ("Location:", "GPX File:", ...).
QString captionOf(ScanFact::Kind kind);

// Receives each fact as soon as the scan has it.
using FactSink = std::function<void(const ScanFact&)>;
