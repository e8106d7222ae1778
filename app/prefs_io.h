#pragma once

#include <QString>

#include <functional>

namespace tessellon {

class PosterState;
class SettingsStore;

// Number of items in each tile-count selector.
inline constexpr int kTileSelectorItems = 25;

// Writes prefs_numTiles, paperRegLine, prefs_edgeAdjust, prefs_showTiles,
// prefs_heightEqualsWidth and cmbMarginLocked, in this order, from `state`.
// bSkipSettingWrite is set meanwhile and has its old value again afterwards.
void SavePrefs(SettingsStore& settings, PosterState& state);

// Writes the overlap (prefs_overlap). It is kept apart from the paper line, whose format stays
// as it is, and from the group above; it changes only when the paper dialog hands on values.
void SaveOverlapPref(SettingsStore& settings, const PosterState& state);

// Writes "Rotate" (prefs_rotateTiles), kept apart from the group above like the overlap; it
// changes when the sheets are turned.
void SaveTileTurnPref(SettingsStore& settings, const PosterState& state);

// Reads and applies the six grouped values with bSkipSettingWrite set; every value falls back
// to its default on its own, and bSkipSettingWrite is cleared at the end.
//  1. paperRegLine becomes sPaperRegLine unchanged, then `loadPaperLine` runs with it: the
//     caller loads it into the paper model and stores the paper fields and labels.
//  2. Lock, 3. tile counts (call with bApplyingPrefs set, so the lock does not move them),
//  4. edge switch and profile: `afterEdgeSwitch` runs right after the switch is set, while
//     bSkipOutputUpdate is set (the window sets its check box and the edge dialog's unit
//     wording there, and may load the profile table); the profile position is then checked
//     against the poster's profile table (no table: position 0),
//  5. Show Tiles, 6. margin lock, 7. overlap (anything unusable is 0), 8. "Rotate" (off unless
//  stored as 1).
void LoadPrefs(const SettingsStore& settings, PosterState& state,
               const std::function<void(const QString& paperLine)>& loadPaperLine,
               const std::function<void()>& afterEdgeSwitch = {});

// The number of profiles the poster's table holds, 0 without a table.
int ProfileCount(const PosterState& state);

} // namespace tessellon
