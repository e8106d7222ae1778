#pragma once

#include <QString>

#include <optional>

namespace tessellon {

// Output formats with the codes the rest of the program passes: the image files the imaging
// component writes, and the poster document (see FormatTable for what each one is).
enum class ImageFormat : short { Jpeg = 1, Tiff = 3, Bmp = 6, Pdf = 10 };

// The image attributes that can be set on an image object.
enum class ImageAttribute : short { HorizontalResolution = 3, VerticalResolution = 4 };

// The file extension of a format with its dot: ".jpg", ".tif", ".bmp", ".pdf".
QString FormatExtension(ImageFormat format);

// The image format a file name asks for by its last three characters, compared in lower case
// ("bmp", "tif", "jpg"); empty for any other ending.
std::optional<ImageFormat> FormatFromFileName(const QString& fileName);

// The format for a numeric code (1, 3, 6, 10); empty for other codes.
std::optional<ImageFormat> FormatFromCode(int code);

} // namespace tessellon
