#pragma once

#include <QString>

#include <array>

namespace tessellon {

// Margins in the order of the four margin boxes: top, right, bottom, left (clockwise).
inline constexpr int kMarginTop = 0;
inline constexpr int kMarginRight = 1;
inline constexpr int kMarginBottom = 2;
inline constexpr int kMarginLeft = 3;
inline constexpr int kMarginCount = 4;
using MarginValues = std::array<double, kMarginCount>;

// A sheet size, width then height, in the unit of its list.
struct PaperSize {
    double width = 0;
    double height = 0;
};

// One entry of a paper list. Lengths are in the unit of the list the entry belongs to.
struct PaperPreset {
    QString sName;
    double dWidth = 0;
    double dHeight = 0;
    double dDefTop = 0;
    double dDefRight = 0;
    double dDefBottom = 0;
    double dDefLeft = 0;
    double dTop = 0;
    double dRight = 0;
    double dBottom = 0;
    double dLeft = 0;

    // The usable area of the sheet: what is printed of one tile.
    double TileWidth() const { return dWidth - dRight - dLeft; }
    double TileHeight() const { return dHeight - dTop - dBottom; }

    MarginValues DefaultMargins() const { return {dDefTop, dDefRight, dDefBottom, dDefLeft}; }
    MarginValues CurrentMargins() const { return {dTop, dRight, dBottom, dLeft}; }
    void SetCurrentMargins(const MarginValues& m) {
        dTop = m[kMarginTop];
        dRight = m[kMarginRight];
        dBottom = m[kMarginBottom];
        dLeft = m[kMarginLeft];
    }
};

} // namespace tessellon
