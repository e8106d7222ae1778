#pragma once

#include "common/units.h"
#include "layout/poster_state.h"

#include <QString>

namespace tessellon {

// The current paper as the main window takes it over at start-up, in the unit iGetUnits.
struct WhuValues {
    double dGetTileWidth = 0;
    double dGetTileHeight = 0;
    double dGetPaperWidth = 0;
    double dGetPaperHeight = 0;
    UnitCode iGetUnits = kUnitInches;
    QString sGetPaperName;

    // Copies the sizes, unit and name into the poster state; the preference line stays.
    void ApplyTo(PosterState& poster) const {
        poster.dTileWidth = dGetTileWidth;
        poster.dTileHeight = dGetTileHeight;
        poster.dPaperWidth = dGetPaperWidth;
        poster.dPaperHeight = dGetPaperHeight;
        poster.iCurUnits = iGetUnits;
        poster.sPaperName = sGetPaperName;
    }
};

} // namespace tessellon
