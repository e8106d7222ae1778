#pragma once

#include "calibration/profile_table.h"
#include "common/units.h"
#include "layout/output_labels.h"
#include "layout/paper_choice.h"
#include "layout/paper_labels.h"
#include "layout/poster_arrangement.h"
#include "layout/poster_geometry.h"
#include "layout/tile_coord_table.h"
#include "layout/tile_size_result.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace tessellon {

class MessageService;

// The poster the user is building: image size, tile grid, tile print size and paper, rotation,
// zoom and centring, and the edge compensation choice. The main window owns one and binds its
// controls to it; everything here is computed without any widget.
class PosterState {
public:
    static constexpr int kMaxTiles = 25;
    static constexpr int kMaxZoom = 400;

    PosterState();

    // --- State (names as the rest of the program knows them) ---
    QString sCurDrive;
    bool bImgSelected = false;
    std::int32_t lImgWidth = 0;
    std::int32_t lImgHeight = 0;
    bool bTileRotated = false;
    bool bSkipSettingWrite = false;
    bool bSkipOutputUpdate = false;
    UnitCode iCurUnits = kUnitInches;
    short iHorzCenter = 100;
    short iVertCenter = 100;
    short iRotateAngle = 0;
    double dTileWidth = 6;
    double dTileHeight = 4;
    double dPaperWidth = 6;
    double dPaperHeight = 4;
    QString sPaperName;
    QString sPaperRegLine;
    short iWhMarginLocked = 0;
    bool bApplyingPrefs = false;
    // Strip that neighbouring sheets share, in inches whatever the unit; 0 butts them.
    double dOverlap = 0;

    // Values the window keeps in controls.
    int TilesWideIndex() const { return tilesWideIndex_; }
    int TilesHighIndex() const { return tilesHighIndex_; }
    short GetNumTilesWide() const { return static_cast<short>(tilesWideIndex_ + 1); }
    short GetNumTilesHigh() const { return static_cast<short>(tilesHighIndex_ + 1); }
    bool LockWh() const { return lockWh_; }
    int Zoom() const { return zoom_; }
    void SetZoom(int zoom);
    bool ShowTiles() const { return showTiles_; }
    void SetShowTiles(bool on) { showTiles_ = on; }
    bool PrinterClips() const { return printerClips_; }
    void SetPrinterClips(bool on) { printerClips_ = on; }

    // The profile table the edge trims come from, and the selected profile.
    void SetProfileTable(const ProfileTable* table) { profiles_ = table; }
    const ProfileTable* Profiles() const { return profiles_; }
    qsizetype CurrentProfile() const { return currentProfile_; }
    void SetCurrentProfile(qsizetype index) { currentProfile_ = index; }

    // Tile-count list selection (index 0..24). Returns true when the list's handler runs its
    // recomputation; while preferences are applied only the list changes and the lock is not
    // applied. With the lock on, the other list follows.
    bool SelectTilesWide(int index);
    bool SelectTilesHigh(int index);
    // Ticking the lock makes the height follow the width; unticking changes no count.
    void SetLockWh(bool locked);

    // The paper dialog's accepted values; stores them and returns 1. The caller refreshes.
    short setNewTileVals(const QString& sNewCurPaperName, UnitCode iNewCurUnits,
                         double dNewCurTileWidth, double dNewCurTileHeight,
                         double dNewCurPaperWidth, double dNewCurPaperHeight,
                         const QString& sNewPaperRegLine);
    void setWhMarginLockedVal(short iNewVal) { iWhMarginLocked = iNewVal; }
    // The paper window's accepted choice: the margin lock, then setNewTileVals, the overlap
    // and the margins. The caller refreshes.
    void ApplyPaper(const PaperChoice& paper);
    // The stored paper at start-up: sizes, unit, name and margins; the stored preference line,
    // the lock and the overlap are restored on their own.
    void RestorePaper(const PaperChoice& paper);
    // The paper last accepted or restored; empty when the sizes were set otherwise.
    const std::optional<PaperChoice>& Paper() const { return paper_; }
    QString getPaperRegLine() const { return sPaperRegLine; }
    UnitCode getCurUnits() const { return iCurUnits; }

    double ToInches(double value) const;

    // --- Tile print size rules ---
    static double getConstMinTileSize() { return 0.75; }
    static double getConstMaxTileSize() { return 50; }
    static QString GetTileMin();
    static QString GetTileMax();
    TileSizeResult CheckTileSizes() const;
    TileSizeResult CheckTileSizesNoTrim() const;
    bool bTileSizesOk() const { return CheckTileSizes().ok; }
    // Asks `messages` to show the warning when the check fails.
    bool bTileSizesOk(MessageService& messages) const;
    QString InvalidTileSizeText() const;
    static QString InvalidTileSizeTitle();
    void ShowInvalidTileSizeMsg(MessageService& messages) const;

    // Trim of one edge (1..4) of the current profile in inches.
    std::optional<double> GetCurEdgeTrimInches(int iEdge) const;
    // What "Adjust edges" takes off the printed tile's edges in inches: top, right, bottom,
    // left. Empty when it is off or the profile cannot be read.
    std::optional<std::array<double, 4>> AdjustEdgeTrims() const;

    // --- Tile coordinates ---
    // The geometry's inputs; empty when the tile print size is invalid.
    std::optional<PosterGeometryInput> GeometryInput() const;
    // The same with the tile print size of sheets that are not turned, whatever "Rotate" says:
    // the base from which the sheet arrangements are worked out.
    std::optional<PosterGeometryInput> UprightGeometryInput() const;
    // The tile counts and the turn as they are now.
    Arrangement CurrentArrangement() const;
    TileCoordTable CalcTileCoord() const;
    double GetFinalImgWhRatio() const;

    // --- Labels ---
    PaperLabels UpdatePaperLabels() const;
    // The "Final Poster Size" texts; empty when the labels are to stay as they are.
    std::optional<OutputLabels> UpdateOutputSize() const;
    bool OutputButtonsEnabled() const;
    // How much of the photo the poster keeps, as the "Photo shown" label says it; "---" without
    // an image, empty when the label is to stay as it is (as the output metrics).
    std::optional<QString> UpdatePhotoShare() const;
    // "42 % of the width, 100 % of the height".
    static QString PhotoShareText(const PhotoShare& share);
    // A printed size as the size label writes it: "24.00 x 20.00 inches", in millimetres
    // "61.0 x 50.8 cm".
    static QString FinalSizeText(double widthInches, double heightInches, UnitCode units);
    // One length the same way: "24.00 inches", "61.0 cm".
    static QString LengthText(double inches, UnitCode units);

private:
    // Selects `index` in one list (`chosen`); with the lock on, `other` follows.
    bool SelectTileCount(int index, int& chosen, int& other);

    int tilesWideIndex_ = 1;
    int tilesHighIndex_ = 1;
    bool lockWh_ = false;
    int zoom_ = 0;
    bool showTiles_ = true;
    bool printerClips_ = false;
    const ProfileTable* profiles_ = nullptr;
    std::optional<PaperChoice> paper_;
    qsizetype currentProfile_ = 0;
};

} // namespace tessellon
