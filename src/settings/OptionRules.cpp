#include "settings/OptionRules.h"

#include "platform/Val.h"

OptionRules::States OptionRules::evaluate(const Inputs& in) {
    States out;
    // A .gpx file whose document could not be read offers nothing: no split and no rename of
    // the .prc file after a Pocket Query name that was never read.
    const bool gpx = in.gpxFound && in.gpxUsable;
    bool run = false;

    if (gpx) {
        out.splitEnabled = true;
        const bool split = in.splitChecked;
        out.sizeEnabled = split;
        out.renameGpxEnabled = split;
        out.deleteSourceEnabled = split;
        run = split;
    } else {
        // Without a .gpx file the delete box keeps its state: nothing can run without a
        // document anyway. An unreadable .gpx file disables it, so that no window that was
        // reused after a failed scan still offers to delete that file.
        out.deleteSourceEnabled = in.gpxFound ? false : in.deleteSourceEnabled;
    }

    if (!in.prcFound) {
        out.renamePrcEnabled = false;
    } else if (in.renamePrcChecked && gpx) {
        out.renamePrcEnabled = true;
        run = true;
    } else {
        // Left alone, so that a user who cleared the box can check it again.
        out.renamePrcEnabled = in.renamePrcEnabled;
    }

    if (Val(in.sizeText) < kMinimumSizeKB)
        run = false;

    out.processEnabled = run;
    out.saveLogEnabled = run;
    out.focusSize = out.sizeEnabled;
    return out;
}
