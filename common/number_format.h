#pragma once

#include <QString>

#include <optional>

namespace tessellon {

// The system's decimal separator, as stored lines and the command line write numbers.
QString SystemDecimalPoint();
// The decimal separator of shown numbers: the window language's (the default locale), which is
// the system's unless the user chose another language.
QString ShownDecimalPoint();

// Formats a number with a pattern of '#' (optional) and '0' (required) digits, e.g. "#####0.00":
// at least as many integer digits as '0's before the point, exactly as many decimals as '0's
// after it, rounded, no thousands separator. Leading '#' never produce blanks.
QString FormatNumber(double value, const QString& pattern,
                     const QString& decimalPoint = ShownDecimalPoint());

// The plain conversion of a double to text ("0.75", "50") with the given decimal separator.
QString NumberToText(double value, const QString& decimalPoint = ShownDecimalPoint());

// Parses text the way the system's locale writes numbers; also accepts '.' as separator.
std::optional<double> ParseNumber(const QString& text);
// Parses what the user typed into a box: as shown numbers are written, then as ParseNumber.
std::optional<double> ParseShownNumber(const QString& text);

} // namespace tessellon
