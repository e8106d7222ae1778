#pragma once

#include <QCoreApplication>

#include "common/result.h"
#include "imaging/pixel_array.h"

#include <QByteArray>

#include <cstdint>

namespace tessellon {

// Converts CMYK pixels to sRGB through the colour profile that came with them (Little CMS).
// Without a CMYK profile there is no conversion that prints true, so there is none at all.
class CmykConverter {
    Q_DECLARE_TR_FUNCTIONS(CmykConverter)

public:
    // Whether `icc` is a profile a CMYK image can be converted through.
    static bool IsCmykProfile(const QByteArray& icc);
    // `cmyk` holds width x height pixels of four bytes, rows one after the other. `inverted`:
    // 255 means no ink, as Adobe writes CMYK JPEG files.
    static Result<PixelArray> ToRgb(const std::uint8_t* cmyk, int width, int height,
                                    const QByteArray& icc, bool inverted);
};

} // namespace tessellon
