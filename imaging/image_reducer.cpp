#include "imaging/image_reducer.h"

#include <algorithm>
#include <vector>

namespace tessellon {

QImage ImageReducer::BoxReduced(const QImage& source, const QRect& rect, int factor) {
    QImage out(rect.width() / factor, rect.height() / factor, QImage::Format_RGB888);
    std::vector<quint32> sums(static_cast<size_t>(out.width()) * 3);
    const quint32 area = static_cast<quint32>(factor * factor);
    for (int y = 0; y < out.height(); ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int dy = 0; dy < factor; ++dy) {
            const uchar* row = source.constScanLine(rect.top() + y * factor + dy) + rect.left() * 3;
            quint32* sum = sums.data();
            for (int x = 0; x < out.width(); ++x, sum += 3)
                for (int dx = 0; dx < factor; ++dx, row += 3) {
                    sum[0] += row[0];
                    sum[1] += row[1];
                    sum[2] += row[2];
                }
        }
        uchar* dst = out.scanLine(y);
        for (size_t i = 0; i < sums.size(); ++i)
            dst[i] = static_cast<uchar>((sums[i] + area / 2) / area);
    }
    return out;
}

QImage ImageReducer::Fitted(const QImage& source, const QRect& rect, QSize size) {
    const QRect inside = rect & source.rect();
    if (inside.isEmpty() || size.isEmpty())
        return {};
    // At least twice the final size is kept for the smooth scaling to finish from.
    const int factor =
        source.format() == QImage::Format_RGB888
            ? std::max(1,
                       std::min(inside.width() / size.width(), inside.height() / size.height()) / 2)
            : 1;
    const QImage part =
        factor > 1 ? BoxReduced(source, inside, factor)
        : inside == source.rect()
            ? source
            // The part read in place: no copy of the photo.
            : QImage(source.constBits() + inside.top() * source.bytesPerLine() +
                         inside.left() * source.depth() / 8,
                     inside.width(), inside.height(), source.bytesPerLine(), source.format());
    return part.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB888);
}

} // namespace tessellon
