#pragma once

namespace tessellon {

// Where the preview picture shows the poster: preview pixels per image pixel, the size of the
// picture box, and the crop window (inclusive bounds) as the tile grid was last drawn. Placement
// reads it to turn pointer positions into centring.
struct PreviewGeometry {
    double dPreviewScale = 0;
    int iPicWidthPx = 0;
    int iPicHeightPx = 0;
    int iWinLeft = 0;
    int iWinTop = 0;
    int iWinRight = 0;
    int iWinBottom = 0;

    int WindowWidth() const { return iWinRight - iWinLeft + 1; }
    int WindowHeight() const { return iWinBottom - iWinTop + 1; }
    bool operator==(const PreviewGeometry&) const = default;
};

} // namespace tessellon
