#pragma once

#include "common/result.h"
#include "imaging/image_object.h"
#include "imaging/pixel_array.h"

#include <QColor>
#include <QSize>
#include <QString>

namespace tessellon {

// The edge calibration test target: an image of the tile print size at 128 pixels per inch
// with four coloured frames, 1/16 inch each, round its border and "Edge Test Print" in the
// middle. Printed and inspected, it shows how much the printer clips off each edge.
class EdgeTestTarget {
public:
    static constexpr int kDpi = 128;
    static constexpr int kStripePixels = 8;
    static constexpr int kFrames = 4;

    // Builds the target for a print of H by W inches (height first), with 128 dpi stored; on
    // failure the result says why.
    static Result<ImageObject> CreateEdgeTestImage(double H, double W);

    // Paints the four frames into the array (the rest stays as it is).
    static Result<> DrawEdgeStripes(PixelArray& pixels);

    // Draws the caption into the image, sized to the first font size whose text exceeds
    // fraction x the image's width or height, centred. On failure the result carries
    // "Error adding text to edge test print - " and the reason.
    static Result<> DrawCenteredCaption(ImageObject& image, double fraction = 0.5);

    struct CaptionLayout {
        int fontSize = 0;
        QSize extent; // measured pixel extent of the caption at that size
        int x = 0;    // top-left corner
        int y = 0;
    };
    // Where and how large DrawCenteredCaption draws the caption in an image of that size.
    static Result<CaptionLayout> CaptionPlacement(int imageWidth, int imageHeight,
                                                  double fraction = 0.5);

    // Colour of frame 1 (outermost) .. 4, and white for anything else (the interior).
    static QColor FrameColour(int frame);
    // Colour of the pixel at (x, y) of a w x h target, caption aside.
    static QColor StripeColourAt(int x, int y, int w, int h);
    // Pixel size of a print of `inches` at 128 dpi, rounded halves to even; 0 when invalid.
    static int PixelsFor(double inches);
};

} // namespace tessellon
