#pragma once

#include <QString>

#include <array>

namespace tessellon {

// Edge numbers of a profile: 1 top, 2 right, 3 bottom, 4 left.
enum EdgeNumber : short { kEdgeTop = 1, kEdgeRight = 2, kEdgeBottom = 3, kEdgeLeft = 4 };

// What a printer clips off each edge, in 1/64 inch (0..16; one test stripe is 4 units).
struct EdgeProfile {
    QString name;
    std::array<int, 4> clip{}; // top, right, bottom, left

    int Clip(int edge) const { return clip.at(static_cast<size_t>(edge - 1)); }
    bool operator==(const EdgeProfile&) const = default;
};

inline constexpr int kMaxClipValue = 16;

} // namespace tessellon
