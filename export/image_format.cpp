#include "export/image_format.h"

namespace tessellon {

QString FormatExtension(ImageFormat format) {
    switch (format) {
    case ImageFormat::Jpeg:
        return QStringLiteral(".jpg");
    case ImageFormat::Tiff:
        return QStringLiteral(".tif");
    case ImageFormat::Bmp:
        return QStringLiteral(".bmp");
    }
    return {};
}

std::optional<ImageFormat> FormatFromFileName(const QString& fileName) {
    if (fileName.size() < 3)
        return std::nullopt;
    const QString ext = fileName.right(3).toLower();
    if (ext == u"bmp")
        return ImageFormat::Bmp;
    if (ext == u"tif")
        return ImageFormat::Tiff;
    if (ext == u"jpg")
        return ImageFormat::Jpeg;
    return std::nullopt;
}

std::optional<ImageFormat> FormatFromCode(int code) {
    switch (code) {
    case 1:
        return ImageFormat::Jpeg;
    case 3:
        return ImageFormat::Tiff;
    case 6:
        return ImageFormat::Bmp;
    default:
        return std::nullopt;
    }
}

} // namespace tessellon
