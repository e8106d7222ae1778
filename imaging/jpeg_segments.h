#pragma once

#include <QByteArray>

namespace tessellon {

// What a JPEG's header segments say beyond the picture itself: the orientation (EXIF), the
// embedded colour profile (ICC, possibly split over several segments) and Adobe's marker. Read
// up to the first scan; whoever reads the same header gets the same answers.
struct JpegSegments {
    int orientation = 1;
    QByteArray icc;
    bool adobe = false; // Adobe's marker: CMYK values are stored inverted

    // The segments of the JPEG file whose bytes start `b` (at least up to its first scan).
    static JpegSegments Read(const QByteArray& b);
};

} // namespace tessellon
