#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QSize>

#include <cstdint>

namespace tessellon {

// A photo file decoded row by row, top to bottom, reading the file as it goes: neither the file
// nor the decoded photo is ever held whole. The rows are the very pixels the photo's whole
// decode gives.
class RowDecoder {
public:
    RowDecoder() = default;
    virtual ~RowDecoder() = default;
    RowDecoder(const RowDecoder&) = delete;
    RowDecoder& operator=(const RowDecoder&) = delete;

    // The size as stored (before any orientation).
    virtual QSize Size() const = 0;
    // The stored orientation, 1 to 8 (1 is upright).
    virtual int Orientation() const = 0;
    // The colour profile the whole decode attaches to the photo; empty for none.
    virtual QByteArray IccProfile() const = 0;
    // What the decoder holds for the whole photo while it decodes.
    virtual qint64 WholePhotoBytes() const = 0;

    // The next row Read gives (0 before the first).
    virtual int NextRow() const = 0;
    // Passes over `count` rows without handing them out.
    virtual Result<> Skip(int count) = 0;
    // Decodes the next `count` rows into `rows` (width x 3 bytes each, red, green, blue).
    virtual Result<> Read(std::uint8_t* const* rows, int count) = 0;
    // After the last row: reads what is left, which must be sound, and checks the file unchanged.
    virtual Result<> Finish() = 0;
};

} // namespace tessellon
