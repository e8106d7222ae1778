#pragma once

#include "calibration/profile_table.h"

#include <array>
#include <optional>

namespace tessellon {

// The inches the printer clips off edge iEdge (1..4) of profile `current` of the table.
// Empty when there is no such profile or edge.
std::optional<double> GetCurEdgeTrimInches(const ProfileTable& table, qsizetype current, int iEdge);

// All four trims, indices 0..3 = top, right, bottom, left. Writes nothing when the profile is
// missing and returns false then.
bool FillCurEdgeTrimInches(const ProfileTable& table, qsizetype current,
                           std::array<double, 4>& dEdgeInches);

} // namespace tessellon
