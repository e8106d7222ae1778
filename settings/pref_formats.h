#pragma once

#include <QString>

namespace tessellon {

// Text forms of the grouped preference values. List positions count from 0.

struct NumTilesPref {
    int wide = 1;
    int high = 1;
    bool operator==(const NumTilesPref&) const = default;
};

struct EdgeAdjustPref {
    bool printerClips = false;
    int profile = 0;
    bool operator==(const EdgeAdjustPref&) const = default;
};

// A list position as decimal text, with a "0" in front when it has a single character.
QString TwoDigitPosition(int position);

// "w" + wide + "h" + high, e.g. w05h03.
QString FormatNumTiles(int widePosition, int highPosition);
// Characters 2-3 give the wide position, 5-6 the high position (their whole-number part). A
// position that cannot be read or lies outside 0..itemCount - 1 becomes 1.
NumTilesPref ParseNumTiles(const QString& text, int wideItemCount, int highItemCount);

// The switch (0 or 1), "_", the profile position, e.g. 1_02.
QString FormatEdgeAdjust(bool printerClips, int profilePosition);
// Character 1 gives the switch (1 ticks it, anything else leaves it off); characters 3-4 give
// the profile position, 0 when unreadable or outside 0..profileCount - 1.
EdgeAdjustPref ParseEdgeAdjust(const QString& text, int profileCount);
// Only the profile position of a prefs_edgeAdjust text.
int ParseEdgeAdjustProfile(const QString& text, int profileCount);

// A stored 0/1 switch: the text as a whole number; anything but 1 (missing, not a number,
// 2, ...) counts as 0.
int ParseSwitch(const QString& text);
// A stored switch whose default may be on: `fallback` when nothing is stored, else as
// ParseSwitch.
bool ParseSwitchOr(const QString& text, bool fallback);

// The overlap in inches as a whole number of ten-thousandths of an inch (the store keeps whole
// numbers only), e.g. 0.5 -> 5000.
int FormatOverlapPref(double inches);
// Back to inches; missing, not a number, negative or beyond 25 inches gives 0.
double ParseOverlapPref(const QString& text);

} // namespace tessellon
