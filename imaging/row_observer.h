#pragma once

#include <cstdint>
#include <optional>
#include <utility>

namespace tessellon {

// Takes the rows of a photo as they are decoded, top to bottom, each once: for small copies
// made along the way, so that no second pass over the photo is needed.
class RowObserver {
public:
    virtual ~RowObserver() = default;
    // The first and last row wanted (inclusive); empty for none. Asked before the first row.
    virtual std::optional<std::pair<int, int>> RowsWanted() const = 0;
    // Row y of the photo (full width, three bytes a pixel), every wanted row in order.
    virtual void AddRow(int y, const std::uint8_t* row) = 0;
};

} // namespace tessellon
