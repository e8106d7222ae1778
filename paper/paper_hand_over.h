#pragma once

#include "common/units.h"
#include "layout/poster_state.h"
#include "paper/paper_validation.h"

#include <QString>

namespace tessellon {

// What accepting the paper dialog passes to the main window. The values are those of the
// current preset's last valid state, also when `validation` failed.
struct PaperHandOver {
    QString sNewCurPaperName;
    UnitCode iNewCurUnits = kUnitInches;
    double dNewCurTileWidth = 0;
    double dNewCurTileHeight = 0;
    double dNewCurPaperWidth = 0;
    double dNewCurPaperHeight = 0;
    QString sNewPaperRegLine;
    short iWhMarginLocked = 0; // the margin lock, 0 or 1
    double dOverlap = 0;       // inches
    PaperValidation validation;

    // Hands the values to the poster state (setNewTileVals, then the margin lock).
    void ApplyTo(PosterState& poster) const {
        poster.setNewTileVals(sNewCurPaperName, iNewCurUnits, dNewCurTileWidth, dNewCurTileHeight,
                              dNewCurPaperWidth, dNewCurPaperHeight, sNewPaperRegLine);
        poster.setWhMarginLockedVal(iWhMarginLocked);
        poster.dOverlap = dOverlap;
    }
};

} // namespace tessellon
