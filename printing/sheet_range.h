#pragma once

#include "common/result.h"

#include <QString>

#include <vector>

namespace tessellon {

// A choice of sheets to print, written as the sheets are labelled or numbered: "B2", "4-6"
// (also with an en dash), "A1-A3, C2". Numbers count the sheets in tile order from 1; a range of
// names runs in tile order too (row by row). Empty text means every sheet.
class SheetRange {
public:
    // The sheets as tile indices (from 0), ascending, each once; empty for every sheet.
    static Result<std::vector<int>> Parse(const QString& text, int tilesWide, int tilesHigh);
    // The sheets by name, runs joined with an en dash: "A1–A3, B2".
    static QString Names(const std::vector<int>& sheets, int tilesWide);
};

} // namespace tessellon
