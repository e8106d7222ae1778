#pragma once

#include "common/result.h"
#include "imaging/pixel_array.h"

#include <QByteArray>
#include <QSize>

namespace tessellon {

// A photo handed out in bands of whole rows, top to bottom, so that tiles can be cut from it
// without all its rows decoded at once. Each band starts and ends no higher than the one
// before: a source that decodes as it goes never has to go back.
class RowBandSource {
public:
    // Rows top .. top + pixels.Height() - 1 of the photo, each the photo's full width. A band
    // may hold more rows than were asked for (a whole image is one band).
    struct Band {
        PixelArray pixels;
        int top = 0;
    };

    virtual ~RowBandSource() = default;

    // The photo's size in pixels, upright.
    virtual QSize Size() const = 0;
    // The colour profile the pixels are meant in; empty for none (sRGB).
    virtual QByteArray IccProfile() const = 0;
    // Takes room for bands of up to `rows` rows, before the first band: a failure says that
    // the memory cannot be had.
    virtual Result<> Reserve(int rows) = 0;
    // Rows first .. last (inclusive, inside the photo). The band is valid until the next call.
    virtual Result<Band> Rows(int first, int last) = 0;
    // After the last band: whatever the source still has to read is read and checked.
    virtual Result<> Finish() = 0;
};

} // namespace tessellon
