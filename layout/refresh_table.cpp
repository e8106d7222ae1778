#include "layout/refresh_table.h"

#include "layout/poster_state.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace tessellon {
namespace {

constexpr std::size_t kMaxSteps = 8;

struct RefreshRow {
    PosterChange change;
    std::array<RefreshEntry, kMaxSteps> steps{};
    std::size_t count = 0;
};

constexpr RefreshRow Row(PosterChange change, std::initializer_list<RefreshEntry> steps) {
    RefreshRow row{change};
    std::copy(steps.begin(), steps.end(), row.steps.begin());
    row.count = steps.size();
    return row;
}

using enum RefreshStep;
using enum PosterChange;
// Saving waits for the end of start-up; "Adjust edges" recomputes nothing while the stored
// preferences set it.
constexpr std::uint8_t kW = kUnlessSkipSettingWrite;
constexpr std::uint8_t kO = kUnlessSkipOutputUpdate;

// Most changes end in the output metrics, the preview with its grid, the placement labels and
// a preference write; the rows keep the order each change has always had.
constexpr std::array kRows{
    Row(TileCount, {{OutputSize}, {PhotoShare}, {TileGrid}, {SavePrefs, kW}, {PlacementLabels}}),
    Row(Lock, {{SavePrefs, kW}}),
    Row(PaperAccepted, {{PaperLabels},
                        {OutputSize},
                        {PhotoShare},
                        {SaveOverlap, kW},
                        {SavePrefs, kW},
                        {OutputButtons, kW},
                        {TileGrid, kW},
                        {PlacementLabels, kW}}),
    Row(RotateTiles,
        {{TileGrid}, {OutputSize}, {PhotoShare}, {PlacementLabels}, {SaveTileTurn, kW}}),
    // Turning the image rebuilt the preview copy (PreviewBuilt) before the angle was stored.
    Row(ImageRotation, {{OutputSize}, {PhotoShare}}),
    Row(Zoom, {{TileGrid}, {OutputSize}, {PhotoShare}, {PlacementLabels}}),
    Row(AdjustEdges, {{OutputSize, kO},
                      {PhotoShare, kO},
                      {TileGrid, kO},
                      {PlacementLabels, kO},
                      {SavePrefs, kO | kW},
                      {EdgeHint, kO | kW}}),
    Row(EdgeProfile, {{OutputSize}, {PhotoShare}, {TileGrid}, {SavePrefs, kW}}),
    Row(EdgeValues, {{OutputSize}, {PhotoShare}, {TileGrid}, {PlacementLabels}}),
    Row(ShowTiles, {{CheckShownTiles, kW}, {TileGrid, kW}, {SavePrefs, kW}}),
    // Moving the window keeps its size: the photo share stays.
    Row(Placement, {{PlacementLabels}, {TileGrid}}),
    Row(PreviewBuilt, {{TileGrid}, {OutputSize}, {PhotoShare}, {PlacementLabels}, {OutputButtons}}),
    Row(FolderChanged,
        {{TileGrid}, {OutputButtons}, {OutputSize}, {PhotoShare}, {PlacementLabels}}),
    Row(ImageUnloaded, {{OutputSize}, {PhotoShare}, {PlacementLabels}}),
    // The buttons follow the load, also where the output metrics stopped at an invalid size.
    Row(ImageChosen, {{OutputButtons}}),
};

// Every change has its row, at the position of its value.
constexpr bool RowsInOrder() {
    for (std::size_t i = 0; i < kRows.size(); ++i)
        if (static_cast<std::size_t>(kRows[i].change) != i)
            return false;
    return kRows.size() == static_cast<std::size_t>(ImageChosen) + 1;
}
static_assert(RowsInOrder());

} // namespace

std::span<const RefreshEntry> RefreshTable::Steps(PosterChange change) {
    const RefreshRow& row = kRows.at(static_cast<std::size_t>(change));
    return {row.steps.data(), row.count};
}

bool RefreshTable::Runs(const RefreshEntry& entry, const PosterState& state) {
    if ((entry.guards & kUnlessSkipSettingWrite) && state.bSkipSettingWrite)
        return false;
    return !((entry.guards & kUnlessSkipOutputUpdate) && state.bSkipOutputUpdate);
}

} // namespace tessellon
