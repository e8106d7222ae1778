#include "imaging/image_file_reader.h"

#include "imaging/bmp_codec.h"
#include "imaging/stoppable_jpeg_decoder.h"
#include "imaging/tiff_codec.h"

#include "common/file_kind.h"
#include "imaging/cmyk_converter.h"
#include "imaging/heif_decoder.h"
#include "imaging/jpeg_codec.h"
#include "imaging/jpeg_segments.h"
#include "imaging/pixel_array.h"
#include "imaging/tiff_tags.h"
#include "imaging/watched_file.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QTransform>

#include <turbojpeg.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>

namespace tessellon {
namespace {

// The text after `what`: the reader's description of the fault, where it has one ("Unknown
// error" says nothing to the user).
QString WithReaderDetail(const QString& what, const QImageReader& reader) {
    const QString detail = reader.errorString();
    if (detail.trimmed().isEmpty() || detail == u"Unknown error")
        return what + u'.';
    return what + QStringLiteral(": ") + detail;
}

// Enough for the header of nearly every JPEG, BMP, PNG and WebP; the rest is read only when
// the header goes on beyond it.
constexpr qint64 kHeaderBytes = qint64(1) << 20;
// A real photo never compresses better than this (decoded bytes per file byte); a file that
// claims a large image at a better ratio is damaged or made to exhaust memory.
constexpr qint64 kMaxCompressionRatio = 10000;
constexpr qint64 kRatioCheckFrom = qint64(64) << 20;

// Mirror and quarter turn that make an image stored with `orientation` upright, in the order
// they are applied: mirror (left-right), flip (top-bottom), then a clockwise quarter turn.
struct Uprighting {
    bool mirror = false;
    bool flip = false;
    bool turn = false;
};

Uprighting UprightingFor(int orientation) {
    switch (orientation) {
    case 2:
        return {true, false, false};
    case 3:
        return {true, true, false};
    case 4:
        return {false, true, false};
    case 5:
        return {false, true, true};
    case 6:
        return {false, false, true};
    case 7:
        return {true, false, true};
    case 8:
        return {true, true, true};
    default:
        return {};
    }
}

QImage Upright(QImage image, int orientation) {
    const Uprighting u = UprightingFor(orientation);
    if (u.mirror || u.flip)
        image = std::move(image).mirrored(u.mirror, u.flip);
    if (u.turn)
        image = image.transformed(QTransform().rotate(90));
    return image;
}

Result<> Upright(ImageObject& img, int orientation) {
    const Uprighting u = UprightingFor(orientation);
    if (u.mirror && u.flip)
        return img.Rotate(u.turn ? 270 : 180);
    if (u.mirror || u.flip) {
        PixelArray mirrored =
            PixelArray::FromImage(img.ReadPixels().Image().mirrored(u.mirror, u.flip));
        if (mirrored.IsNull())
            return Result<>::Fail(QCoreApplication::translate(
                "ImageFileReader", "Not enough memory to turn the image upright"));
        if (const auto r = img.LoadPixels(mirrored); !r)
            return r;
    }
    return u.turn ? img.Rotate(90) : Result<>::Ok();
}

enum class BmpData { Complete, Missing, Overrun, BadMasks };

// Whether the colour masks of a bit-field BMP pick out red, green and blue (and alpha where it
// has one) as separate unbroken runs of bits. Other masks are damage that decoders read each
// in their own way.
bool BmpMasksValid(const QByteArray& b, quint32 headerSize) {
    const qsizetype at = 14 + 40;
    if (b.size() < at + 16)
        return false;
    const auto run = [](quint32 m) {
        if (m == 0)
            return false;
        while (!(m & 1))
            m >>= 1;
        return (m & (m + 1)) == 0;
    };
    const quint32 r = TiffTags::Get(b, at, 4, false), g = TiffTags::Get(b, at + 4, 4, false),
                  bl = TiffTags::Get(b, at + 8, 4, false);
    // Only the larger headers carry an alpha mask.
    const quint32 a = headerSize >= 56 ? TiffTags::Get(b, at + 12, 4, false) : 0;
    return run(r) && run(g) && run(bl) && (a == 0 || run(a)) && !(r & g) && !(r & bl) &&
           !(g & bl) && !(a & (r | g | bl));
}

// Whether an uncompressed BMP holds all the rows its header promises, and a run-length coded
// one runs up to its end-of-picture code at its last row without a run past a row's end
// (which decoders place differently: the picture would not be the one written).
BmpData CheckBmpData(const QByteArray& b, qint64 fileSize, bool whole) {
    if (b.size() < 26)
        return BmpData::Missing;
    const quint32 headerSize = TiffTags::Get(b, 14, 4, false);
    const qint64 offset = TiffTags::Get(b, 10, 4, false);
    // OS/2's old core header: 16-bit sizes, never compressed. Qt reads a cut one as black.
    const bool core = headerSize < 40;
    if (!core && b.size() < 34)
        return BmpData::Missing;
    const qint64 width =
        core ? TiffTags::Get(b, 18, 2, false) : static_cast<qint32>(TiffTags::Get(b, 18, 4, false));
    const qint64 height =
        core ? TiffTags::Get(b, 20, 2, false)
             : std::abs(static_cast<qint64>(static_cast<qint32>(TiffTags::Get(b, 22, 4, false))));
    const int bits = static_cast<int>(TiffTags::Get(b, core ? 24 : 28, 2, false));
    const quint32 compression = core ? 0 : TiffTags::Get(b, 30, 4, false);
    if (compression == 3 && !BmpMasksValid(b, headerSize))
        return BmpData::BadMasks;
    if (compression == 0 || compression == 3) {
        const qint64 rowBytes = (width * bits + 31) / 32 * 4;
        return fileSize >= offset + rowBytes * height ? BmpData::Complete : BmpData::Missing;
    }
    if ((compression != 1 && compression != 2) || !whole)
        return BmpData::Complete;
    const bool rle8 = compression == 1;
    qint64 row = 0, column = 0;
    qsizetype p = offset;
    while (p + 2 <= b.size()) {
        const int count = static_cast<uchar>(b[p]);
        const int code = static_cast<uchar>(b[p + 1]);
        p += 2;
        if (count > 0) { // a run of one value
            column += count;
        } else if (code == 0) {
            ++row;
            column = 0;
        } else if (code == 1) {
            return row >= height - 1 ? BmpData::Complete : BmpData::Missing;
        } else if (code == 2) {
            if (p + 2 > b.size())
                return BmpData::Missing;
            column += static_cast<uchar>(b[p]);
            row += static_cast<uchar>(b[p + 1]);
            p += 2;
        } else {
            column += code;
            qsizetype bytes = rle8 ? code : (code + 1) / 2;
            p += bytes + (bytes & 1);
        }
        if (column > width)
            return BmpData::Overrun;
    }
    return BmpData::Missing;
}

// Qt's readers refuse images above 256 MB by default; photos for posters are larger. The limit
// follows the memory the program allows itself for one image.
void RaiseReaderLimit() {
    static std::once_flag once;
    std::call_once(once, [] {
        const qint64 mb = PixelArray::MaxImageBytes() >> 20;
        QImageReader::setAllocationLimit(static_cast<int>(std::min<qint64>(mb, 0x7fffffff)));
    });
}

struct TjCloser {
    void operator()(void* h) const {
        if (h)
            tjDestroy(h);
    }
};

} // namespace

ImageFileType ImageFileReader::TypeFromName(const QString& fileName) {
    return InputTypeTable::FromFileName(fileName);
}

ImageFileType ImageFileReader::TypeFromContent(const QByteArray& head) {
    if (JpegCodec::LooksLikeJpeg(head))
        return ImageFileType::Jpeg;
    if (head.startsWith(QByteArray("II*\0", 4)) || head.startsWith(QByteArray("MM\0*", 4)) ||
        head.startsWith(QByteArray("II+\0", 4)) || head.startsWith(QByteArray("MM\0+", 4)))
        return ImageFileType::Tiff;
    if (head.startsWith("BM"))
        return ImageFileType::Bmp;
    if (head.startsWith("\x89PNG\r\n\x1a\n"))
        return ImageFileType::Png;
    if (head.size() >= 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WEBP")
        return ImageFileType::Webp;
    return HeifDecoder::TypeFromContent(head);
}

Result<> ImageFileReader::CheckTiffColours(int photometric, bool hasColourMap) {
    if (photometric == 5)
        return Result<>::Fail(QCoreApplication::translate(
            "ImageFileReader", "The image uses the CMYK colour model, which Tessellon "
                               "converts for JPEG files only. Convert it to RGB in an "
                               "image editor first."));
    // libtiff only warns about a palette image without its colours and gives the indices
    // as grey levels.
    if (photometric == 3 && !hasColourMap)
        return Result<>::Fail(QCoreApplication::translate(
            "ImageFileReader", "The image is damaged: its colour table (palette) is missing."));
    return Result<>::Ok();
}

Result<ImageFileReader> ImageFileReader::Open(const QString& path, Extent extent) {
    return OpenAs(path, extent, true);
}

Result<ImageFileReader> ImageFileReader::OpenAs(const QString& path, Extent extent,
                                                bool mayStream) {
    const QFileInfo info(path);
    if (info.isDir())
        return Result<>::Fail(
            QCoreApplication::translate("ImageFileReader", "This is a folder, not an image file."));
    // Only a regular file is read: a named pipe would hold the reading up for ever, a device
    // (a link to /dev/zero) never ends.
    const FileKind::Opened opened = FileKind::OpenRegular(path);
    if (opened.missing && path.contains(QChar::ReplacementCharacter))
        return Result<>::Fail(
            QCoreApplication::translate("ImageFileReader", "The file does not exist.") + u' ' +
            QCoreApplication::translate("ImageFileReader",
                                        "Its name holds bytes that are not UTF-8 text, so it "
                                        "cannot be named exactly; rename the file."));
    if (opened.missing)
        return Result<>::Fail(
            QCoreApplication::translate("ImageFileReader", "The file does not exist."));
    QFile file;
    if (opened.fd < 0 || !file.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return Result<>::Fail(
            QCoreApplication::translate("ImageFileReader", "The file could not be opened: %1")
                .arg(opened.fd < 0 ? opened.why : file.errorString()));
    ImageFileReader r;
    r.path_ = path;
    r.forBands_ = extent == Extent::HeaderForBands || extent == Extent::WholeFileForBands;
    const bool wholeFile = extent == Extent::WholeFile || extent == Extent::WholeFileForBands;
    r.fileSize_ = file.size();
    if (r.fileSize_ == 0)
        return Result<>::Fail(QCoreApplication::translate("ImageFileReader", "The file is empty."));
    if (wholeFile && r.fileSize_ > PixelArray::MaxImageBytes())
        return Result<>::Fail(
            QCoreApplication::translate("ImageFileReader",
                                        "The file is too large for this computer's memory (%1 MB; "
                                        "Tessellon uses at most %2 MB for one image).")
                .arg(r.fileSize_ >> 20)
                .arg(PixelArray::MaxImageBytes() >> 20));
    const QDateTime modified = info.lastModified();

    // Reads up to `want` bytes in all; fewer than the file's size said means it shrank.
    const auto readUpTo = [&](qint64 want) -> Result<> {
        const qint64 have = r.bytes_.size();
        // libtiff's header reading may have moved the position.
        if (!file.seek(have))
            return Result<>::Fail(file.errorString());
        r.bytes_.resize(want);
        if (r.bytes_.size() != want)
            return Result<>::Fail(QCoreApplication::translate(
                "ImageFileReader", "Not enough memory to read the file."));
        qint64 got = have;
        while (got < want) {
            const qint64 n = file.read(r.bytes_.data() + got, want - got);
            if (n <= 0)
                break;
            got += n;
        }
        if (got < want)
            return Result<>::Fail(QCoreApplication::translate(
                "ImageFileReader", "The file became shorter while it was being read (it "
                                   "may still be being written or copied). Try again "
                                   "when it is complete."));
        r.whole_ = want == r.fileSize_;
        return Result<>::Ok();
    };
    // The start first: a plain TIFF or BMP is decoded from the file itself, never held whole.
    if (const auto read = readUpTo(std::min(r.fileSize_, kHeaderBytes)); !read)
        return read;
    if (mayStream && wholeFile && !r.whole_) {
        const ImageFileType type = TypeFromContent(r.bytes_.left(16));
        if (type == ImageFileType::Tiff) {
            if (auto header = TiffCodec::ReadHeader(file); header && header->plainRgb) {
                r.tiffHeader_ = *header;
                r.streamed_ = true;
            }
        } else if (type == ImageFileType::Bmp) {
            r.streamed_ = BmpCodec::IsPlain(r.bytes_, r.fileSize_);
        }
        r.modified_ = modified;
    }
    if (wholeFile && !r.whole_ && !r.streamed_)
        if (const auto read = readUpTo(r.fileSize_); !read)
            return read;
    if (r.whole_) {
        char extra;
        if (file.read(&extra, 1) > 0 ||
            WatchedFile::Stamp::Of(path) != WatchedFile::Stamp{r.fileSize_, modified})
            return Result<>::Fail(WatchedFile::ChangedText());
    }

    r.type_ = TypeFromContent(r.bytes_.left(64)); // HEIF names its brands in the first box
    if (r.type_ == ImageFileType::Unknown)
        return Result<>::Fail(
            QCoreApplication::translate("ImageFileReader",
                                        "This is not an image file that Tessellon can open (%1).")
                .arg(InputTypeTable::NameList(
                    QCoreApplication::translate("ImageFileReader", " or "))));
    const ImageFileType named = TypeFromName(info.fileName());
    if (named != r.type_) {
        const InputTypeRow* t = InputTypeTable::Row(r.type_);
        const QString extensions = u'.' + t->Extensions().join(QStringLiteral(", ."));
        const QString suffix = info.suffix();
        return Result<>::Fail(
            (suffix.isEmpty() ? QCoreApplication::translate(
                                    "ImageFileReader",
                                    "The file holds a %1 image, but its name has no extension.")
                                    .arg(QLatin1String(t->name))
                              : QCoreApplication::translate(
                                    "ImageFileReader",
                                    "The file holds a %1 image, but its name ends in \".%2\".")
                                    .arg(QLatin1String(t->name), suffix)) +
            u' ' +
            QCoreApplication::translate("ImageFileReader", "Rename it to end in %1.")
                .arg(extensions));
    }
    // Headers that go on beyond the part read: TIFF keeps its directory anywhere in the file,
    // so libtiff reads just the directory from the file; what it does not read plainly is
    // read whole, for Qt's reader.
    if (!r.whole_ && r.type_ == ImageFileType::Tiff && !r.tiffHeader_) {
        if (auto header = TiffCodec::ReadHeader(file))
            r.tiffHeader_ = *header;
        else if (const auto read = readUpTo(r.fileSize_); !read)
            return read;
    }
    auto header = r.ReadHeader();
    if (!header && !r.whole_) {
        if (const auto read = readUpTo(r.fileSize_); !read)
            return read;
        header = r.ReadHeader();
    }
    if (!header)
        return header;
    return r;
}

Result<> ImageFileReader::ReadHeader() {
    const Result<> read = type_ == ImageFileType::Jpeg ? ReadJpegHeader()
                          : HeifDecoder::Reads(type_)  ? ReadHeifHeader()
                                                       : ReadQtHeader();
    if (!read)
        return read;
    const Uprighting u = UprightingFor(orientation_);
    size_ = u.turn ? stored_.transposed() : stored_;
    const qint64 w = size_.width(), h = size_.height();
    // A header cut off before its size (a JPEG of its start bytes alone) gives no size at all.
    if (w < 1 || h < 1)
        return Result<>::Fail(QCoreApplication::translate(
            "ImageFileReader", "The image is damaged: its header gives no picture size."));
    // A photo read in bands never needs all its rows at once.
    if (!(forBands_ && ReadsInBands()))
        if (const auto fits = CheckFitsWhole(); !fits)
            return fits;
    const qint64 decoded = w * h * PixelArray::kChannels;
    if (decoded > kRatioCheckFrom && decoded / fileSize_ > kMaxCompressionRatio)
        return Result<>::Fail(
            QCoreApplication::translate("ImageFileReader",
                                        "The image is damaged: the file is far too small (%1 KB) "
                                        "for the %2 x %3 pixels it claims.")
                .arg((fileSize_ + 1023) / 1024)
                .arg(w)
                .arg(h));
    if (type_ == ImageFileType::Bmp) {
        const BmpData data = CheckBmpData(bytes_, fileSize_, whole_);
        if (data == BmpData::Missing)
            return Result<>::Fail(QCoreApplication::translate(
                "ImageFileReader",
                "The image is damaged: part of the BMP file's pixel data is missing."));
        if (data == BmpData::BadMasks)
            return Result<>::Fail(QCoreApplication::translate(
                "ImageFileReader",
                "The image is damaged: the BMP file's colour masks are not valid."));
        if (data == BmpData::Overrun)
            return Result<>::Fail(QCoreApplication::translate(
                "ImageFileReader",
                "The image is damaged: a run of the BMP file's pixels goes past the end of "
                "its row."));
    }
    return Result<>::Ok();
}

Result<> ImageFileReader::CheckFitsWhole() const {
    const qint64 w = size_.width(), h = size_.height();
    if (PixelArray::SizeAllowed(w, h))
        return Result<>::Ok();
    const qint64 needMb = (w * h * PixelArray::kChannels + (1 << 20) - 1) >> 20;
    return Result<>::Fail(
        QCoreApplication::translate("ImageFileReader",
                                    "The image is too large for this computer's memory: %1 x "
                                    "%2 pixels need %3 MB, and Tessellon uses at most %4 MB "
                                    "for one image.")
            .arg(w)
            .arg(h)
            .arg(needMb)
            .arg(PixelArray::MaxImageBytes() >> 20));
}

Result<> ImageFileReader::ReadJpegHeader() {
    std::unique_ptr<void, TjCloser> handle(tjInitDecompress());
    if (!handle)
        return Result<>::Fail(QCoreApplication::translate(
            "ImageFileReader", "The JPEG decoder could not be started."));
    int width = 0, height = 0, subsamp = 0, colorspace = 0;
    if (tjDecompressHeader3(
            handle.get(), reinterpret_cast<const unsigned char*>(bytes_.constData()),
            static_cast<unsigned long>(bytes_.size()), &width, &height, &subsamp, &colorspace) != 0)
        return Result<>::Fail(
            QCoreApplication::translate("ImageFileReader",
                                        "The image is damaged: its header cannot be read (%1).")
                .arg(QString::fromLocal8Bit(tjGetErrorStr2(handle.get()))));
    stored_ = QSize(width, height);
    const JpegSegments segments = JpegSegments::Read(bytes_);
    orientation_ = segments.orientation;
    icc_ = segments.icc;
    cmyk_ = colorspace == TJCS_CMYK || colorspace == TJCS_YCCK;
    inverted_ = segments.adobe;
    if (cmyk_ && !CmykConverter::IsCmykProfile(icc_))
        return Result<>::Fail(QCoreApplication::translate(
            "ImageFileReader", "The image uses the CMYK colour model without a CMYK colour "
                               "profile to convert it by. Convert it to RGB in an image "
                               "editor first."));
    return Result<>::Ok();
}

Result<> ImageFileReader::ReadHeifHeader() {
    // The size is upright already: the decoder applies the file's transformations.
    const auto size = HeifDecoder::ReadSize(bytes_);
    if (!size)
        return size.status();
    stored_ = *size;
    return Result<>::Ok();
}

Result<> ImageFileReader::ReadQtHeader() {
    if (type_ == ImageFileType::Tiff) {
        // A file read whole had its directory read by no one yet.
        std::optional<TiffCodec::Header> directory = tiffHeader_;
        if (!directory && whole_) {
            QBuffer buffer(&bytes_);
            if (buffer.open(QIODevice::ReadOnly))
                if (auto read = TiffCodec::ReadHeader(buffer))
                    directory = *read;
        }
        rgbStrips_ = directory && directory->plainRgb && !directory->tiled;
    }
    if (type_ == ImageFileType::Tiff && tiffHeader_) {
        stored_ = tiffHeader_->size;
        orientation_ = tiffHeader_->orientation;
        return CheckTiffColours(tiffHeader_->photometric, tiffHeader_->hasColourMap);
    }
    RaiseReaderLimit();
    QBuffer buffer;
    buffer.setData(bytes_);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, InputTypeTable::Row(type_)->qtFormat);
    if (!reader.canRead())
        return Result<>::Fail(WithReaderDetail(
            QCoreApplication::translate(
                "ImageFileReader", "The image is damaged, or no decoder for %1 images is installed")
                .arg(QLatin1String(InputTypeTable::Row(type_)->name)),
            reader));
    stored_ = reader.size();
    // A BMP stored top down gives its height as a negative number; its rows are read upright.
    if (type_ == ImageFileType::Bmp)
        stored_.setHeight(std::abs(stored_.height()));
    if (!stored_.isValid() || stored_.isEmpty())
        return Result<>::Fail(WithReaderDetail(
            QCoreApplication::translate("ImageFileReader",
                                        "The image is damaged: its header cannot be read"),
            reader));
    if (type_ == ImageFileType::Tiff) {
        const auto photometric = TiffTags::Tag(bytes_, 0, 262);
        if (const auto r = CheckTiffColours(photometric ? int(*photometric) : -1,
                                            TiffTags::Tag(bytes_, 0, 320).has_value());
            !r)
            return r;
    }
    // Qt's readers apply the orientation they find (TIFF's tag among them) when decoding.
    switch (reader.transformation()) {
    case QImageIOHandler::TransformationMirror:
        orientation_ = 2;
        break;
    case QImageIOHandler::TransformationRotate180:
        orientation_ = 3;
        break;
    case QImageIOHandler::TransformationFlip:
        orientation_ = 4;
        break;
    case QImageIOHandler::TransformationFlipAndRotate90:
        orientation_ = 5;
        break;
    case QImageIOHandler::TransformationRotate90:
        orientation_ = 6;
        break;
    case QImageIOHandler::TransformationMirrorAndRotate90:
        orientation_ = 7;
        break;
    case QImageIOHandler::TransformationRotate270:
        orientation_ = 8;
        break;
    default:
        orientation_ = 1;
        break;
    }
    return Result<>::Ok();
}

Result<ImageObject> ImageFileReader::DecodeStreamed(const std::atomic_bool* stop) const {
    const FileKind::Opened opened = FileKind::OpenRegular(path_);
    QFile file;
    QImage plain;
    if (opened.fd >= 0 && file.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        plain =
            type_ == ImageFileType::Tiff ? TiffCodec::DecodeRgb(file) : BmpCodec::DecodeRgb(file);
    if (opened.fd >= 0 && WatchedFile::Stamp::Of(path_) != WatchedFile::Stamp{fileSize_, modified_})
        return Result<>::Fail(WatchedFile::ChangedText());
    if (plain.size() == size_) {
        ImageObject img = ImageObject::FromImage(plain);
        if (!img.IsNull())
            return img;
    }
    // Anything else is read whole the general way, which names the fault.
    auto whole = OpenAs(path_, Extent::WholeFile, false);
    if (!whole)
        return whole.status();
    return whole->Decode(stop);
}

Result<QImage> ImageFileReader::DecodeReduced(QSize atLeast) const {
    if (!HasReducedDecode() || !whole_)
        return Result<>::Fail(QCoreApplication::translate(
            "ImageFileReader", "This image cannot be decoded at a reduced size."));
    if (UprightingFor(orientation_).turn)
        atLeast.transpose();
    auto reduced = JpegCodec::DecodeScaled(bytes_, atLeast);
    if (!reduced)
        return reduced.status();
    return Upright(std::move(reduced).value(), orientation_);
}

Result<ImageObject> ImageFileReader::Decode(const std::atomic_bool* stop) const {
    if (streamed_)
        return DecodeStreamed(stop);
    if (!whole_)
        return Result<>::Fail(QCoreApplication::translate("ImageFileReader",
                                                          "Only the header of the file was read."));
    ImageObject img;
    if (cmyk_) {
        {
            const auto cmyk = JpegCodec::DecodeCmyk(bytes_);
            if (!cmyk)
                return cmyk.status();
            const auto rgb =
                CmykConverter::ToRgb(reinterpret_cast<const std::uint8_t*>(cmyk->constData()),
                                     stored_.width(), stored_.height(), icc_, inverted_);
            if (!rgb)
                return rgb.status();
            if (const auto r = img.LoadPixels(*rgb); !r)
                return r;
        }
        if (const auto res = JpegCodec::ReadResolution(bytes_);
            res && res->dpiX > 0 && res->dpiY > 0) {
            (void)img.SetImageInfo(ImageAttribute::HorizontalResolution, res->dpiX);
            (void)img.SetImageInfo(ImageAttribute::VerticalResolution, res->dpiY);
        }
        // The pixels are sRGB now: no profile goes with them.
        if (const auto r = Upright(img, orientation_); !r)
            return r;
        return img;
    }
    if (type_ == ImageFileType::Jpeg) {
        if (stop) {
            // The same pixels as below, a band of rows at a time, so that a decode nobody waits
            // for any more (another file, the program's end) stops early. Anything it does not
            // decode cleanly goes the general way, which names the fault.
            auto banded = StoppableJpegDecoder::DecodeData(bytes_, *stop);
            if (banded.outcome == StoppableJpegDecoder::Outcome::Stopped)
                return Result<>::Fail(
                    QCoreApplication::translate("ImageFileReader", "The decode was stopped"));
            if (banded.outcome == StoppableJpegDecoder::Outcome::Decoded) {
                if (const auto r = img.LoadPixels(PixelArray::FromImage(banded.image)); !r)
                    return r;
                if (banded.dpiX > 0 && banded.dpiY > 0) {
                    (void)img.SetImageInfo(ImageAttribute::HorizontalResolution, banded.dpiX);
                    (void)img.SetImageInfo(ImageAttribute::VerticalResolution, banded.dpiY);
                }
                if (const auto r = Upright(img, orientation_); !r)
                    return r;
                img.SetIccProfile(icc_);
                return img;
            }
        }
        {
            const auto decoded = JpegCodec::Decode(bytes_);
            if (!decoded)
                return decoded.status();
            if (const auto r = img.LoadPixels(decoded->pixels); !r)
                return r;
            if (const auto res = decoded->resolution; res && res->dpiX > 0 && res->dpiY > 0) {
                (void)img.SetImageInfo(ImageAttribute::HorizontalResolution, res->dpiX);
                (void)img.SetImageInfo(ImageAttribute::VerticalResolution, res->dpiY);
            }
        }
        if (const auto r = Upright(img, orientation_); !r)
            return r;
        img.SetIccProfile(icc_);
        return img;
    }

    if (HeifDecoder::Reads(type_)) {
        auto heif = HeifDecoder::Decode(bytes_, type_);
        if (heif && QSize(heif->ImageWidth(), heif->ImageHeight()) != size_)
            return Result<>::Fail(QCoreApplication::translate(
                "ImageFileReader", "The image is damaged: its pixels do not match its size."));
        return heif;
    }
    // Plain 8-bit RGB TIFF and BMP straight into the pixel array, without Qt's 32-bit copy.
    if ((type_ == ImageFileType::Tiff || type_ == ImageFileType::Bmp) && orientation_ == 1) {
        const QImage plain = type_ == ImageFileType::Tiff ? TiffCodec::DecodeRgb(bytes_)
                                                          : BmpCodec::DecodeRgb(bytes_);
        if (plain.size() == size_) {
            img = ImageObject::FromImage(plain);
            if (!img.IsNull())
                return img;
        }
    }
    RaiseReaderLimit();
    QBuffer buffer;
    buffer.setData(bytes_);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, InputTypeTable::Row(type_)->qtFormat);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull() || image.size() != size_)
        return Result<>::Fail(WithReaderDetail(
            QCoreApplication::translate("ImageFileReader", "The image is damaged or incomplete"),
            reader));
    if (image.hasAlphaChannel()) {
        // Transparent parts print as white paper.
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        flat.setColorSpace(image.colorSpace());
        flat.setDotsPerMeterX(image.dotsPerMeterX());
        flat.setDotsPerMeterY(image.dotsPerMeterY());
        QPainter(&flat).drawImage(0, 0, image);
        image = std::move(flat);
    }
    img = ImageObject::FromImage(image);
    if (img.IsNull())
        return Result<>::Fail(
            QCoreApplication::translate("ImageFileReader",
                                        "Not enough memory to load the image (%1 x %2 pixels).")
                .arg(size_.width())
                .arg(size_.height()));
    return img;
}

} // namespace tessellon
