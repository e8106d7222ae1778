#pragma once

#include <QString>

namespace tessellon {

// The four texts of the "Final Poster Size" frame.
struct OutputLabels {
    QString finalSize;
    QString resolution;
    QString megaPixels;
    QString quality;
    // The values behind them (resolution in pixels per inch); 0 without an image.
    double resolutionPpi = 0;
    double megaPixelCount = 0;
};

} // namespace tessellon
