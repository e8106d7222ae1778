#include "imaging/row_box_reducer.h"

#include <algorithm>
#include <cstring>

namespace tessellon {

namespace {

// Sums a block's rows byte by byte down the columns: a plain loop over memory that cannot
// overlap, which the compiler turns into vector adds (16-bit sums widen in one step).
template <typename Sum>
void AddColumns(Sum* __restrict sums, const std::uint8_t* __restrict row, size_t n, bool first) {
    if (first)
        for (size_t i = 0; i < n; ++i)
            sums[i] = row[i];
    else
        for (size_t i = 0; i < n; ++i)
            sums[i] += row[i];
}

// Writes the block's averages, rounded as (sum + area / 2) / area: its column sums summed
// across, `factor` pixels at a time.
template <typename Sum> void WriteAverages(const Sum* column, int width, int factor, uchar* dst) {
    const quint32 area = static_cast<quint32>(factor) * static_cast<quint32>(factor);
    const size_t step = static_cast<size_t>(factor) * 3;
    // A multiplication instead of a division per value. It is exact while its error stays
    // below half of 1 / area, which holds for blocks up to 127 pixels across (sums under 2^22).
    const bool multiply = factor < 128;
    const double inverse = 1.0 / area, nudge = 0.5 / area;
    for (int x = 0; x < width; ++x, column += step, dst += 3) {
        quint32 sum[3] = {0, 0, 0};
        for (size_t i = 0; i < step; i += 3) {
            sum[0] += column[i];
            sum[1] += column[i + 1];
            sum[2] += column[i + 2];
        }
        for (int c = 0; c < 3; ++c) {
            const quint32 n = sum[c] + area / 2;
            dst[c] =
                static_cast<uchar>(multiply ? static_cast<quint32>(n * inverse + nudge) : n / area);
        }
    }
}

// Up to this many rows of bytes add up within 16 bits.
constexpr int kSmallFactor = 65535 / 255;

} // namespace

RowBoxReducer::RowBoxReducer(const QRect& rect, int factor)
    : rect_(rect), factor_(std::max(1, factor)),
      out_(rect.width() / factor_, rect.height() / factor_, QImage::Format_RGB888),
      next_(rect.top()) {
    const size_t columns = static_cast<size_t>(std::max(0, out_.width())) * factor_ * 3;
    if (factor_ == 1)
        return;
    if (factor_ <= kSmallFactor)
        small_.resize(columns);
    else
        sums_.resize(columns);
}

void RowBoxReducer::AddRow(int y, const std::uint8_t* row) {
    if (out_.isNull() || y != next_ || y > LastRow())
        return;
    ++next_;
    const std::uint8_t* from = row + static_cast<qsizetype>(rect_.left()) * 3;
    const int band = (y - rect_.top()) / factor_;
    if (factor_ == 1) {
        std::memcpy(out_.scanLine(band), from, static_cast<size_t>(out_.width()) * 3);
        return;
    }
    const int dy = (y - rect_.top()) % factor_;
    const bool last = dy + 1 == factor_;
    if (!small_.empty()) {
        AddColumns(small_.data(), from, small_.size(), dy == 0);
        if (last)
            WriteAverages(small_.data(), out_.width(), factor_, out_.scanLine(band));
    } else {
        AddColumns(sums_.data(), from, sums_.size(), dy == 0);
        if (last)
            WriteAverages(sums_.data(), out_.width(), factor_, out_.scanLine(band));
    }
}

} // namespace tessellon
