#pragma once

#include "imaging/image_object.h"
#include "layout/poster_geometry.h"

#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

namespace tessellon {

class PosterState;

// What an overview of the poster shows, taken from the poster: the part of the image the poster
// shows, where the sheets lie in it, and the texts that say how to put the sheets together.
struct PosterOverview {
    Q_DECLARE_TR_FUNCTIONS(PosterOverview)

public:
    PosterGeometryInput geometry;
    QRect window; // the poster's crop window in source pixels
    QString heading;
    QStringList facts; // final size, paper, sheets, overlap, photo shown
    QStringList steps; // how to trim and join the sheets, in order

    // Empty when the poster has no valid tile table. `marks`: the sheets carry cut and glue
    // marks or crop marks; `margins`: the sheets have margins around the picture.
    static std::optional<PosterOverview> For(const PosterState& poster, bool marks, bool margins);

    // How Picture makes the picture from a photo of `image` pixels: the part of the window
    // inside the photo, averaged in blocks of factor x factor pixels (1: not at all), then
    // scaled smoothly to `size`. Empty when the window is not inside the photo.
    struct PictureSteps {
        QRect inside;
        int factor = 1;
        QSize size;
    };
    std::optional<PictureSteps> StepsFor(QSize image, int longSide) const;
    // The last step: the reduced part scaled to `size`.
    static QImage Finished(const QImage& reduced, QSize size);

    // The window of `img` scaled so that its longer side is `longSide` pixels; null when the
    // window is not inside the image.
    QImage Picture(const ImageObject& img, int longSide) const;
};

} // namespace tessellon
