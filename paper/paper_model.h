#pragma once

#include "common/units.h"
#include "layout/paper_choice.h"
#include "paper/paper_preset.h"
#include "paper/paper_validation.h"
#include "paper/paper_view.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tessellon {

class MessageService;
class PosterState;

// The paper presets in inches and millimetres, the current unit and selection, the margins,
// their validation against the tile size limits, and the one-line text form of the paper
// choice. The paper dialog is a window over this model: it shows View(), forwards each user
// action to the matching handler and shows View() again. The model also keeps what the dialog's
// width, height and margin boxes contain, because validation checks what the user sees.
class PaperModel {
    Q_DECLARE_TR_FUNCTIONS(PaperModel)

public:
    static constexpr int iLastInchPreset = 6;
    static constexpr int iLastMmPreset = 7;

    // The state of a freshly loaded dialog: Photo 4" x 6" in inches, no margins.
    PaperModel();

    // --- Presets ---
    const QList<PaperPreset>& Presets(UnitCode units) const;
    // Stored in English, shown in the window's language.
    QStringList PresetNames(UnitCode units) const;
    // A preset's name as the lists and labels show it ("Foto 4\" x 6\"" for "Photo 4\" x 6\"").
    static QString ShownName(const QString& name);
    // The position of the first preset of that unit whose name is exactly `name`.
    std::optional<int> FindPreset(UnitCode units, const QString& name) const;
    // Precondition: 0 <= position <= LastPreset(units).
    const PaperPreset& Preset(UnitCode units, int position) const;
    static int LastPreset(UnitCode units);
    static bool IsCustom(UnitCode units, int position) { return position == LastPreset(units); }

    UnitCode Units() const { return iUnits_; }
    int Selection(UnitCode units) const;
    const PaperPreset& CurrentPreset() const;
    bool CurrentIsCustom() const { return IsCustom(iUnits_, Selection(iUnits_)); }

    // --- Operations the main window and the dialog call ---
    // Back to the default paper state; every edit is lost. The margin lock stays.
    void initPaperSizes();
    // Loads a stored preference line; anything unreadable or out of range gives the default
    // paper state. Callers run initPaperSizes first.
    void setPrefFromRegLine(const QString& sLine);
    // The preference line of the current preset of the current unit.
    QString BuildPaperRegLine() const;
    // The current preset's values with the unit, the margin lock, the overlap (cut down to what
    // this paper takes) and the preference line. It does not validate.
    PaperChoice getWhuValues() const;

    // --- Margin boxes ---
    // The offers of each margin box in that unit: "0.00" to "2.00" or "0.0" to "50.5".
    static QStringList MarginItems(UnitCode units);
    // Every margin box shows its first offer (zero); nothing is validated.
    void FillMarginComboBoxes();

    // --- What the dialog shows ---
    PaperView View() const;
    QString WidthText() const { return width_.text; }
    QString MarginText(int side) const;
    bool IsLocked() const { return locked_; }
    QString SizeWithBordersText() const { return sizeWithBorders_; }
    QString SizeWithoutBordersText() const { return sizeWithoutBorders_; }
    // The result of the most recent validation.
    PaperValidation LastValidation() const { return last_; }
    static QString InvalidValuesTitle();

    // --- Dialog events; each returns the validation it ran ---
    // Typed width / height; ignored unless the current preset is the custom one.
    PaperValidation WidthChanged(const QString& text);
    PaperValidation HeightChanged(const QString& text);
    // Typed or chosen margin text of box `side` (0 top .. 3 left); with the lock on, the
    // partner box gets the same text. Sides outside 0..3 are ignored.
    PaperValidation MarginChanged(int side, const QString& text);
    PaperValidation MarginItemSelected(int side, int item);
    // The lock check box; ticking it makes bottom follow top and right follow left.
    void SetLocked(bool locked);
    void SetBorderless();
    void ResetMargins();
    // Sets the four margins (in the current unit), as if typed; with the lock on, each pair
    // takes the larger of its two values.
    void SetMargins(const MarginValues& margins);
    // A click on the paper list. Moves only when the shown values are valid; otherwise
    // `messages` shows why and the selection stays.
    PaperValidation SelectPaper(int position, MessageService& messages);
    // A unit option click. The unit switches in any case; invalid values of the other unit's
    // preset are reported through `messages`.
    PaperValidation ChangeUnits(UnitCode newUnits, MessageService& messages);

    // Shows the current preset's stored values in the boxes, validates them and refreshes
    // the result labels.
    void ShowCurrentPaper();
    // Checks what the boxes show; when valid, stores it in the current preset and refreshes
    // the result labels. A failure changes nothing.
    PaperValidation ValidatePaperValues();
    void UpdateResultLabels(short code = PaperValidation::kValid);

    // Accepting: validates, reports a failure through `messages`, and returns what the main
    // window takes in every case, the current preset's last valid values (getWhuValues).
    PaperChoice ApplyPaperValues(MessageService& messages);
    // The same without telling anyone (the command line checks the sizes itself).
    PaperChoice ApplyPaperValues();

    // --- Overlap: the strip neighbouring sheets share, kept in inches, typed in the unit ---
    // The accepted overlap in inches, handed over with the paper.
    double Overlap() const { return overlap_; }
    void SetOverlap(double inches);
    // What the overlap box shows: the typed text, or the accepted value in the current unit.
    QString OverlapText() const;
    // Takes a typed overlap; a valid one (0 up to half the shorter side of the current
    // preset's tile print size) becomes the accepted value. Returns whether it was valid.
    bool OverlapChanged(const QString& text);
    bool OverlapValid() const;
    static QString InvalidOverlapText();
    // What "Adjust edges" takes off the tile print width and height, in inches (0 when it is
    // off): the overlap is limited by the tile actually printed.
    void SetTileTrims(double width, double height);

    // Enters a paper choice without the dialog: selects the preset, types the custom size (if
    // the preset is the custom one and a size is given) and the margins (the preset's defaults
    // when none are given), and validates. A position outside the list changes nothing and
    // gives an invalid paper size.
    PaperValidation EnterPaper(UnitCode units, int position,
                               std::optional<PaperSize> customSize = std::nullopt,
                               std::optional<MarginValues> margins = std::nullopt);

private:
    // A box's text. When the model wrote the text itself, `exact` keeps the value it shows, so
    // the rounding of the display never changes a stored length.
    struct Shown {
        QString text;
        std::optional<double> exact;
    };

    void BuildPaperPresets();
    static void AddPaperPreset(QList<PaperPreset>& list, const QString& name, double width,
                               double height, double margin);
    PaperPreset& CurrentPresetRef();
    int& SelectionRef(UnitCode units);
    QString FormatLength(double value) const;
    Shown ShownValue(double value) const;
    static std::optional<double> ReadShown(const Shown& shown);
    PaperValidation ProcessMarginChange(int side, const Shown& value);
    void SyncLockedMargin(int side);

    UnitCode iUnits_ = kUnitInches;
    QList<PaperPreset> inchPresets_;
    QList<PaperPreset> mmPresets_;
    int iInchSel_ = 0;
    int iMmSel_ = 0;

    std::optional<double> TypedOverlapInches(const QString& text) const;
    double OverlapLimit() const; // inches, for the current preset

    double overlap_ = 0;
    double trimWidth_ = 0;
    double trimHeight_ = 0;
    std::optional<QString> typedOverlap_; // in the unit it was typed in
    UnitCode typedOverlapUnits_ = kUnitInches;

    Shown width_;
    Shown height_;
    std::array<Shown, kMarginCount> margins_;
    bool locked_ = false;
    QString sizeWithBorders_;
    QString sizeWithoutBorders_;
    PaperValidation last_;
};

} // namespace tessellon
