#include "export/image_object.h"

#include "export/file_output.h"
#include "export/format_table.h"
#include "export/jpeg_codec.h"
#include "export/tile_renderer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageReader>
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

QString Tr(const char* text) {
    return QCoreApplication::translate("ImageObject", text);
}

int DpiFromDpm(int dpm) {
    return dpm > 0 ? static_cast<int>(std::lround(dpm * 0.0254)) : ImageObject::kDefaultDpi;
}
int DpmFromDpi(int dpi) {
    return static_cast<int>(std::lround(dpi * kInchesPerMeter));
}

// Qt refuses to decode images above 256 MB by default; photos for posters are larger. The
// limit follows the memory the program allows itself for one image.
void RaiseReaderLimit() {
    static std::once_flag once;
    std::call_once(once, [] {
        const qint64 mb = PixelArray::MaxImageBytes() >> 20;
        QImageReader::setAllocationLimit(static_cast<int>(std::min<qint64>(mb, 0x7fffffff)));
    });
}

// The program's font: DejaVu Sans from the system's font files when present (the fonts the
// platform reports may be none at all without a display), else the platform's default.
QString FontFamily() {
    static const QString family = [] {
        static const char* const candidates[] = {
            "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
            "/usr/share/fonts/TTF/DejaVuSans.ttf",
            "/usr/share/fonts/dejavu/DejaVuSans.ttf",
            "/usr/local/share/fonts/DejaVuSans.ttf",
        };
        for (const char* path : candidates) {
            if (!QFileInfo::exists(QString::fromLatin1(path)))
                continue;
            const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
            if (id < 0)
                continue;
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty())
                return families.first();
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

ImagingValue<QFont> ProgramFont(int fontSize) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return ImagingResult::Fail(Tr("Text can only be drawn by the graphical application"));
    if (fontSize < 1)
        return ImagingResult::Fail(Tr("Invalid font size %1").arg(fontSize));
    QFont font(FontFamily());
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(fontSize * 96.0 / 72.0))));
    return font;
}

QSize TextExtent(const QFont& font, const QString& text) {
    return QFontMetrics(font).size(Qt::TextSingleLine, text);
}

std::uint32_t Le32(const QByteArray& b, int at) {
    return static_cast<std::uint32_t>(static_cast<uchar>(b[at])) |
           static_cast<std::uint32_t>(static_cast<uchar>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<uchar>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<uchar>(b[at + 3])) << 24;
}

// Qt's BMP reader returns whatever rows a cut-off file holds; an uncompressed BMP shorter than
// its header promises is refused here instead.
bool BmpIsComplete(QFile& file) {
    const QByteArray head = file.peek(34);
    if (head.size() < 34 || head[0] != 'B' || head[1] != 'M')
        return true;
    const std::uint32_t headerSize = Le32(head, 14);
    if (headerSize < 40)
        return true;
    const qint64 offset = Le32(head, 10);
    const qint64 width = static_cast<std::int32_t>(Le32(head, 18));
    const qint64 height = std::abs(static_cast<qint64>(static_cast<std::int32_t>(Le32(head, 22))));
    const int bits = static_cast<uchar>(head[28]) | static_cast<uchar>(head[29]) << 8;
    const std::uint32_t compression = Le32(head, 30);
    if (compression != 0 && compression != 3) // run-length files have no fixed size
        return true;
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    return file.size() >= offset + rowBytes * height;
}

} // namespace

ImageObject ImageObject::FromImage(const QImage& image) {
    ImageObject obj;
    obj.pixels_ = PixelArray::FromImage(image);
    if (!obj.pixels_.IsNull()) {
        obj.dpiX_ = DpiFromDpm(image.dotsPerMeterX());
        obj.dpiY_ = DpiFromDpm(image.dotsPerMeterY());
    }
    return obj;
}

ImagingValue<QSize> ImageObject::ReadFileInfo(const QString& path) {
    QFileInfo info(path);
    if (!info.exists())
        return ImagingResult::Fail(Tr("The file does not exist"));
    if (info.size() == 0)
        return ImagingResult::Fail(Tr("The file is empty"));
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return ImagingResult::Fail(
            Tr("The file is not a readable image: %1").arg(reader.errorString()));
    return size;
}

ImagingResult ImageObject::LoadImageFile(const QString& path) {
    RaiseReaderLimit();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ImagingResult::Fail(Tr("The file could not be opened: %1").arg(file.errorString()));
    if (file.size() == 0)
        return ImagingResult::Fail(Tr("The file is empty"));

    if (JpegCodec::LooksLikeJpeg(file.peek(3))) {
        // Read, not mapped: a mapped file that another program shortens while it is decoded
        // ends the process (SIGBUS).
        const QByteArray data = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return ImagingResult::Fail(
                Tr("The file could not be read: %1").arg(file.errorString()));
        bool unsupported = false;
        auto decoded = JpegCodec::Decode(data, &unsupported);
        if (decoded) {
            pixels_ = decoded->pixels;
            const auto res = decoded->resolution;
            dpiX_ = res && res->dpiX > 0 ? res->dpiX : kDefaultDpi;
            dpiY_ = res && res->dpiY > 0 ? res->dpiY : kDefaultDpi;
            return ImagingResult::Ok();
        }
        if (!unsupported)
            return decoded.status();
        // CMYK and the like: Qt's decoder converts those.
    } else if (!BmpIsComplete(file)) {
        return ImagingResult::Fail(Tr("The BMP image is incomplete"));
    }
    file.close();

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
    const QByteArray format = reader.format();
    if (format != "bmp" && format != "tiff" && format != "jpeg")
        return ImagingResult::Fail(Tr("The file is not a BMP, JPEG or TIFF image"));
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return ImagingResult::Fail(Tr("The image header is damaged: %1").arg(reader.errorString()));
    if (!PixelArray::SizeAllowed(size.width(), size.height()))
        return ImagingResult::Fail(Tr("The image is too large to load (%1 x %2 pixels)")
                                       .arg(size.width())
                                       .arg(size.height()));
    QImage image = reader.read();
    if (image.isNull())
        return ImagingResult::Fail(
            Tr("The image could not be decoded: %1").arg(reader.errorString()));
    PixelArray pixels = PixelArray::FromImage(image);
    if (pixels.IsNull())
        return ImagingResult::Fail(Tr("Not enough memory to load the image (%1 x %2 pixels)")
                                       .arg(size.width())
                                       .arg(size.height()));
    pixels_ = std::move(pixels);
    dpiX_ = DpiFromDpm(image.dotsPerMeterX());
    dpiY_ = DpiFromDpm(image.dotsPerMeterY());
    return ImagingResult::Ok();
}

ImagingResult ImageObject::LoadPixels(const PixelArray& pixels) {
    if (pixels.IsNull())
        return ImagingResult::Fail(Tr("The pixel array is empty"));
    pixels_ = pixels;
    return ImagingResult::Ok();
}

ImagingResult ImageObject::CreateBlankImage(int width, int height, QColor colour) {
    PixelArray pixels = PixelArray::Uninitialized(width, height);
    if (pixels.IsNull())
        return ImagingResult::Fail(
            Tr("An image of %1 x %2 pixels cannot be created").arg(width).arg(height));
    const std::uint8_t rgb[3] = {static_cast<std::uint8_t>(colour.red()),
                                 static_cast<std::uint8_t>(colour.green()),
                                 static_cast<std::uint8_t>(colour.blue())};
    std::uint8_t* first = pixels.MutableRow(0);
    for (int x = 0; x < width; ++x)
        std::memcpy(first + 3 * x, rgb, 3);
    for (int y = 1; y < height; ++y)
        std::memcpy(pixels.MutableRow(y), first, static_cast<size_t>(width) * 3);
    pixels_ = std::move(pixels);
    return ImagingResult::Ok();
}

ImagingResult ImageObject::Resample(int width, int height) {
    if (IsNull())
        return ImagingResult::Fail(Tr("There is no image to resample"));
    if (width < 1 || height < 1 || !PixelArray::SizeAllowed(width, height))
        return ImagingResult::Fail(Tr("Invalid image size %1 x %2").arg(width).arg(height));
    const QImage scaled =
        pixels_.Image().scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    PixelArray pixels = PixelArray::FromImage(scaled);
    if (pixels.IsNull() || pixels.Width() != width || pixels.Height() != height)
        return ImagingResult::Fail(Tr("Not enough memory to resample the image"));
    pixels_ = std::move(pixels);
    return ImagingResult::Ok();
}

ImagingResult ImageObject::Rotate(int degrees) {
    if (IsNull())
        return ImagingResult::Fail(Tr("There is no image to rotate"));
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
        return ImagingResult::Fail(Tr("Invalid rotation angle %1").arg(degrees));
    }
    PixelArray turned = TileRenderer::Turned(pixels_, turn);
    if (turned.IsNull())
        return ImagingResult::Fail(Tr("Not enough memory to rotate the image"));
    pixels_ = std::move(turned);
    if (degrees != 180)
        std::swap(dpiX_, dpiY_);
    return ImagingResult::Ok();
}

ImagingResult ImageObject::SetImageInfo(ImageAttribute attribute, int value) {
    if (value < 1)
        return ImagingResult::Fail(Tr("Invalid resolution %1").arg(value));
    switch (attribute) {
    case ImageAttribute::HorizontalResolution:
        dpiX_ = value;
        return ImagingResult::Ok();
    case ImageAttribute::VerticalResolution:
        dpiY_ = value;
        return ImagingResult::Ok();
    }
    return ImagingResult::Fail(Tr("Unknown image attribute"));
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

ImagingValue<QByteArray> ImageObject::EncodeToMemory(ImageFormat format) const {
    if (IsNull())
        return ImagingResult::Fail(Tr("There is no image to save"));
    const FormatRow& row = FormatTable::Row(format);
    switch (row.writer) {
    case FormatWriter::Jpeg:
        return JpegCodec::Encode(pixels_, {dpiX_, dpiY_}, kJpegQuality);
    case FormatWriter::QtImage:
        break;
    case FormatWriter::PdfDocument:
        return ImagingResult::Fail(Tr("%1 is not an image file format").arg(row.CliName()));
    }
    const char* qtFormat = row.qtFormat;
    const QImage picture = GetPicture();
    QByteArray bytes;
    // Uncompressed output: room for the pixels and headers at once, no regrowing.
    bytes.reserve(static_cast<qsizetype>(ImageWidth() * 4 + 4) * ImageHeight() + 4096);
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return ImagingResult::Fail(Tr("Not enough memory for the encoded image"));
    QImageWriter writer(&buffer, qtFormat);
    if (format == ImageFormat::Tiff) {
        // Qt's TIFF writer copies the image in slices of up to 16 MB and never ends when a
        // slice cannot be allocated. A slice that cannot be had just before is reported
        // instead; the test allocation is given back for the writer to use.
        const qsizetype slice = std::min<qsizetype>(picture.sizeInBytes(), qsizetype(16) << 20) +
                                picture.bytesPerLine();
        if (!std::unique_ptr<char[]>(new (std::nothrow) char[static_cast<size_t>(slice)]))
            return ImagingResult::Fail(Tr("Not enough memory for the encoded image"));
    }
    if (!writer.write(picture))
        return ImagingResult::Fail(
            Tr("The image could not be encoded: %1").arg(writer.errorString()));
    buffer.close();
    return bytes;
}

ImagingResult ImageObject::SaveImageFile(const QString& path, ImageFormat format) const {
    auto bytes = EncodeToMemory(format);
    if (!bytes)
        return bytes.status();
    return WriteFileReplacing(path, *bytes);
}

ImagingValue<QSize> ImageObject::MeasureText(const QString& text, int fontSize) {
    const auto font = ProgramFont(fontSize);
    if (!font)
        return font.status();
    return TextExtent(*font, text);
}

ImagingResult ImageObject::DrawText(int x, int y, const QString& text, int fontSize, QColor colour,
                                    int opacityPercent) {
    if (IsNull())
        return ImagingResult::Fail(Tr("There is no image to draw on"));
    const auto font = ProgramFont(fontSize);
    if (!font)
        return font.status();
    QImage& target = pixels_.MutableImage();
    QPainter painter;
    if (!painter.begin(&target))
        return ImagingResult::Fail(Tr("The image cannot be drawn on"));
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setOpacity(std::clamp(opacityPercent, 0, 100) / 100.0);
    painter.setFont(*font);
    painter.setPen(colour);
    const QSize extent = TextExtent(*font, text);
    painter.drawText(QRect(QPoint(x, y), extent), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     text);
    painter.end();
    return ImagingResult::Ok();
}

} // namespace tessellon
