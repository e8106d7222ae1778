#include "imaging/row_box_reducer.h"

#include <algorithm>

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
template <typename Sum> void WriteAverages(const Sum* column, int width, int factor, QRgb* dst) {
    const quint32 area = static_cast<quint32>(factor) * static_cast<quint32>(factor);
    const size_t step = static_cast<size_t>(factor) * 3;
    // A multiplication instead of a division per value. It is exact while its error stays
    // below half of 1 / area, which holds for blocks up to 127 pixels across (sums under 2^22).
    const bool multiply = factor < 128;
    const double inverse = 1.0 / area, nudge = 0.5 / area;
    for (int x = 0; x < width; ++x, column += step) {
        quint32 sum[3] = {0, 0, 0};
        for (size_t i = 0; i < step; i += 3) {
            sum[0] += column[i];
            sum[1] += column[i + 1];
            sum[2] += column[i + 2];
        }
        int rgb[3];
        for (int c = 0; c < 3; ++c) {
            const quint32 n = sum[c] + area / 2;
            rgb[c] =
                static_cast<int>(multiply ? static_cast<quint32>(n * inverse + nudge) : n / area);
        }
        dst[x] = qRgb(rgb[0], rgb[1], rgb[2]);
    }
}

// Up to this many rows of bytes add up within 16 bits.
constexpr int kSmallFactor = 65535 / 255;

} // namespace

RowBoxReducer::RowBoxReducer(const QRect& rect, int factor)
    : rect_(rect), factor_(std::max(1, factor)),
      out_(rect.width() / factor_, rect.height() / factor_, QImage::Format_RGB32),
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
        auto* dst = reinterpret_cast<QRgb*>(out_.scanLine(band));
        for (int x = 0; x < out_.width(); ++x, from += 3)
            dst[x] = qRgb(from[0], from[1], from[2]);
        return;
    }
    const int dy = (y - rect_.top()) % factor_;
    const bool last = dy + 1 == factor_;
    if (!small_.empty()) {
        AddColumns(small_.data(), from, small_.size(), dy == 0);
        if (last)
            WriteAverages(small_.data(), out_.width(), factor_,
                          reinterpret_cast<QRgb*>(out_.scanLine(band)));
    } else {
        AddColumns(sums_.data(), from, sums_.size(), dy == 0);
        if (last)
            WriteAverages(sums_.data(), out_.width(), factor_,
                          reinterpret_cast<QRgb*>(out_.scanLine(band)));
    }
}

} // namespace tessellon
