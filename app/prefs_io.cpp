#include "app/prefs_io.h"

#include "layout/poster_state.h"
#include "settings/pref_formats.h"
#include "settings/settings_store.h"

#include <utility>

namespace tessellon {

int ProfileCount(const PosterState& state) {
    const ProfileTable* table = state.Profiles();
    return table ? static_cast<int>(table->Count()) : 0;
}

void SavePrefs(SettingsStore& settings, PosterState& state) {
    const bool wasSkipping = std::exchange(state.bSkipSettingWrite, true);
    settings.SavePref(PrefValue::NumTiles,
                      FormatNumTiles(state.TilesWideIndex(), state.TilesHighIndex()));
    settings.SavePref(PrefValue::PaperRegLine, state.getPaperRegLine());
    settings.SavePref(
        PrefValue::EdgeAdjust,
        FormatEdgeAdjust(state.PrinterClips(), static_cast<int>(state.CurrentProfile())));
    settings.SavePref(PrefValue::ShowTiles, state.ShowTiles() ? 1 : 0);
    settings.SavePref(PrefValue::HeightEqualsWidth, state.LockWh() ? 1 : 0);
    settings.SavePref(PrefValue::MarginLocked, static_cast<int>(state.iWhMarginLocked));
    state.bSkipSettingWrite = wasSkipping;
}

void SaveOverlapPref(SettingsStore& settings, const PosterState& state) {
    settings.SavePref(PrefValue::Overlap, FormatOverlapPref(state.dOverlap));
}

void SaveTileTurnPref(SettingsStore& settings, const PosterState& state) {
    settings.SavePref(PrefValue::RotateTiles, state.bTileRotated ? 1 : 0);
}

void LoadPrefs(const SettingsStore& settings, PosterState& state,
               const std::function<void(const QString& paperLine)>& loadPaperLine,
               const std::function<void()>& afterEdgeSwitch) {
    state.bSkipSettingWrite = true;

    state.sPaperRegLine = settings.GetPref(PrefValue::PaperRegLine);
    if (loadPaperLine)
        loadPaperLine(state.sPaperRegLine);

    state.SetLockWh(ParseSwitch(settings.GetPref(PrefValue::HeightEqualsWidth)) == 1);

    const NumTilesPref tiles = ParseNumTiles(settings.GetPref(PrefValue::NumTiles),
                                             kTileSelectorItems, kTileSelectorItems);
    state.SelectTilesWide(tiles.wide);
    state.SelectTilesHigh(tiles.high);

    // The profiles may first be loaded by the hook, so their count is taken after it.
    const QString edgeAdjust = settings.GetPref(PrefValue::EdgeAdjust);
    const bool wasSkippingOutput = std::exchange(state.bSkipOutputUpdate, true);
    state.SetPrinterClips(ParseSwitch(edgeAdjust.left(1)) == 1);
    if (afterEdgeSwitch)
        afterEdgeSwitch();
    state.bSkipOutputUpdate = wasSkippingOutput;
    state.SetCurrentProfile(ParseEdgeAdjustProfile(edgeAdjust, ProfileCount(state)));

    state.SetShowTiles(ParseSwitch(settings.GetPref(PrefValue::ShowTiles)) == 1);
    state.iWhMarginLocked =
        static_cast<short>(ParseSwitch(settings.GetPref(PrefValue::MarginLocked)));
    state.dOverlap = ParseOverlapPref(settings.GetPref(PrefValue::Overlap));
    // A strip the stored paper cannot take (its line fell back) would leave no valid poster.
    if (state.GetFinalImgWhRatio() <= 0)
        state.dOverlap = 0;
    state.bTileRotated = ParseSwitch(settings.GetPref(PrefValue::RotateTiles)) == 1;

    state.bSkipSettingWrite = false;
}

} // namespace tessellon
