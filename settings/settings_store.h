#pragma once

#include <QString>
#include <QVariant>

#include <cstdint>
#include <variant>

namespace tessellon {

// The preference values the program keeps between runs. No other value is read or written.
enum class PrefValue {
    AppDir,            // app_dir: folder of the help and edge profile files (read only)
    LastFolder,        // last_folder
    NumTiles,          // prefs_numTiles, e.g. w05h03
    EdgeAdjust,        // prefs_edgeAdjust, e.g. 1_02
    ShowTiles,         // prefs_showTiles, 0 or 1
    HeightEqualsWidth, // prefs_heightEqualsWidth, 0 or 1
    Overlap,           // prefs_overlap, ten-thousandths of an inch
    PaperRegLine,      // paperRegLine
    MarginLocked,      // cmbMarginLocked, 0 or 1
    // Kept beside the values above, each under a key of its own:
    RotateTiles,      // prefs_rotateTiles: "Rotate" (the sheets turned), 0 or 1
    OutputType,       // prefs_outputType: the save window's last file type, jpg, tif, bmp or pdf
    AidLabels,        // prefs_aidLabels: the save window's assembly aids, 0 or 1 each
    AidMarks,         // prefs_aidMarks
    AidOverviewPage,  // prefs_aidOverviewPage
    AidOverviewImage, // prefs_aidOverviewImage
    Language,         // prefs_language: the windows' language ("de", "pt_BR"), "" for the system's
};

// The stored name of a value.
QString PrefValueName(PrefValue value);

// What a value holds in the store: a 32-bit integer or a text.
using StoredPref = std::variant<std::int32_t, QString>;

// Named preference values with a fixed type rule: data that reads as a number under the
// user's locale is kept as a 32-bit integer, anything else as text. Failures are never
// reported; a value that cannot be read reads as "", so the caller's default applies.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The value as text: an integer as its decimal digits, a text up to its first NUL; ""
    // when the value is missing, unreadable or of another type.
    QString GetPref(PrefValue value) const;
    // Writes one value by the type rule and returns 1; a failed write leaves the old value.
    int SavePref(PrefValue value, const QVariant& data);

    // How `data` is stored: a number (taken as text under the user's locale) rounded to the
    // nearest 32-bit integer, halves to even; otherwise the text without leading and
    // trailing blanks.
    static StoredPref ToStoredPref(const QVariant& data);
    // The text GetPref gives for a raw stored value.
    static QString StoredToText(const QVariant& raw);

protected:
    // Raw access by value name. Read gives an invalid QVariant for a missing value.
    virtual QVariant ReadValue(const QString& name) const = 0;
    virtual void WriteValue(const QString& name, const StoredPref& data) = 0;
};

} // namespace tessellon
