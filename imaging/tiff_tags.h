#pragma once

#include <QByteArray>

#include <optional>

namespace tessellon {

// Reading the numbers TIFF structures keep: a TIFF file's header, and the EXIF block a JPEG
// carries, which is laid out the same way.
class TiffTags {
public:
    // The unsigned number of `bytes` bytes at `at`, in the byte order given.
    static quint32 Get(const QByteArray& b, qsizetype at, int bytes, bool bigEndian);
    // The value of a SHORT or LONG tag of the first directory of the TIFF structure starting at
    // `base` (a TIFF file, or the EXIF block of a JPEG).
    static std::optional<quint32> Tag(const QByteArray& b, qsizetype base, quint16 tag);
};

} // namespace tessellon
