#pragma once

namespace tessellon {

// Verdict of a tile print size check with the sizes as far as the check wrote them; use dW and
// dH only when ok (then they are in inches).
struct TileSizeResult {
    bool ok = false;
    double dW = 0;
    double dH = 0;
};

} // namespace tessellon
