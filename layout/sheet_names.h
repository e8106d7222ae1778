#pragma once

#include <QString>

namespace tessellon {

// How the sheets of a poster are named for assembly: the row by letter from the top, the
// column by number from the left (A1 top left, A2 to its right, B1 below it; up to Y25).
class SheetNames {
public:
    // Row and column count from 0.
    static QString Name(int row, int column);
    // The sheet and the poster's layout, columns by rows: "B3 of 5 × 4".
    static QString NameInLayout(int row, int column, int tilesWide, int tilesHigh);
};

} // namespace tessellon
