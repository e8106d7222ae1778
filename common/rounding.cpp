#include "common/rounding.h"

#include <cfenv>
#include <cmath>

namespace tessellon {

std::optional<std::int32_t> Nearest(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    // nearbyint follows the current rounding mode, which is round-to-nearest-even by default;
    // computing it explicitly keeps the result independent of that mode.
    double r = std::floor(value);
    const double frac = value - r;
    if (frac > 0.5 || (frac == 0.5 && std::fmod(r, 2.0) != 0.0))
        r += 1.0;
    if (r < -2147483648.0 || r > 2147483647.0)
        return std::nullopt;
    return static_cast<std::int32_t>(r);
}

} // namespace tessellon
