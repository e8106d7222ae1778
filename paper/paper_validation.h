#pragma once

#include <QString>

namespace tessellon {

// Outcome of checking the paper size and margins the dialog shows.
struct PaperValidation {
    static constexpr short kValid = 1;
    static constexpr short kInvalidPaperSize = -10;
    // Unreadable sizes, bad margins and tile sizes out of range.
    static constexpr short kInvalidMargins = -20;

    short iResult = kValid;
    QString sMsg; // empty when valid

    bool ok() const { return iResult == kValid; }
};

} // namespace tessellon
