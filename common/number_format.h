#pragma once

#include <QString>

#include <optional>

namespace tessellon {

// The system's decimal separator, as every label shows it.
QString SystemDecimalPoint();

// Formats a number with a pattern of '#' (optional) and '0' (required) digits, e.g. "#####0.00":
// at least as many integer digits as '0's before the point, exactly as many decimals as '0's
// after it, rounded, no thousands separator. Leading '#' never produce blanks.
QString FormatNumber(double value, const QString& pattern,
                     const QString& decimalPoint = SystemDecimalPoint());

// The plain conversion of a double to text ("0.75", "50") with the given decimal separator.
QString NumberToText(double value, const QString& decimalPoint = SystemDecimalPoint());

// Parses text the way the user's locale writes numbers; also accepts '.' as separator.
std::optional<double> ParseNumber(const QString& text);

} // namespace tessellon
