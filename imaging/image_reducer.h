#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace tessellon {

// Small copies of large RGB888 pictures (previews, the overview) without the 32-bit copy of the
// whole input that Qt's smooth scaling makes: whole blocks are averaged first, and only a copy
// of about twice the final size is scaled smoothly.
class ImageReducer {
public:
    // The average of each factor x factor block of `rect` in an RGB888 image.
    static QImage BoxReduced(const QImage& source, const QRect& rect, int factor);
    // `rect` of `source` scaled to exactly `size`, in RGB888.
    static QImage Fitted(const QImage& source, const QRect& rect, QSize size);
};

} // namespace tessellon
