#pragma once

#include "common/units.h"

#include <QString>

#include <array>

namespace tessellon {

// The paper the user chose, as one value: what the paper window hands on when it is accepted,
// what the stored preferences restore, and where the sheets take their margins from.
struct PaperChoice {
    QString name; // the preset's name
    UnitCode units = kUnitInches;
    double paperWidth = 0; // in `units`
    double paperHeight = 0;
    std::array<double, 4> margins{}; // top, right, bottom, left, in `units`
    bool marginsLocked = false;      // the four margins move together
    double overlap = 0;              // inches, whatever the unit
    QString prefLine;                // the paper preference line that stores this choice

    // What is printed of one tile: the paper less its margins (the same operations as the
    // paper list's, so that the sizes agree to the last bit).
    double TileWidth() const { return paperWidth - margins[1] - margins[3]; }
    double TileHeight() const { return paperHeight - margins[0] - margins[2]; }
    bool Borderless() const { return margins == std::array<double, 4>{}; }
};

} // namespace tessellon
