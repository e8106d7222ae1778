#pragma once

#include <cstdint>
#include <optional>

namespace tessellon {

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Empty when the value is not a number or does not fit a 32-bit integer.
std::optional<std::int32_t> Nearest(double value);

} // namespace tessellon
