#include "layout/poster_geometry.h"

#include "common/rounding.h"

#include <algorithm>
#include <cmath>

namespace tessellon {

double PosterGeometry::MaxOverlap(double tileWidth, double tileHeight) {
    return std::min(tileWidth, tileHeight) / 2;
}

bool PosterGeometry::IsValid() const {
    return in_.tilesWide > 0 && in_.tilesHigh > 0 && in_.tileWidth > 0 && in_.tileHeight > 0 &&
           in_.overlap >= 0 && in_.overlap <= MaxOverlap(in_.tileWidth, in_.tileHeight);
}

double PosterGeometry::PosterWidth() const {
    return in_.tilesWide * in_.tileWidth - (in_.tilesWide - 1) * in_.overlap;
}

double PosterGeometry::PosterHeight() const {
    return in_.tilesHigh * in_.tileHeight - (in_.tilesHigh - 1) * in_.overlap;
}

double PosterGeometry::Ratio() const {
    return IsValid() ? PosterWidth() / PosterHeight() : 0;
}

std::optional<FittedCrop> PosterGeometry::Crop() const {
    if (!IsValid() || in_.imageWidth <= 0 || in_.imageHeight <= 0)
        return std::nullopt;
    const double R = Ratio();
    const double Ri = static_cast<double>(in_.imageWidth) / in_.imageHeight;
    FittedCrop crop;
    // The image's full width when it is narrower than the poster, else its full height.
    if (Ri < R) {
        crop.width = in_.imageWidth;
        crop.height = in_.imageWidth / R;
    } else {
        crop.height = in_.imageHeight;
        crop.width = R * in_.imageHeight;
    }
    crop.zoomFactor = 1.0 / (1.0 + in_.zoom / 100.0);
    return crop;
}

std::optional<PhotoShare> PosterGeometry::Share() const {
    const auto crop = Crop();
    if (!crop)
        return std::nullopt;
    // Rounded as the tiles' window is.
    const auto W = Nearest(crop->ZoomedWidth());
    const auto H = Nearest(crop->ZoomedHeight());
    if (!W || !H)
        return std::nullopt;
    return PhotoShare{*W, *H, in_.imageWidth, in_.imageHeight};
}

double PosterGeometry::Resolution() const {
    const auto crop = Crop();
    return crop ? crop->ZoomedWidth() / PosterWidth() : 0;
}

QRectF PosterGeometry::Sheet(int row, int column) const {
    return QRectF(column * (in_.tileWidth - in_.overlap), row * (in_.tileHeight - in_.overlap),
                  in_.tileWidth, in_.tileHeight);
}

TileCoordTable PosterGeometry::Tiles() const {
    const int tilesWide = in_.tilesWide;
    const int tilesHigh = in_.tilesHigh;
    TileCoordTable table;
    table.tiles.assign(static_cast<size_t>(std::max(0, tilesWide * tilesHigh)), TileRect{});
    const auto crop = Crop();
    if (!crop)
        return table;
    const double cropW = crop->ZoomedWidth();
    const double cropH = crop->ZoomedHeight();
    const auto W = Nearest(cropW);
    const auto H = Nearest(cropH);
    if (!W || !H)
        return table;
    const auto x0 = Nearest(static_cast<double>(in_.imageWidth - *W) * (in_.horzCenter / 200.0));
    const auto y0 = Nearest(static_cast<double>(in_.imageHeight - *H) * (in_.vertCenter / 200.0));
    if (!x0 || !y0)
        return table;

    // Butted tiles divide the window evenly; overlapping ones advance by the tile size less the
    // shared strip. The butted arithmetic is kept exactly as it has always been computed.
    const bool butted = in_.overlap == 0;
    const double posterW = PosterWidth();
    const double posterH = PosterHeight();
    const auto startX = [&](int col) {
        return butted ? (static_cast<double>(col) / tilesWide) * *W
                      : Sheet(0, col).left() / posterW * *W;
    };
    const auto startY = [&](int row) {
        return butted ? (static_cast<double>(row) / tilesHigh) * *H
                      : Sheet(row, 0).top() / posterH * *H;
    };
    const double extentX =
        butted ? static_cast<double>(*W) / tilesWide : in_.tileWidth / posterW * *W;
    const double extentY =
        butted ? static_cast<double>(*H) / tilesHigh : in_.tileHeight / posterH * *H;

    for (int row = 0; row < tilesHigh; ++row) {
        for (int col = 0; col < tilesWide; ++col) {
            const auto left = Nearest(startX(col));
            const auto top = Nearest(startY(row));
            if (!left || !top)
                return table;
            const double l = static_cast<double>(*left) + *x0;
            const double t = static_cast<double>(*top) + *y0;
            const auto right = Nearest(extentX + l - 1);
            const auto bottom = Nearest(extentY + t - 1);
            if (!right || !bottom)
                return table;
            table.tiles[static_cast<size_t>(row * tilesWide + col)] = TileRect{
                static_cast<std::int32_t>(l), static_cast<std::int32_t>(t), *right, *bottom};
        }
    }
    table.x0 = *x0;
    table.y0 = *y0;
    table.windowWidth = *W;
    table.windowHeight = *H;
    table.count = static_cast<short>(tilesWide * tilesHigh);
    return table;
}

} // namespace tessellon
