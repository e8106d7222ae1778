#include "common/units.h"

namespace tessellon {

double ToInches(double value, UnitCode units) {
    return IsMillimeters(units) ? value / kMmPerInch : value;
}

} // namespace tessellon
