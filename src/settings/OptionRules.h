#pragma once

#include <QString>

// Which options of a settings window may be used, worked out from the files the project
// holds, the user's check marks and the size text. Pure, so every rule can be tested on its
// own; the window only reads its controls into Inputs and writes States back.
class OptionRules {
public:
    struct Inputs {
        // NAME.gpx exists in the folder.
        bool gpxFound = false;
        // Its document was loaded and read; false when the scan failed on it.
        bool gpxUsable = false;
        // NAME.prc exists in the folder.
        bool prcFound = false;
        bool splitChecked = false;
        bool renamePrcChecked = false;
        // Current states of the two boxes that some cases leave as they are.
        bool deleteSourceEnabled = false;
        bool renamePrcEnabled = false;
        // The text of the maximum size field.
        QString sizeText;
    };

    struct States {
        bool splitEnabled = false;
        bool sizeEnabled = false;
        bool renameGpxEnabled = false;
        bool deleteSourceEnabled = false;
        bool renamePrcEnabled = false;
        bool processEnabled = false;
        bool saveLogEnabled = false;
        // The size field is to take the keyboard focus.
        bool focusSize = false;

        bool operator==(const States&) const = default;
    };

    // The smallest part size in kilobytes that a run accepts.
    static constexpr double kMinimumSizeKB = 50;

    static States evaluate(const Inputs& in);
};
