#pragma once

#include "imaging/image_object.h"
#include "print/overview_picture_source.h"
#include "print/poster_overview.h"

namespace tessellon {

// A picture of the whole poster to keep beside its tile files: the part of the image the poster
// shows, kLongSide pixels on its longer side, with every sheet's edges (dark on a light line),
// the strips neighbouring sheets share lightened, and each sheet's name on a light box.
class OverviewImage {
public:
    static constexpr int kLongSide = 1600;

    // A null image object when the poster's window is not inside `img`. The names are left out
    // where no text can be drawn (without the graphical application).
    static ImageObject Render(const PosterOverview& overview, const ImageObject& img);
    // The same from the poster picture `pictures` gives, meant in its colour profile.
    static ImageObject Render(const PosterOverview& overview,
                              const OverviewPictureSource& pictures);
};

} // namespace tessellon
