#include "calibration/edge_trim.h"

namespace tessellon {

std::optional<double> GetCurEdgeTrimInches(const ProfileTable& table, qsizetype current,
                                           int iEdge) {
    if (current < 0 || current >= table.Count() || iEdge < 1 || iEdge > 4)
        return std::nullopt;
    return table.At(current).Clip(iEdge) / 64.0;
}

bool FillCurEdgeTrimInches(const ProfileTable& table, qsizetype current,
                           std::array<double, 4>& dEdgeInches) {
    if (current < 0 || current >= table.Count())
        return false;
    for (int i = 0; i < 4; ++i)
        dEdgeInches[static_cast<size_t>(i)] = table.At(current).clip[static_cast<size_t>(i)] / 64.0;
    return true;
}

} // namespace tessellon
