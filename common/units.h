#pragma once

#include <QString>

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

} // namespace tessellon
