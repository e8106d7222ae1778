#include "imaging/image_object.h"

#include "common/font_files.h"
#include "imaging/bmp_codec.h"
#include "imaging/file_output.h"
#include "imaging/format_table.h"
#include "imaging/image_file_reader.h"
#include "imaging/jpeg_codec.h"
#include "imaging/tiff_codec.h"
#include "imaging/tile_renderer.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>

#include <cmath>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>

namespace tessellon {
namespace {

constexpr double kInchesPerMeter = 1 / 0.0254;

int DpiFromDpm(int dpm) {
    return dpm > 0 ? static_cast<int>(std::lround(dpm * 0.0254)) : ImageObject::kDefaultDpi;
}
int DpmFromDpi(int dpi) {
    return static_cast<int>(std::lround(dpi * kInchesPerMeter));
}

// The program's font: DejaVu Sans from the system's font files when present (the fonts the
// platform reports may be none at all without a display), else the platform's default.
QString FontFamily() {
    static const QString family = [] {
        if (const QString path = FontFiles::DejaVuSans(); !path.isEmpty()) {
            const int id = QFontDatabase::addApplicationFont(path);
            const QStringList families =
                id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty())
                return families.first();
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

Result<QFont> ProgramFont(int fontSize) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return Result<>::Fail(QCoreApplication::translate(
            "ImageObject", "Text can only be drawn by the graphical application"));
    if (fontSize < 1)
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "Invalid font size %1").arg(fontSize));
    QFont font(FontFamily());
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(fontSize * 96.0 / 72.0))));
    return font;
}

QSize TextExtent(const QFont& font, const QString& text) {
    return QFontMetrics(font).size(Qt::TextSingleLine, text);
}

} // namespace

ImageObject ImageObject::FromImage(const QImage& image) {
    ImageObject obj;
    obj.pixels_ = PixelArray::FromImage(image);
    if (!obj.pixels_.IsNull()) {
        obj.dpiX_ = DpiFromDpm(image.dotsPerMeterX());
        obj.dpiY_ = DpiFromDpm(image.dotsPerMeterY());
        if (image.colorSpace().isValid())
            obj.icc_ = image.colorSpace().iccProfile();
    }
    return obj;
}

Result<QSize> ImageObject::ReadFileInfo(const QString& path) {
    // As export and the window open it: a photo read in bands needs no room for all its rows.
    const auto file = ImageFileReader::Open(path, ImageFileReader::Extent::HeaderForBands);
    if (!file)
        return file.status();
    return file->Size();
}

Result<> ImageObject::LoadImageFile(const QString& path) {
    auto file = ImageFileReader::Open(path);
    if (!file)
        return file.status();
    auto decoded = file->Decode();
    if (!decoded)
        return decoded.status();
    *this = std::move(decoded).value();
    return Result<>::Ok();
}

Result<> ImageObject::LoadPixels(const PixelArray& pixels) {
    if (pixels.IsNull())
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "The pixel array is empty"));
    pixels_ = pixels;
    return Result<>::Ok();
}

Result<> ImageObject::CreateBlankImage(int width, int height, QColor colour) {
    PixelArray pixels = PixelArray::Uninitialized(width, height);
    if (pixels.IsNull())
        return Result<>::Fail(QCoreApplication::translate(
                                  "ImageObject", "An image of %1 x %2 pixels cannot be created")
                                  .arg(width)
                                  .arg(height));
    const std::uint8_t rgb[3] = {static_cast<std::uint8_t>(colour.red()),
                                 static_cast<std::uint8_t>(colour.green()),
                                 static_cast<std::uint8_t>(colour.blue())};
    std::uint8_t* first = pixels.MutableRow(0);
    for (int x = 0; x < width; ++x)
        std::memcpy(first + 3 * x, rgb, 3);
    for (int y = 1; y < height; ++y)
        std::memcpy(pixels.MutableRow(y), first, static_cast<size_t>(width) * 3);
    pixels_ = std::move(pixels);
    return Result<>::Ok();
}

Result<> ImageObject::Resample(int width, int height) {
    if (IsNull())
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "There is no image to resample"));
    if (width < 1 || height < 1 || !PixelArray::SizeAllowed(width, height))
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "Invalid image size %1 x %2")
                .arg(width)
                .arg(height));
    const QImage scaled =
        pixels_.Image().scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    PixelArray pixels = PixelArray::FromImage(scaled);
    if (pixels.IsNull() || pixels.Width() != width || pixels.Height() != height)
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "Not enough memory to resample the image"));
    pixels_ = std::move(pixels);
    return Result<>::Ok();
}

Result<> ImageObject::Rotate(int degrees) {
    if (IsNull())
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "There is no image to rotate"));
    TileRenderer::Turn turn;
    switch (degrees) {
    case 90:
        turn = TileRenderer::Turn::Clockwise;
        break;
    case 180:
        turn = TileRenderer::Turn::HalfTurn;
        break;
    case 270:
        turn = TileRenderer::Turn::CounterClockwise;
        break;
    default:
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "Invalid rotation angle %1").arg(degrees));
    }
    PixelArray turned = TileRenderer::Turned(pixels_, turn);
    if (turned.IsNull())
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "Not enough memory to rotate the image"));
    pixels_ = std::move(turned);
    if (degrees != 180)
        std::swap(dpiX_, dpiY_);
    return Result<>::Ok();
}

Result<> ImageObject::SetImageInfo(ImageAttribute attribute, int value) {
    if (value < 1)
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "Invalid resolution %1").arg(value));
    switch (attribute) {
    case ImageAttribute::HorizontalResolution:
        dpiX_ = value;
        return Result<>::Ok();
    case ImageAttribute::VerticalResolution:
        dpiY_ = value;
        return Result<>::Ok();
    }
    return Result<>::Fail(QCoreApplication::translate("ImageObject", "Unknown image attribute"));
}

int ImageObject::ImageInfo(ImageAttribute attribute) const {
    return attribute == ImageAttribute::HorizontalResolution ? dpiX_ : dpiY_;
}

QImage ImageObject::GetPicture() const {
    QImage picture = pixels_.Image();
    if (!picture.isNull()) {
        picture.setDotsPerMeterX(DpmFromDpi(dpiX_));
        picture.setDotsPerMeterY(DpmFromDpi(dpiY_));
    }
    return picture;
}

Result<QByteArray> ImageObject::EncodeToMemory(ImageFormat format) const {
    if (IsNull())
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "There is no image to save"));
    const FormatRow& row = FormatTable::Row(format);
    switch (row.writer) {
    case FormatWriter::Jpeg:
        return JpegCodec::Encode(pixels_, {dpiX_, dpiY_}, kJpegQuality, icc_);
    case FormatWriter::QtImage:
        if (format == ImageFormat::Tiff)
            return TiffCodec::EncodeRegion(pixels_, QRect(0, 0, ImageWidth(), ImageHeight()), dpiX_,
                                           dpiY_, icc_);
        if (format == ImageFormat::Bmp)
            return BmpCodec::EncodeRegion(pixels_, QRect(0, 0, ImageWidth(), ImageHeight()), dpiX_,
                                          dpiY_);
        break;
    case FormatWriter::PdfDocument:
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "%1 is not an image file format")
                .arg(row.CliName()));
    }
    const char* qtFormat = row.qtFormat;
    QImage picture = GetPicture();
    // TIFF carries the source's colour profile; BMP has no place for one.
    if (format == ImageFormat::Tiff && !icc_.isEmpty())
        picture.setColorSpace(QColorSpace::fromIccProfile(icc_));
    QByteArray bytes;
    // Uncompressed output: room for the pixels and headers at once, no regrowing.
    bytes.reserve(static_cast<qsizetype>(ImageWidth() * 4 + 4) * ImageHeight() + 4096);
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "Not enough memory for the encoded image"));
    QImageWriter writer(&buffer, qtFormat);
    if (format == ImageFormat::Tiff) {
        // Qt's TIFF writer copies the image in slices of up to 16 MB and never ends when a
        // slice cannot be allocated. A slice that cannot be had just before is reported
        // instead; the test allocation is given back for the writer to use.
        const qsizetype slice = std::min<qsizetype>(picture.sizeInBytes(), qsizetype(16) << 20) +
                                picture.bytesPerLine();
        if (!std::unique_ptr<char[]>(new (std::nothrow) char[static_cast<size_t>(slice)]))
            return Result<>::Fail(QCoreApplication::translate(
                "ImageObject", "Not enough memory for the encoded image"));
    }
    if (!writer.write(picture))
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "The image could not be encoded: %1")
                .arg(writer.errorString()));
    buffer.close();
    return bytes;
}

Result<> ImageObject::SaveImageFile(const QString& path, ImageFormat format) const {
    auto bytes = EncodeToMemory(format);
    if (!bytes)
        return bytes.status();
    return WriteFileReplacing(path, *bytes);
}

Result<QSize> ImageObject::MeasureText(const QString& text, int fontSize) {
    const auto font = ProgramFont(fontSize);
    if (!font)
        return font.status();
    return TextExtent(*font, text);
}

Result<> ImageObject::DrawText(int x, int y, const QString& text, int fontSize, QColor colour,
                               int opacityPercent) {
    if (IsNull())
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "There is no image to draw on"));
    const auto font = ProgramFont(fontSize);
    if (!font)
        return font.status();
    QImage& target = pixels_.MutableImage();
    QPainter painter;
    if (!painter.begin(&target))
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "The image cannot be drawn on"));
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setOpacity(std::clamp(opacityPercent, 0, 100) / 100.0);
    painter.setFont(*font);
    painter.setPen(colour);
    const QSize extent = TextExtent(*font, text);
    painter.drawText(QRect(QPoint(x, y), extent), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     text);
    painter.end();
    return Result<>::Ok();
}

} // namespace tessellon
