#include "imaging/row_box_reducer.h"

#include <algorithm>
#include <cstring>

namespace tessellon {

RowBoxReducer::RowBoxReducer(const QRect& rect, int factor)
    : rect_(rect), factor_(std::max(1, factor)),
      out_(rect.width() / factor_, rect.height() / factor_, QImage::Format_RGB888),
      sums_(static_cast<size_t>(std::max(0, out_.width())) * 3), next_(rect.top()) {}

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
    if (dy == 0)
        std::fill(sums_.begin(), sums_.end(), 0);
    quint32* sum = sums_.data();
    for (int x = 0; x < out_.width(); ++x, sum += 3)
        for (int dx = 0; dx < factor_; ++dx, from += 3) {
            sum[0] += from[0];
            sum[1] += from[1];
            sum[2] += from[2];
        }
    if (dy + 1 < factor_)
        return;
    const quint32 area = static_cast<quint32>(factor_ * factor_);
    uchar* dst = out_.scanLine(band);
    for (size_t i = 0; i < sums_.size(); ++i)
        dst[i] = static_cast<uchar>((sums_[i] + area / 2) / area);
}

} // namespace tessellon
