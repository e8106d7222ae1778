#pragma once

#include <QString>

#include <optional>

namespace tessellon {

// Unit code shared by the poster state and the paper model: 0 inches, anything else millimetres.
using UnitCode = short;
inline constexpr UnitCode kUnitInches = 0;
inline constexpr UnitCode kUnitMillimeters = 1;

inline constexpr double kMmPerInch = 25.4;
inline constexpr double kCmPerInch = 2.54;

inline bool IsMillimeters(UnitCode units) {
    return units != 0;
}

// A length in the given unit, converted to inches.
double ToInches(double value, UnitCode units);

// The units a length may be written in.
enum class LengthUnit { Inch, Millimetre, Centimetre, Metre };

// The unit of a poster's lengths: inches or millimetres.
LengthUnit LengthUnitOf(UnitCode units);
// "inches", "millimetres", "centimetres", "metres".
QString LengthUnitName(LengthUnit unit);
// A length as written: a number with a unit, "120cm", "1.2 m", "1200mm", "47in", "47inch",
// "47\"" (any letter case), or a bare number, which is in `bare`. Gives its value in `target`
// (unchanged when the units are the same); empty when the text is no such length.
std::optional<double> ParseLength(const QString& text, LengthUnit bare, LengthUnit target);
// What ParseLength takes, for a message: "a length such as 120cm, 1.2m, 1200mm or 47in; a bare
// number is in millimetres".
QString LengthFormatHint(LengthUnit bare);

} // namespace tessellon
