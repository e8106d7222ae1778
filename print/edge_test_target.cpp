#include "print/edge_test_target.h"

#include "print/edge_test_target_texts.h"

#include "common/rounding.h"
#include "common/string_table.h"

#include <algorithm>
#include <cstring>

namespace tessellon {

QColor EdgeTestTarget::FrameColour(int frame) {
    switch (frame) {
    case 1:
        return QColor(180, 120, 0);
    case 2:
        return QColor(0, 0, 255);
    case 3:
        return QColor(0, 255, 0);
    case 4:
        return QColor(255, 0, 0);
    default:
        return QColor(255, 255, 255);
    }
}

QColor EdgeTestTarget::StripeColourAt(int x, int y, int w, int h) {
    const int d = std::min({x, y, w - 1 - x, h - 1 - y});
    return FrameColour(d < kFrames * kStripePixels ? d / kStripePixels + 1 : 0);
}

int EdgeTestTarget::PixelsFor(double inches) {
    const auto px = Nearest(inches * kDpi);
    return px && *px > 0 ? *px : 0;
}

Result<> EdgeTestTarget::DrawEdgeStripes(PixelArray& pixels) {
    if (pixels.IsNull())
        return Result<>::Fail(EdgeTestTargetTexts::NoPixels());
    const int w = pixels.Width();
    const int h = pixels.Height();
    std::uint8_t colours[kFrames + 1][3];
    for (int f = 0; f <= kFrames; ++f) {
        const QColor c = FrameColour(f);
        colours[f][0] = static_cast<std::uint8_t>(c.red());
        colours[f][1] = static_cast<std::uint8_t>(c.green());
        colours[f][2] = static_cast<std::uint8_t>(c.blue());
    }
    constexpr int band = kFrames * kStripePixels;
    for (int y = 0; y < h; ++y) {
        std::uint8_t* row = pixels.MutableRow(y);
        const int dy = std::min(y, h - 1 - y);
        for (int x = 0; x < w; ++x) {
            // Columns of the interior keep their pixels unless the row is in a frame.
            if (dy >= band && x == band && w - band > band) {
                x = w - band - 1;
                continue;
            }
            const int d = std::min({dy, x, w - 1 - x});
            if (d >= band)
                continue;
            std::memcpy(row + 3 * x, colours[d / kStripePixels + 1], 3);
        }
    }
    return Result<>::Ok();
}

Result<EdgeTestTarget::CaptionLayout>
EdgeTestTarget::CaptionPlacement(int imageWidth, int imageHeight, double fraction) {
    const QString text = StringTable::Text(str::EdgeTestPrint);
    const int maxW = Nearest(fraction * imageWidth).value_or(0);
    const int maxH = Nearest(fraction * imageHeight).value_or(0);
    CaptionLayout layout;
    layout.fontSize = 201;
    for (int s = 6; s <= 200; ++s) {
        const auto extent = ImageObject::MeasureText(text, s);
        if (!extent)
            return extent.status();
        layout.extent = *extent;
        if (extent->width() > maxW || extent->height() > maxH) {
            layout.fontSize = s;
            break;
        }
    }
    layout.x = Nearest(imageWidth / 2.0 - layout.extent.width() / 2.0).value_or(0);
    layout.y = Nearest(imageHeight / 2.0 - layout.extent.height() / 2.0).value_or(0);
    return layout;
}

Result<> EdgeTestTarget::DrawCenteredCaption(ImageObject& image, double fraction) {
    const auto layout = CaptionPlacement(image.ImageWidth(), image.ImageHeight(), fraction);
    Result<> drawn = layout.status();
    if (layout)
        drawn = image.DrawText(layout->x, layout->y, StringTable::Text(str::EdgeTestPrint),
                               layout->fontSize, QColor(0, 0, 0), 100);
    if (!drawn)
        return Result<>::Fail(EdgeTestTargetTexts::CaptionFailed(drawn.error()));
    return Result<>::Ok();
}

Result<ImageObject> EdgeTestTarget::CreateEdgeTestImage(double H, double W) {
    ImageObject image;
    const auto fail = [](const QString& why) { return Result<>::Fail(why); };
    const int wp = PixelsFor(W);
    const int hp = PixelsFor(H);
    if (wp < 1 || hp < 1)
        return fail(EdgeTestTargetTexts::InvalidSize());
    if (const auto r = image.CreateBlankImage(wp, hp, QColor(255, 255, 255)); !r)
        return fail(r.error());
    // Take the pixels out of the image so that painting them does not copy them.
    PixelArray pixels = image.ReadPixels();
    image = ImageObject();
    if (const auto r = DrawEdgeStripes(pixels); !r)
        return fail(r.error());
    if (const auto r = image.LoadPixels(pixels); !r)
        return fail(r.error());
    pixels = PixelArray();
    if (const auto r = DrawCenteredCaption(image); !r)
        return fail(r.error());
    (void)image.SetImageInfo(ImageAttribute::HorizontalResolution, kDpi);
    (void)image.SetImageInfo(ImageAttribute::VerticalResolution, kDpi);
    return image;
}

} // namespace tessellon
