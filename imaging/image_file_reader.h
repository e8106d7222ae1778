#pragma once

#include "common/result.h"
#include "imaging/image_object.h"
#include "imaging/input_type_table.h"
#include "imaging/tiff_codec.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>

#include <atomic>
#include <optional>

namespace tessellon {

// Reading an image file: the one way both the main window and the command line do it.
//
// Opening reads the file's bytes into memory (never a mapping of the file, which faults when
// the file shrinks while it is read), recognises the type by the content and checks it against
// the name, reads the header, and refuses before any pixel memory is taken what cannot be
// decoded or would not fit: a colour model the program does not convert, a size beyond the
// program's memory limit, a file far too small for the size it claims, a BMP whose pixel data
// is missing. Decoding refuses damaged data rather than returning a partly grey picture.
// Sizes and decoded images are upright: the orientation the file stores is applied. Every
// failure is a sentence that says why, for the user.
class ImageFileReader {
public:
    // HeaderForBands reads as HeaderOnly, and WholeFileForBands as WholeFile, but neither
    // refuses a photo that ReadsInBands for the memory all its rows would need (CheckFitsWhole
    // tells that on its own; DecodeReduced works).
    enum class Extent { HeaderOnly, WholeFile, HeaderForBands, WholeFileForBands };

    // Opens `path`. With HeaderOnly only what the header needs is read, and Decode fails.
    static Result<ImageFileReader> Open(const QString& path, Extent extent = Extent::WholeFile);

    // The type a file name asks for by its extension, in any letter case.
    static ImageFileType TypeFromName(const QString& fileName);
    // The type the first bytes of a file show.
    static ImageFileType TypeFromContent(const QByteArray& head);

    ImageFileType Type() const { return type_; }
    // The upright pixel size.
    QSize Size() const { return size_; }
    // The stored orientation, 1 to 8 as EXIF and TIFF number them (1 is upright).
    int Orientation() const { return orientation_; }
    // Whether the photo can be decoded a band of rows at a time, top to bottom, as it is
    // stored (DecoderBandSource): an RGB or greyscale JPEG that is upright as stored, or a plain
    // RGB TIFF in strips (upright by its kind).
    bool ReadsInBands() const {
        return (type_ == ImageFileType::Jpeg && !cmyk_ && orientation_ == 1) || rgbStrips_;
    }
    // Whether all the photo's rows at once fit in the memory Tessellon allows for one image;
    // the failure says how much they need.
    Result<> CheckFitsWhole() const;
    // Whether DecodeReduced is much cheaper than a full decode (JPEG decodes at 1/2 to 1/8).
    bool HasReducedDecode() const { return type_ == ImageFileType::Jpeg && !cmyk_; }

    // An upright copy decoded at the smallest reduced scale that is at least `atLeast` on both
    // sides (the full size when none is), for previews. JPEG only.
    Result<QImage> DecodeReduced(QSize atLeast) const;
    // The whole image, upright, with its resolution and embedded colour profile.
    // A decode given `stop` ends early, failing, once `stop` is set (where the format allows:
    // JPEG stops between bands of rows).
    Result<ImageObject> Decode(const std::atomic_bool* stop = nullptr) const;

private:
    static Result<ImageFileReader> OpenAs(const QString& path, Extent extent, bool mayStream);
    Result<ImageObject> DecodeStreamed(const std::atomic_bool* stop) const;
    Result<> ReadHeader();
    Result<> ReadJpegHeader();
    Result<> ReadQtHeader();
    Result<> ReadHeifHeader();
    static Result<> CheckTiffColours(int photometric, bool hasColourMap);

    QString path_;
    QByteArray bytes_;
    qint64 fileSize_ = 0;
    bool whole_ = false;
    bool forBands_ = false; // opened HeaderForBands
    ImageFileType type_ = ImageFileType::Unknown;
    QSize stored_;
    QSize size_;
    int orientation_ = 1;
    QByteArray icc_;        // JPEG: from the header; other types carry theirs in the decoded image
    bool cmyk_ = false;     // a CMYK JPEG, converted to RGB through icc_ when decoded
    bool inverted_ = false; // its values stored inverted (255 = no ink), as Adobe writes them
    std::optional<TiffCodec::Header> tiffHeader_; // a TIFF's directory, read from the file
    bool rgbStrips_ = false;                      // a TIFF TiffRowDecoder reads
    bool streamed_ = false; // plain TIFF or BMP, decoded from the file (checked unchanged)
    QDateTime modified_;
};

} // namespace tessellon
