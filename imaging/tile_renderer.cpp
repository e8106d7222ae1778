#include "imaging/tile_renderer.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace tessellon {
namespace {

constexpr int kC = PixelArray::kChannels;

// For each output position along one axis, the source index along the axis it is taken from.
// `inner` positions of the turned tile follow the margin `before`; positions in the margins
// repeat the first or last inner one. `reversed` walks the tile backwards (for turns).
std::vector<int> AxisMap(int outSize, int before, int inner, bool reversed, int origin,
                         int sourceSize) {
    std::vector<int> map(static_cast<size_t>(outSize));
    for (int i = 0; i < outSize; ++i) {
        int u = std::clamp(i - before, 0, inner - 1);
        if (reversed)
            u = inner - 1 - u;
        map[static_cast<size_t>(i)] = std::clamp(origin + u, 0, sourceSize - 1);
    }
    return map;
}

// Copies one output row whose pixels come from one source row, using block copies where the
// source columns run on one after the other.
void GatherRow(std::uint8_t* dst, const std::uint8_t* srcRow, const std::vector<int>& cols) {
    const size_t n = cols.size();
    size_t x = 0;
    while (x < n) {
        size_t end = x + 1;
        while (end < n && cols[end] == cols[end - 1] + 1)
            ++end;
        if (end - x > 1) {
            std::memcpy(dst + x * kC, srcRow + static_cast<size_t>(cols[x]) * kC, (end - x) * kC);
        } else {
            const std::uint8_t* s = srcRow + static_cast<size_t>(cols[x]) * kC;
            std::uint8_t* d = dst + x * kC;
            d[0] = s[0];
            d[1] = s[1];
            d[2] = s[2];
        }
        x = end;
    }
}

} // namespace

PixelArray TileRenderer::Compose(const PixelArray& source, const TileRect& rect, Turn turn,
                                 Margins margins) {
    const int tileW = rect.Width();
    const int tileH = rect.Height();
    if (source.IsNull() || tileW < 1 || tileH < 1 || margins.top < 0 || margins.right < 0 ||
        margins.bottom < 0 || margins.left < 0)
        return {};
    const bool quarter = turn == Turn::Clockwise || turn == Turn::CounterClockwise;
    const int innerW = quarter ? tileH : tileW;
    const int innerH = quarter ? tileW : tileH;
    const qint64 outW64 = qint64(innerW) + margins.left + margins.right;
    const qint64 outH64 = qint64(innerH) + margins.top + margins.bottom;
    if (outW64 > 0x7fffffff || outH64 > 0x7fffffff)
        return {};
    const int outW = static_cast<int>(outW64);
    const int outH = static_cast<int>(outH64);
    PixelArray out = PixelArray::Uninitialized(outW, outH);
    if (out.IsNull())
        return {};
    const int srcW = source.Width();
    const int srcH = source.Height();

    // Turned tile position (u, v) comes from unturned tile position (a, b):
    //   none: (u, v); clockwise: (v, tileH-1-u); half: (tileW-1-u, tileH-1-v);
    //   counter-clockwise: (tileW-1-v, u).
    std::vector<int> colMap, rowMap;
    switch (turn) {
    case Turn::None:
        colMap = AxisMap(outW, margins.left, innerW, false, rect.left, srcW);
        rowMap = AxisMap(outH, margins.top, innerH, false, rect.top, srcH);
        break;
    case Turn::HalfTurn:
        colMap = AxisMap(outW, margins.left, innerW, true, rect.left, srcW);
        rowMap = AxisMap(outH, margins.top, innerH, true, rect.top, srcH);
        break;
    case Turn::Clockwise:
        // Output column X reads source row colMap[X]; output row Y reads source column rowMap[Y].
        colMap = AxisMap(outW, margins.left, innerW, true, rect.top, srcH);
        rowMap = AxisMap(outH, margins.top, innerH, false, rect.left, srcW);
        break;
    case Turn::CounterClockwise:
        colMap = AxisMap(outW, margins.left, innerW, false, rect.top, srcH);
        rowMap = AxisMap(outH, margins.top, innerH, true, rect.left, srcW);
        break;
    }

    std::uint8_t* outBits = out.MutableBits();
    const qsizetype outBpl = out.BytesPerLine();
    if (!quarter) {
        for (int y = 0; y < outH; ++y) {
            std::uint8_t* dst = outBits + outBpl * y;
            // Rows that repeat the previous one (margins, the row past the image) are copied.
            if (y > 0 && rowMap[static_cast<size_t>(y)] == rowMap[static_cast<size_t>(y) - 1]) {
                std::memcpy(dst, dst - outBpl, static_cast<size_t>(outW) * kC);
                continue;
            }
            GatherRow(dst, source.Row(rowMap[static_cast<size_t>(y)]), colMap);
        }
        return out;
    }

    // Quarter turns read source columns; a band of output rows takes neighbouring source
    // pixels from each source row, so every source row is visited once per band.
    constexpr int kBand = 16;
    for (int y0 = 0; y0 < outH; y0 += kBand) {
        const int rows = std::min(kBand, outH - y0);
        for (int x = 0; x < outW; ++x) {
            const std::uint8_t* srcRow = source.Row(colMap[static_cast<size_t>(x)]);
            for (int k = 0; k < rows; ++k) {
                const std::uint8_t* s =
                    srcRow + static_cast<size_t>(rowMap[static_cast<size_t>(y0 + k)]) * kC;
                std::uint8_t* d = outBits + outBpl * (y0 + k) + static_cast<qsizetype>(x) * kC;
                d[0] = s[0];
                d[1] = s[1];
                d[2] = s[2];
            }
        }
    }
    return out;
}

PixelArray TileRenderer::Turned(const PixelArray& source, Turn turn) {
    if (source.IsNull())
        return {};
    return Compose(source, TileRect{0, 0, source.Width() - 1, source.Height() - 1}, turn);
}

} // namespace tessellon
