#include "imaging/jpeg_row_decoder.h"

#include "imaging/watched_file.h"

#include <QCoreApplication>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <functional>
#include <vector>

#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

namespace tessellon {
namespace {

constexpr qint64 kReadBlock = qint64(64) << 10;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    QString warning; // the first warning, in the library's words
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Warnings (a truncated file, corrupt data) are remembered and end the decode after the call.
void NoteWarning(j_common_ptr cinfo, int level) {
    auto* error = reinterpret_cast<ErrorManager*>(cinfo->err);
    if (level >= 0 || !error->warning.isEmpty())
        return;
    char text[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, text);
    error->warning = QString::fromLocal8Bit(text);
}

QString LibraryMessage(j_common_ptr cinfo) {
    char text[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, text);
    return QString::fromLocal8Bit(text);
}

QString Damaged(const QString& why) {
    return QCoreApplication::translate("JpegCodec", "The JPEG image is damaged or incomplete: %1")
        .arg(why);
}

// The file fed to the decoder a block at a time; the blocks before the first scan are kept, so
// that the header segments can be read exactly as from the whole file.
struct FileSource {
    jpeg_source_mgr pub;
    QFile* file = nullptr;
    QByteArray block;
    QByteArray* header = nullptr; // collects the bytes read while the header is read
};

void InitSource(j_decompress_ptr) {}

boolean FillInput(j_decompress_ptr cinfo) {
    auto* src = reinterpret_cast<FileSource*>(cinfo->src);
    const qint64 n = src->file->read(src->block.data(), src->block.size());
    if (n <= 0) {
        // As libjpeg's own sources do: a warning, then an end-of-image marker.
        WARNMS(cinfo, JWRN_JPEG_EOF);
        static const JOCTET eoi[2] = {0xff, JPEG_EOI};
        src->pub.next_input_byte = eoi;
        src->pub.bytes_in_buffer = 2;
        return TRUE;
    }
    if (src->header)
        src->header->append(src->block.constData(), static_cast<qsizetype>(n));
    src->pub.next_input_byte = reinterpret_cast<const JOCTET*>(src->block.constData());
    src->pub.bytes_in_buffer = static_cast<size_t>(n);
    return TRUE;
}

void SkipInput(j_decompress_ptr cinfo, long count) {
    auto* src = reinterpret_cast<FileSource*>(cinfo->src);
    while (count > static_cast<long>(src->pub.bytes_in_buffer)) {
        count -= static_cast<long>(src->pub.bytes_in_buffer);
        FillInput(cinfo);
    }
    if (count > 0) {
        src->pub.next_input_byte += count;
        src->pub.bytes_in_buffer -= static_cast<size_t>(count);
    }
}

void TermSource(j_decompress_ptr) {}

} // namespace

// What lives across the jump of an error exit is reached through this one unchanged object.
struct JpegRowDecoder::State {
    jpeg_decompress_struct cinfo{};
    ErrorManager error{};
    FileSource source{};
    WatchedFile file;
    QByteArray header; // the file's start, up to its first scan, while the header is read
    JpegSegments segments;
    qint64 wholePhotoBytes = 0;
    bool created = false;
    bool started = false;
    bool finished = false;
    QString failure; // set once the decode has failed: every later call fails with it

    ~State() {
        if (created)
            jpeg_destroy_decompress(&cinfo);
    }
};

JpegRowDecoder::JpegRowDecoder(std::unique_ptr<State> state) : d_(std::move(state)) {}

JpegRowDecoder::~JpegRowDecoder() = default;

Result<std::unique_ptr<JpegRowDecoder>> JpegRowDecoder::Open(const QString& path) {
    auto d = std::make_unique<State>();
    if (const auto opened = d->file.Open(path); !opened)
        return opened;

    jpeg_decompress_struct* cinfo = &d->cinfo;
    cinfo->err = jpeg_std_error(&d->error.pub);
    d->error.pub.error_exit = ErrorExit;
    d->error.pub.emit_message = NoteWarning;
    if (setjmp(d->error.jump))
        return Result<>::Fail(Damaged(LibraryMessage(reinterpret_cast<j_common_ptr>(cinfo))));
    jpeg_create_decompress(cinfo);
    d->created = true;
    d->source.file = &d->file.File();
    d->source.block = QByteArray(kReadBlock, Qt::Uninitialized);
    d->source.header = &d->header;
    d->source.pub.init_source = InitSource;
    d->source.pub.fill_input_buffer = FillInput;
    d->source.pub.skip_input_data = SkipInput;
    d->source.pub.resync_to_restart = jpeg_resync_to_restart;
    d->source.pub.term_source = TermSource;
    cinfo->src = &d->source.pub;
    jpeg_read_header(cinfo, TRUE);
    d->source.header = nullptr;
    if (!d->error.warning.isEmpty())
        return Result<>::Fail(Damaged(d->error.warning));

    const bool grey = cinfo->jpeg_color_space == JCS_GRAYSCALE && cinfo->num_components == 1;
    const bool rgb = cinfo->num_components == 3 &&
                     (cinfo->jpeg_color_space == JCS_YCbCr || cinfo->jpeg_color_space == JCS_RGB);
    if (cinfo->data_precision != 8 || (!grey && !rgb))
        return Result<>::Fail(QCoreApplication::translate(
            "JpegCodec", "CMYK JPEG images are not supported by this decoder"));
    d->segments = JpegSegments::Read(d->header);
    d->header = QByteArray();
    // The settings TurboJPEG decodes with for JpegCodec::Decode: the same pixels, row by row.
    cinfo->out_color_space = JCS_EXT_RGB;
    if (jpeg_has_multiple_scans(cinfo)) {
        // As the coefficient controller allocates them: whole MCUs of 64 coefficients.
        for (int c = 0; c < cinfo->num_components; ++c) {
            const jpeg_component_info& comp = cinfo->comp_info[c];
            const auto up = [](qint64 v, qint64 m) { return (v + m - 1) / m * m; };
            d->wholePhotoBytes += up(comp.width_in_blocks, comp.h_samp_factor) *
                                  up(comp.height_in_blocks, comp.v_samp_factor) * DCTSIZE2 *
                                  qint64(sizeof(JCOEF));
        }
    }
    return std::unique_ptr<JpegRowDecoder>(new JpegRowDecoder(std::move(d)));
}

QSize JpegRowDecoder::Size() const {
    return {static_cast<int>(d_->cinfo.image_width), static_cast<int>(d_->cinfo.image_height)};
}

const JpegSegments& JpegRowDecoder::Segments() const {
    return d_->segments;
}

qint64 JpegRowDecoder::WholePhotoBytes() const {
    return d_->wholePhotoBytes;
}

int JpegRowDecoder::NextRow() const {
    return d_->started ? static_cast<int>(d_->cinfo.output_scanline) : 0;
}

Result<> JpegRowDecoder::Guarded(const std::function<void()>& step) {
    if (!d_->failure.isEmpty())
        return Result<>::Fail(d_->failure);
    // An error exit of the library lands here; the decode cannot go on after it.
    if (setjmp(d_->error.jump)) {
        d_->failure = Damaged(LibraryMessage(reinterpret_cast<j_common_ptr>(&d_->cinfo)));
        return Result<>::Fail(d_->failure);
    }
    step();
    if (!d_->error.warning.isEmpty())
        d_->failure = Damaged(d_->error.warning);
    return d_->failure.isEmpty() ? Result<>::Ok() : Result<>::Fail(d_->failure);
}

Result<> JpegRowDecoder::Start() {
    if (d_->started)
        return d_->failure.isEmpty() ? Result<>::Ok() : Result<>::Fail(d_->failure);
    d_->started = true;
    return Guarded([this] { jpeg_start_decompress(&d_->cinfo); });
}

Result<> JpegRowDecoder::Skip(int count) {
    if (const auto started = Start(); !started)
        return started;
    const int rest = static_cast<int>(d_->cinfo.output_height - d_->cinfo.output_scanline);
    if (count < 1 || rest < 1)
        return Result<>::Ok();
    // The library passes over the rest of the picture without reading the file when asked to
    // skip to its end, and a file cut short would go unnoticed: the last row is read.
    const auto n = static_cast<JDIMENSION>(std::min(count, rest - 1));
    if (n > 0)
        if (const auto skipped = Guarded([this, n] { jpeg_skip_scanlines(&d_->cinfo, n); });
            !skipped)
            return skipped;
    if (count < rest)
        return Result<>::Ok();
    std::vector<std::uint8_t> last(static_cast<size_t>(d_->cinfo.output_width) *
                                   static_cast<size_t>(d_->cinfo.output_components));
    std::uint8_t* row = last.data();
    return Read(&row, 1);
}

Result<> JpegRowDecoder::Read(std::uint8_t* const* rows, int count) {
    if (const auto started = Start(); !started)
        return started;
    if (count > static_cast<int>(d_->cinfo.output_height - d_->cinfo.output_scanline))
        return Result<>::Fail(QStringLiteral("Rows asked for past the picture's end"));
    return Guarded([this, rows, count] {
        int done = 0;
        while (done < count && d_->error.warning.isEmpty())
            done += static_cast<int>(jpeg_read_scanlines(&d_->cinfo,
                                                         const_cast<JSAMPARRAY>(rows + done),
                                                         static_cast<JDIMENSION>(count - done)));
    });
}

Result<> JpegRowDecoder::Finish() {
    if (d_->finished)
        return Result<>::Ok();
    if (const auto started = Start(); !started)
        return started;
    if (const auto rest =
            Skip(static_cast<int>(d_->cinfo.output_height - d_->cinfo.output_scanline));
        !rest)
        return rest;
    if (const auto done = Guarded([this] { jpeg_finish_decompress(&d_->cinfo); }); !done)
        return done;
    if (const auto same = d_->file.CheckUnchanged(); !same) {
        d_->failure = same.error();
        return same;
    }
    d_->finished = true;
    return Result<>::Ok();
}

} // namespace tessellon
