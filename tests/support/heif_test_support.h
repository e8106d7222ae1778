#pragma once

// HEIC and AVIF files for the tests, made with libheif's own tools (libheif-examples), and
// their pixels as those tools decode them, independently of the program's reader.

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <libheif/heif.h>

#include <cstring>

namespace tessellon::testing {

// Why the tools cannot be used; empty when heif-enc and heif-convert are there.
inline QString HeifToolsMissing() {
    for (const char* tool : {"heif-enc", "heif-convert"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            return QStringLiteral("%1 is missing: install libheif-examples (./setup.sh)")
                .arg(QLatin1String(tool));
    return {};
}

inline bool RunHeifTool(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// `image` written to `path` by heif-enc, as AVIF when the name ends in .avif, else HEIC (the
// tool goes by the name, so it writes to a name it knows and the file is renamed); `options`
// come after the quality of 95 and may change it.
inline bool HeifEncode(const QImage& image, const QString& path, const QStringList& options = {}) {
    const QString png = path + QStringLiteral(".src.png");
    const QString out = path + (path.endsWith(QLatin1String(".avif")) ? QStringLiteral(".avif")
                                                                      : QStringLiteral(".heic"));
    const bool ok = image.save(png, "PNG") &&
                    RunHeifTool(QStringLiteral("heif-enc"),
                                QStringList{QStringLiteral("-q"), QStringLiteral("95")} + options +
                                    QStringList{QStringLiteral("-o"), out, png});
    QFile::remove(png);
    QFile::remove(path);
    return ok && QFile::rename(out, path);
}

// A HEIC of the pixels of `image` stored as they are, which asks through its transformation
// boxes to be shown with EXIF-numbered `orientation`; heif-enc has no option for that, so
// libheif's encoder is called directly.
inline bool HeicWithOrientation(const QImage& image, int orientation, const QString& path) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    heif_context* ctx = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    heif_image* img = nullptr;
    heif_encoding_options* options = heif_encoding_options_alloc();
    bool ok =
        heif_context_get_encoder_for_format(ctx, heif_compression_HEVC, &encoder).code ==
            heif_error_Ok &&
        heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB,
                          heif_chroma_interleaved_RGB, &img)
                .code == heif_error_Ok &&
        heif_image_add_plane(img, heif_channel_interleaved, rgb.width(), rgb.height(), 8).code ==
            heif_error_Ok;
    if (ok) {
        int stride = 0;
        uint8_t* plane = heif_image_get_plane(img, heif_channel_interleaved, &stride);
        for (int y = 0; y < rgb.height(); ++y)
            std::memcpy(plane + y * stride, rgb.constScanLine(y), size_t(rgb.width()) * 3);
        heif_encoder_set_lossy_quality(encoder, 95);
        options->image_orientation = static_cast<heif_orientation>(orientation);
        ok = heif_context_encode_image(ctx, img, encoder, options, nullptr).code == heif_error_Ok &&
             heif_context_write_to_file(ctx, QFile::encodeName(path).constData()).code ==
                 heif_error_Ok;
    }
    heif_encoding_options_free(options);
    heif_image_release(img);
    if (encoder)
        heif_encoder_release(encoder);
    heif_context_free(ctx);
    return ok;
}

// The file as heif-convert decodes it (transformations applied), over white paper, in RGB888;
// null on failure.
inline QImage HeifReference(const QString& path) {
    const QString png = path + QStringLiteral(".ref.png");
    if (!RunHeifTool(QStringLiteral("heif-convert"), {path, png}))
        return {};
    const QImage decoded(png);
    QFile::remove(png);
    QImage out(decoded.size(), QImage::Format_RGB888);
    out.fill(Qt::white);
    QPainter(&out).drawImage(0, 0, decoded);
    return out;
}

// The largest difference of one channel between two images of one size; 255 when the sizes
// differ.
inline int MaxChannelDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull())
        return 255;
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

} // namespace tessellon::testing
