#include "layout/preview_renderer.h"

#include "common/rounding.h"

#include <algorithm>
#include <cmath>

namespace tessellon {
namespace {

int NearestOr(double v, int fallback) {
    return Nearest(v).value_or(fallback);
}

// Lines are painted straight into the scan lines: a redraw runs on every arrow tick and every
// pointer move of a drag, so it must stay far below a frame's time.
void VLine(QImage& img, int x, int y0, int y1) {
    if (x < 0 || x >= img.width())
        return;
    y0 = std::max(y0, 0);
    y1 = std::min(y1, img.height() - 1);
    for (int y = y0; y <= y1; ++y)
        reinterpret_cast<std::uint32_t*>(img.scanLine(y))[x] = PreviewRenderer::kGridColour;
}

void HLine(QImage& img, int y, int x0, int x1) {
    if (y < 0 || y >= img.height())
        return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, img.width() - 1);
    auto* line = reinterpret_cast<std::uint32_t*>(img.scanLine(y));
    std::fill(line + x0, line + x1 + 1, PreviewRenderer::kGridColour);
}

// Lightens the pixels x0..x1, y0..y1 (clipped) towards white: a strip two sheets share.
void Shade(QImage& img, int x0, int x1, int y0, int y1) {
    x0 = std::max(x0, 0);
    x1 = std::min(x1, img.width() - 1);
    y0 = std::max(y0, 0);
    y1 = std::min(y1, img.height() - 1);
    for (int y = y0; y <= y1; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = x0; x <= x1; ++x) {
            const QRgb c = line[x];
            const auto lift = [](int v) { return v + (255 - v) * 3 / 10; };
            line[x] = qRgb(lift(qRed(c)), lift(qGreen(c)), lift(qBlue(c)));
        }
    }
}

QImage AsRgb32(const QImage& img) {
    return img.format() == QImage::Format_RGB32 ? img : img.convertToFormat(QImage::Format_RGB32);
}

} // namespace

PreviewCopy PreviewRenderer::BuildPreviewCopy(const QImage& source, std::int32_t lImgWidth,
                                              std::int32_t lImgHeight, QSize picSize) {
    PreviewCopy copy;
    if (source.isNull() || lImgWidth <= 0 || lImgHeight <= 0 || picSize.isEmpty())
        return copy;
    const int picW = picSize.width();
    const int picH = picSize.height();
    int newW, newH;
    if (static_cast<double>(lImgWidth) / lImgHeight <= static_cast<double>(picW) / picH) {
        newW = NearestOr(static_cast<double>(lImgWidth) / lImgHeight * picH, picW);
        newH = picH;
    } else {
        newW = picW;
        newH = NearestOr(static_cast<double>(lImgHeight) / lImgWidth * picW, picH);
    }
    newW = std::max(newW, 1);
    newH = std::max(newH, 1);
    copy.dPreviewScale = static_cast<double>(newW) / lImgWidth;
    copy.image =
        AsRgb32(source.size() == QSize(newW, newH)
                    ? source
                    : source.scaled(newW, newH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return copy;
}

std::optional<TileGridDrawing> PreviewRenderer::DrawTileGrid(const QImage& preview, double scale,
                                                             const TileCoordTable& table,
                                                             int tilesWide, int tilesHigh,
                                                             bool sharedStrips) {
    const int n = table.count;
    if (preview.isNull() || n < 1 || tilesWide < 1 || tilesHigh < 1 ||
        static_cast<int>(table.tiles.size()) < tilesWide * tilesHigh || n != tilesWide * tilesHigh)
        return std::nullopt;
    TileGridDrawing out;
    out.image = AsRgb32(preview);
    out.image.detach();
    const auto s = [scale](std::int32_t v) { return NearestOr(v * scale, 0); };
    const TileRect& first = table.tiles.front();
    const TileRect& last = table.tiles[static_cast<size_t>(n - 1)];
    const int top = s(first.top);
    const int left = s(first.left);
    const int bottom = std::min(s(last.bottom), out.image.height() - 1);
    const int right = std::min(s(last.right), out.image.width() - 1);

    if (sharedStrips) {
        // Each strip runs from the next tile's first column to this tile's last, and gets a
        // line of its own at that far edge.
        for (int col = 0; col + 1 < tilesWide; ++col) {
            const int x0 = s(table.tiles[static_cast<size_t>(col + 1)].left);
            const int x1 = s(table.tiles[static_cast<size_t>(col)].right);
            Shade(out.image, x0 + 1, x1 - 1, top, bottom);
            VLine(out.image, x1, top, bottom);
        }
        for (int row = 0; row + 1 < tilesHigh; ++row) {
            const int y0 = s(table.tiles[static_cast<size_t>((row + 1) * tilesWide)].top);
            const int y1 = s(table.tiles[static_cast<size_t>(row * tilesWide)].bottom);
            Shade(out.image, left, right, y0 + 1, y1 - 1);
            HLine(out.image, y1, left, right);
        }
    }
    for (int col = 0; col <= tilesWide; ++col) {
        const int x = col < tilesWide ? s(table.tiles[static_cast<size_t>(col)].left) : right;
        VLine(out.image, x, top, bottom);
    }
    for (int row = 0; row <= tilesHigh; ++row) {
        const int y =
            row < tilesHigh ? s(table.tiles[static_cast<size_t>(row * tilesWide)].top) : bottom;
        HLine(out.image, y, left, right);
    }
    out.geometry.dPreviewScale = scale;
    out.geometry.iPicWidthPx = out.image.width();
    out.geometry.iPicHeightPx = out.image.height();
    out.geometry.iWinLeft = left;
    out.geometry.iWinTop = top;
    out.geometry.iWinRight = right;
    out.geometry.iWinBottom = bottom;
    return out;
}

namespace {

// The whole crop window, last row and column included; positions are 32-bit, so windows
// wider or taller than 32767 pixels are shown as well. Empty for an invalid table.
QRect CropWindow(const TileCoordTable& table, QSize photoSize) {
    const int n = table.count;
    if (n < 1 || static_cast<int>(table.tiles.size()) < n)
        return {};
    const TileRect& first = table.tiles.front();
    const TileRect& last = table.tiles[static_cast<size_t>(n - 1)];
    return QRect(QPoint(first.left, first.top), QPoint(last.right, last.bottom))
        .intersected(QRect(QPoint(), photoSize));
}

} // namespace

QSize PreviewRenderer::ReducedSizeFor(QSize photoSize, const TileCoordTable& table, QSize picSize) {
    const QRect window = CropWindow(table, photoSize);
    if (window.isEmpty() || picSize.isEmpty())
        return photoSize;
    const double part = std::min(1.0, std::max(double(picSize.width()) / window.width(),
                                               double(picSize.height()) / window.height()));
    return QSize(static_cast<int>(std::ceil(photoSize.width() * part)),
                 static_cast<int>(std::ceil(photoSize.height() * part)));
}

QImage PreviewRenderer::FillPreview(const QImage& img, QSize photoSize, const TileCoordTable& table,
                                    QSize picSize, bool showTiles, int tilesWide, int tilesHigh,
                                    bool sharedStrips) {
    const int n = table.count;
    if (img.isNull() || picSize.isEmpty())
        return {};
    const QRect window = CropWindow(table, photoSize);
    if (window.isEmpty())
        return {};
    const double winW = window.width();
    const double winH = window.height();
    const int pw = picSize.width();
    const int ph = picSize.height();
    int outW, outH;
    if (static_cast<double>(pw) / ph >= winW / winH) {
        outH = ph;
        outW = NearestOr(winW / winH * ph, pw);
    } else {
        outW = pw;
        outH = NearestOr(winH / winW * pw, ph);
    }
    // The same part of a reduced copy, to the nearest of its pixels.
    const double sx = double(img.width()) / photoSize.width();
    const double sy = double(img.height()) / photoSize.height();
    const QRect part = img.size() == photoSize
                           ? window
                           : QRect(QPoint(qRound(window.left() * sx), qRound(window.top() * sy)),
                                   QPoint(qRound((window.right() + 1) * sx) - 1,
                                          qRound((window.bottom() + 1) * sy) - 1))
                                 .intersected(img.rect());
    if (part.isEmpty())
        return {};
    QImage out = AsRgb32(img.copy(part).scaled(std::max(outW, 1), std::max(outH, 1),
                                               Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    if (showTiles && sharedStrips && n == tilesWide * tilesHigh) {
        // Source positions to picture positions; a tile's far edge is where its last pixel ends.
        const auto X = [&](double v) {
            return std::clamp(NearestOr((v - window.left()) * out.width() / winW, 0), 0,
                              out.width() - 1);
        };
        const auto Y = [&](double v) {
            return std::clamp(NearestOr((v - window.top()) * out.height() / winH, 0), 0,
                              out.height() - 1);
        };
        const int W = out.width();
        const int H = out.height();
        for (int col = 0; col + 1 < tilesWide; ++col) {
            const int x0 = X(table.tiles[static_cast<size_t>(col + 1)].left);
            const int x1 = X(table.tiles[static_cast<size_t>(col)].right + 1.0);
            Shade(out, x0 + 1, x1 - 1, 0, H - 1);
            VLine(out, x0, 0, H - 1);
            VLine(out, x1, 0, H - 1);
        }
        for (int row = 0; row + 1 < tilesHigh; ++row) {
            const int y0 = Y(table.tiles[static_cast<size_t>((row + 1) * tilesWide)].top);
            const int y1 = Y(table.tiles[static_cast<size_t>(row * tilesWide)].bottom + 1.0);
            Shade(out, 0, W - 1, y0 + 1, y1 - 1);
            HLine(out, y0, 0, W - 1);
            HLine(out, y1, 0, W - 1);
        }
        VLine(out, 0, 0, H - 1);
        VLine(out, W - 1, 0, H - 1);
        HLine(out, 0, 0, W - 1);
        HLine(out, H - 1, 0, W - 1);
    } else if (showTiles) {
        ShowImageWithGrid(out, tilesWide, tilesHigh);
    }
    return out;
}

void PreviewRenderer::ShowImageWithGrid(QImage& image, int tilesWide, int tilesHigh) {
    if (image.isNull() || tilesWide < 1 || tilesHigh < 1)
        return;
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    const int W = image.width();
    const int H = image.height();
    for (int i = 0; i <= tilesWide; ++i)
        VLine(image, NearestOr(static_cast<double>(i) / tilesWide * (W - 1), 0), 0, H - 1);
    for (int j = 0; j <= tilesHigh; ++j)
        HLine(image, NearestOr(static_cast<double>(j) / tilesHigh * (H - 1), 0), 0, W - 1);
}

std::optional<PreviewWindowLayout> PreviewRenderer::FitToNewSizeForPic(double R, QSize client,
                                                                       QSize button) {
    if (!(R > 0) || !std::isfinite(R))
        return std::nullopt;
    const int btnH = button.height();
    const int gap = static_cast<int>(btnH * 0.25);
    const int hAvail = std::max(50, client.height() - (btnH + 2 * gap));
    QRect pic(0, 0, std::max(client.width(), 1), hAvail);
    PreviewWindowLayout layout;
    layout.buttonTopLeft =
        QPoint(std::max(0, pic.left() + pic.width() / 2 - button.width() / 2), gap + hAvail);
    const double pw = pic.width();
    const double ph = pic.height();
    if (pw / ph < R) {
        const int h = std::max(1, NearestOr(pw / R, pic.height()));
        pic.moveTop(pic.top() + (pic.height() - h) / 2);
        pic.setHeight(h);
    } else {
        const int w = std::max(1, NearestOr(ph * R, pic.width()));
        pic.moveLeft(pic.left() + (pic.width() - w) / 2);
        pic.setWidth(w);
    }
    layout.picture = pic;
    return layout;
}

} // namespace tessellon
