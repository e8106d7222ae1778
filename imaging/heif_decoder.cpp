#include "imaging/heif_decoder.h"

#include "imaging/pixel_array.h"

#include <QCoreApplication>
#include <QPainter>
#include <QtEndian>

#include <libheif/heif.h>

#include <algorithm>
#include <memory>

namespace tessellon {
namespace {

struct HeifFree {
    void operator()(heif_context* c) const { heif_context_free(c); }
    void operator()(const heif_image_handle* h) const { heif_image_handle_release(h); }
    void operator()(heif_image* i) const { heif_image_release(i); }
    void operator()(heif_decoding_options* o) const { heif_decoding_options_free(o); }
};
template <class T> using HeifPtr = std::unique_ptr<T, HeifFree>;

QString Why(const heif_error& e) {
    const QString detail = QString::fromUtf8(e.message).trimmed();
    if (e.code == heif_error_Unsupported_feature && e.subcode == heif_suberror_Unsupported_codec)
        return QCoreApplication::translate(
                   "ImageFileReader",
                   "No decoder for this file's images is installed (libheif: %1).")
            .arg(detail);
    if (e.subcode == heif_suberror_Security_limit_exceeded)
        return QCoreApplication::translate("ImageFileReader",
                                           "The image is too large for the HEIF decoder (%1).")
            .arg(detail);
    return QCoreApplication::translate("ImageFileReader", "The image is damaged or incomplete: %1.")
        .arg(detail);
}

// The file's container and its primary image. The context reads `bytes` without copying them.
struct Primary {
    HeifPtr<heif_context> context;
    HeifPtr<const heif_image_handle> handle;
};

Result<Primary> OpenPrimary(const QByteArray& bytes) {
    Primary p;
    p.context.reset(heif_context_alloc());
    if (!p.context)
        return Result<>::Fail(
            QCoreApplication::translate("ImageFileReader", "Not enough memory to read the file."));
    if (const heif_error e = heif_context_read_from_memory_without_copy(
            p.context.get(), bytes.constData(), static_cast<size_t>(bytes.size()), nullptr);
        e.code != heif_error_Ok)
        return Result<>::Fail(Why(e));
    heif_image_handle* handle = nullptr;
    if (const heif_error e = heif_context_get_primary_image_handle(p.context.get(), &handle);
        e.code != heif_error_Ok)
        return Result<>::Fail(Why(e));
    p.handle.reset(handle);
    return p;
}

bool HasBrand(const QByteArray& head, std::initializer_list<const char*> brands) {
    // Box size, "ftyp", the major brand, the minor version, then the compatible brands.
    const qsizetype end = std::min<qsizetype>(head.size(), qFromBigEndian<quint32>(head.data()));
    for (qsizetype at = 8; at + 4 <= end; at += at == 8 ? 8 : 4)
        for (const char* brand : brands)
            if (head.mid(at, 4) == brand)
                return true;
    return false;
}

} // namespace

ImageFileType HeifDecoder::TypeFromContent(const QByteArray& head) {
    if (head.size() < 12 || head.mid(4, 4) != "ftyp")
        return ImageFileType::Unknown;
    if (HasBrand(head, {"avif", "avis"}))
        return ImageFileType::Avif;
    if (HasBrand(head, {"heic", "heix", "heim", "heis", "hevc", "hevx", "mif1", "msf1"}))
        return ImageFileType::Heif;
    return ImageFileType::Unknown;
}

Result<QSize> HeifDecoder::ReadSize(const QByteArray& bytes) {
    const auto primary = OpenPrimary(bytes);
    if (!primary)
        return primary.status();
    // The size after the file's transformations, as the decoded image has it.
    return QSize(heif_image_handle_get_width(primary->handle.get()),
                 heif_image_handle_get_height(primary->handle.get()));
}

Result<ImageObject> HeifDecoder::Decode(const QByteArray& bytes, ImageFileType type) {
    const auto primary = OpenPrimary(bytes);
    if (!primary)
        return primary.status();
    const heif_image_handle* handle = primary->handle.get();
    const heif_compression_format codec =
        type == ImageFileType::Avif ? heif_compression_AV1 : heif_compression_HEVC;
    if (!heif_have_decoder_for_format(codec))
        return Result<>::Fail(
            QCoreApplication::translate("ImageFileReader", "No decoder for %1 images is installed.")
                .arg(InputTypeTable::Row(type)->Name()));

    HeifPtr<heif_decoding_options> options(heif_decoding_options_alloc());
    // Faults the decoder would only note as warnings fail the decode.
    options->strict_decoding = 1;
    const bool alpha = heif_image_handle_has_alpha_channel(handle);
    heif_image* decoded = nullptr;
    // Interleaved 8-bit channels: deeper images (10, 12 bits) come converted.
    if (const heif_error e = heif_decode_image(
            handle, &decoded, heif_colorspace_RGB,
            alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, options.get());
        e.code != heif_error_Ok) {
        heif_image_release(decoded);
        return Result<>::Fail(Why(e));
    }
    int stride = 0;
    const uint8_t* data = heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int w = heif_image_get_width(decoded, heif_channel_interleaved);
    const int h = heif_image_get_height(decoded, heif_channel_interleaved);
    if (!data || w < 1 || h < 1) {
        heif_image_release(decoded);
        return Result<>::Fail(QCoreApplication::translate(
            "ImageFileReader", "The image is damaged: it decodes to no pixels."));
    }
    // The decoder's own buffer becomes the image's pixels, without a copy: a photo of 48
    // megapixels would otherwise be held twice.
    QImage image(
        data, w, h, stride, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888,
        [](void* img) { heif_image_release(static_cast<heif_image*>(img)); }, decoded);
    if (alpha) {
        // Transparent parts print as white paper.
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, image);
        image = std::move(flat);
    }
    ImageObject img;
    if (const auto r = img.LoadPixels(PixelArray::FromImage(image)); !r)
        return r;
    const heif_color_profile_type profile = heif_image_handle_get_color_profile_type(handle);
    if (profile == heif_color_profile_type_prof || profile == heif_color_profile_type_rICC) {
        QByteArray icc(static_cast<qsizetype>(heif_image_handle_get_raw_color_profile_size(handle)),
                       '\0');
        if (heif_image_handle_get_raw_color_profile(handle, icc.data()).code == heif_error_Ok)
            img.SetIccProfile(std::move(icc));
    }
    return img;
}

} // namespace tessellon
