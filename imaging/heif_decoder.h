#pragma once

#include "common/result.h"
#include "imaging/image_object.h"
#include "imaging/input_type_table.h"

#include <QByteArray>
#include <QSize>

namespace tessellon {

// HEIF files, HEIC (HEVC coded, as phones write them) and AVIF (AV1 coded), read through
// libheif. Only the primary image is used, with the file's transformations (rotation, mirror,
// crop) applied, so that sizes and pixels are upright; a grid image comes assembled whole;
// deeper colour (10 or 12 bits) is brought to 8 bits per channel; an ICC profile goes with
// the pixels. The bytes are those of the whole file (or its start, for the size alone).
class HeifDecoder {
public:
    // Heif or Avif when the file type box at the start of `head` names such a brand.
    static ImageFileType TypeFromContent(const QByteArray& head);
    static bool Reads(ImageFileType type) {
        return type == ImageFileType::Heif || type == ImageFileType::Avif;
    }

    // The primary image's upright size, from the container's boxes; no pixel is decoded.
    static Result<QSize> ReadSize(const QByteArray& bytes);
    // The primary image, upright, in three 8-bit channels, with its colour profile.
    static Result<ImageObject> Decode(const QByteArray& bytes, ImageFileType type);
};

} // namespace tessellon
