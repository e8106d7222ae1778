#include "imaging/stoppable_jpeg_decoder.h"

#include "imaging/pixel_array.h"

#include <QFile>

#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>

namespace tessellon {
namespace {

constexpr int kBandRows = 16;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    bool warned = false;
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Warnings (a truncated file, corrupt data) are not printed but remembered.
void NoteWarning(j_common_ptr cinfo, int level) {
    if (level < 0)
        reinterpret_cast<ErrorManager*>(cinfo->err)->warned = true;
}

// What lives across the jump of an error exit is reached through one unchanged pointer.
struct DecodeState {
    jpeg_decompress_struct cinfo{};
    ErrorManager error{};
    PixelArray pixels;
    bool created = false;
    ~DecodeState() {
        if (created)
            jpeg_destroy_decompress(&cinfo);
    }
};

} // namespace

StoppableJpegDecoder::Result StoppableJpegDecoder::Decode(const QString& path,
                                                          const std::atomic_bool& stop) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() <= 0)
        return {};
    Result out = DecodeData(file.readAll(), stop);
    // In the formats Qt's reader gives.
    if (out.outcome == Outcome::Decoded)
        out.image =
            out.image.convertToFormat(out.grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    return out;
}

StoppableJpegDecoder::Result StoppableJpegDecoder::DecodeData(const QByteArray& data,
                                                              const std::atomic_bool& stop) {
    if (data.isEmpty())
        return {};
    const auto state = std::make_unique<DecodeState>();
    jpeg_decompress_struct* cinfo = &state->cinfo;
    cinfo->err = jpeg_std_error(&state->error.pub);
    state->error.pub.error_exit = ErrorExit;
    state->error.pub.emit_message = NoteWarning;
    if (setjmp(state->error.jump))
        return {};
    jpeg_create_decompress(cinfo);
    state->created = true;
    jpeg_mem_src(cinfo, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(cinfo, TRUE);

    // Straight into the three-channel rows the image layer keeps: no second copy of a large
    // photo in another format.
    const bool grey = cinfo->jpeg_color_space == JCS_GRAYSCALE;
    if (!grey && cinfo->num_components != 3)
        return {};
    cinfo->out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(cinfo);
    state->pixels = PixelArray::Uninitialized(static_cast<int>(cinfo->output_width),
                                              static_cast<int>(cinfo->output_height));
    if (state->pixels.IsNull())
        return {};
    jpeg_start_decompress(cinfo);

    JSAMPROW rows[kBandRows];
    while (cinfo->output_scanline < cinfo->output_height) {
        if (stop.load(std::memory_order_relaxed)) {
            jpeg_abort_decompress(cinfo);
            return {Outcome::Stopped, {}};
        }
        const JDIMENSION first = cinfo->output_scanline;
        const int count =
            static_cast<int>(std::min<JDIMENSION>(kBandRows, cinfo->output_height - first));
        for (int i = 0; i < count; ++i)
            rows[i] = state->pixels.MutableRow(static_cast<int>(first) + i);
        jpeg_read_scanlines(cinfo, rows, static_cast<JDIMENSION>(count));
    }
    jpeg_finish_decompress(cinfo);
    if (state->error.warned)
        return {};

    Result out{Outcome::Decoded, state->pixels.Image()};
    out.grey = grey;
    state->pixels = {};
    // The print resolution the file names, as Qt's reader keeps it.
    if (cinfo->density_unit == 1 || cinfo->density_unit == 2) {
        const double inch = cinfo->density_unit == 1 ? 2.54 : 1.0;
        out.image.setDotsPerMeterX(static_cast<int>(100.0 * cinfo->X_density / inch));
        out.image.setDotsPerMeterY(static_cast<int>(100.0 * cinfo->Y_density / inch));
        const double toDpi = cinfo->density_unit == 1 ? 1.0 : 2.54;
        out.dpiX = static_cast<int>(std::lround(cinfo->X_density * toDpi));
        out.dpiY = static_cast<int>(std::lround(cinfo->Y_density * toDpi));
    }
    return out;
}

} // namespace tessellon
