#pragma once

#include <cstdint>
#include <span>

namespace tessellon {

class PosterState;

// A change of the poster, announced once by whoever made it; the refresh table turns it into
// the recomputations that follow it.
enum class PosterChange : std::uint8_t {
    TileCount,     // either tile-count list, after the lock copied the count across
    Lock,          // "Lock tiles high = tiles wide", after the lock copied the count
    PaperAccepted, // the paper dialog's values (paper, margins, overlap) are stored
    RotateTiles,   // "Rotate": the tiles' print width and height exchanged roles
    ImageRotation, // the image was turned (which rebuilt the preview copy) to the list's angle
    Zoom,
    AdjustEdges,   // "Adjust edges" switched; the profile selector follows it
    EdgeProfile,   // another edge calibration profile selected
    EdgeValues,    // the edge calibration dialog changed the profiles' clip values
    ShowTiles,     // "Show Tiles" switched
    Placement,     // the poster moved over the image (arrow pad or drag)
    PreviewBuilt,  // a new preview copy of the loaded image
    FolderChanged, // another folder chosen: its image is let go
    ImageUnloaded, // no image after an empty selection or a failed load
    ImageChosen,   // a file chosen in the list, loaded or not
};

// One recomputation of the main window.
enum class RefreshStep : std::uint8_t {
    PaperLabels,
    OutputSize,
    // How much of the photo the poster keeps: follows every change of the crop window's size.
    PhotoShare,
    TileGrid,
    PlacementLabels,
    OutputButtons,
    // Tiles shown at a size that cannot be printed: warn and untick "Show Tiles"; the rest of
    // the refresh is left to the unticking.
    CheckShownTiles,
    SavePrefs,
    SaveOverlap,
    // "Rotate" kept for the next run, apart from the grouped preferences.
    SaveTileTurn,
    // The introduction to edge calibration when edges are adjusted with the initial profile.
    EdgeHint,
};

// Guard flags of the poster state: a step marked with one is skipped while the flag is set.
enum RefreshGuard : std::uint8_t {
    kNoGuard = 0,
    kUnlessSkipSettingWrite = 1, // `bSkipSettingWrite`: start-up and preference loading
    kUnlessSkipOutputUpdate = 2, // `bSkipOutputUpdate`: stored preferences set the controls
};

struct RefreshEntry {
    RefreshStep step;
    std::uint8_t guards = kNoGuard;
};

// Which recomputations follow each change, in their order, with the guard flags that suppress
// them while the program itself sets controls. Knows no widget; the main window runs the steps.
class RefreshTable {
public:
    static std::span<const RefreshEntry> Steps(PosterChange change);
    // False while one of the entry's guard flags is set in `state`.
    static bool Runs(const RefreshEntry& entry, const PosterState& state);
};

} // namespace tessellon
