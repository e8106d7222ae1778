#pragma once

// Helpers shared by the export tests: pattern images, posters from option lists, and a
// progress window that records what it is told.

#include "cli/cli_app.h"
#include "export/save_progress.h"
#include "imaging/imaging.h"
#include "layout/poster_state.h"
#include "tests/calibration/profile_test_support.h" // ReadAll, WriteAll
#include "tests/cli/cli_run.h"

#include <QCommandLineParser>
#include <QDir>
#include <QImage>
#include <QList>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <tiffio.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace tessellon::testing {

// Runs a tool (poppler's, qpdf, exiftool ...); its standard output, empty when it fails.
inline QString Tool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The names in a folder, hidden ones too, in order; its files, or what `kinds` asks for.
inline QStringList FilesIn(const QString& folder, QDir::Filters kinds = QDir::Files) {
    return QDir(folder).entryList(kinds | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Every file of a folder by name, with its bytes.
inline QMap<QString, QByteArray> Contents(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        files.insert(name, ReadAll(folder + u'/' + name));
    return files;
}

// The page sizes pdfinfo reports, in points.
inline QList<QSizeF> PageSizes(const QString& pdf) {
    QList<QSizeF> sizes;
    static const QRegularExpression re(QStringLiteral("size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    for (const auto& m :
         re.globalMatch(Tool(QStringLiteral("pdfinfo"), {"-f", "1", "-l", "99", pdf})))
        sizes << QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    return sizes;
}

// Page `page` (from 1) of a PDF rendered by poppler at `dpi`, by way of a file in `dir`.
inline QImage RenderPage(const QString& pdf, int page, int dpi, const QString& dir) {
    const QString n = QString::number(page), stem = dir + QStringLiteral("/page");
    Tool(QStringLiteral("pdftoppm"),
         {"-r", QString::number(dpi), "-f", n, "-l", n, "-singlefile", "-png", pdf, stem});
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// The smallest rectangle that holds every pixel of `image` that `wanted` accepts.
inline QRect Bounds(const QImage& image, const std::function<bool(QRgb)>& wanted) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (wanted(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Every pixel different from its neighbours: red = x, green = y, blue = x * 7 + y * 13.
inline PixelArray PatternPixels(int w, int h) {
    PixelArray p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            p.Set(0, x, y, static_cast<std::uint8_t>(x));
            p.Set(1, x, y, static_cast<std::uint8_t>(y));
            p.Set(2, x, y, static_cast<std::uint8_t>(x * 7 + y * 13));
        }
    return p;
}

inline ImageObject PatternImage(int w, int h) {
    ImageObject img;
    if (!img.LoadPixels(PatternPixels(w, h)))
        return {};
    return img;
}

// Writes an 8-bit RGB TIFF of `size` with libtiff a row at a time, so that a large one is never
// held: compressed as `compression` (COMPRESSION_NONE, _LZW, _ADOBE_DEFLATE), in strips of
// `rowsPerStrip` rows or, with `tile` above 0, in tiles of tile x tile pixels; `icc` embedded
// when not empty. `fill(y, row)` gives row y's pixels (width x 3 bytes).
inline bool WriteTiff(const QString& path, QSize size, int compression, int rowsPerStrip, int tile,
                      const QByteArray& icc, const std::function<void(int, std::uint8_t*)>& fill) {
    TIFF* tif = TIFFOpen(QFile::encodeName(path).constData(), "w");
    if (!tif)
        return false;
    const auto w = static_cast<uint32_t>(size.width()), h = static_cast<uint32_t>(size.height());
    bool ok = TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, w) &&
              TIFFSetField(tif, TIFFTAG_IMAGELENGTH, h) &&
              TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, 3) &&
              TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 8) &&
              TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB) &&
              TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG) &&
              TIFFSetField(tif, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT) &&
              TIFFSetField(tif, TIFFTAG_COMPRESSION, compression) &&
              (tile > 0 ? TIFFSetField(tif, TIFFTAG_TILEWIDTH, tile) &&
                              TIFFSetField(tif, TIFFTAG_TILELENGTH, tile)
                        : TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, rowsPerStrip)) &&
              (icc.isEmpty() ||
               TIFFSetField(tif, TIFFTAG_ICCPROFILE, uint32_t(icc.size()), icc.constData()));
    const size_t rowBytes = size_t(w) * 3;
    if (tile <= 0) {
        std::vector<std::uint8_t> row(rowBytes);
        for (uint32_t y = 0; ok && y < h; ++y) {
            fill(int(y), row.data());
            ok = TIFFWriteScanline(tif, row.data(), y, 0) == 1;
        }
    } else {
        // A row of tiles at a time.
        const auto t = static_cast<uint32_t>(tile);
        std::vector<std::uint8_t> rows(rowBytes * t), piece(size_t(t) * t * 3);
        for (uint32_t y = 0; ok && y < h; y += t) {
            for (uint32_t r = 0; r < t && y + r < h; ++r)
                fill(int(y + r), rows.data() + rowBytes * r);
            for (uint32_t x = 0; ok && x < w; x += t) {
                std::fill(piece.begin(), piece.end(), 0);
                for (uint32_t r = 0; r < t && y + r < h; ++r)
                    std::copy_n(rows.data() + rowBytes * r + size_t(x) * 3,
                                size_t(std::min(t, w - x)) * 3, piece.data() + size_t(r) * t * 3);
                ok = TIFFWriteTile(tif, piece.data(), x, y, 0, 0) >= 0;
            }
        }
    }
    TIFFClose(tif);
    return ok;
}

// The image grown by repeating its outermost pixels: t rows on top, r columns right, and so on.
inline QImage Extend(const QImage& in, int t, int r, int b, int l) {
    QImage out(in.width() + l + r, in.height() + t + b, QImage::Format_RGB888);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y,
                         in.pixel(std::clamp(x - l, 0, in.width() - 1),
                                  std::clamp(y - t, 0, in.height() - 1)));
    return out;
}

// The rectangle of `src` (inclusive corners), its last column and row repeated where it reaches
// past the image.
inline QImage Cut(const QImage& src, int left, int top, int right, int bottom) {
    const QRect want(QPoint(left, top), QPoint(right, bottom));
    const QRect inside = want & src.rect();
    return Extend(src.copy(inside), 0, want.width() - inside.width(),
                  want.height() - inside.height(), 0);
}

// A poster built from command-line style options for an image of that size.
inline std::optional<PosterState> Poster(const QStringList& options, const QString& size) {
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    CliApp::AddPosterOptions(p);
    if (!p.parse(QStringList{QStringLiteral("test")} + options))
        return std::nullopt;
    PosterState poster;
    if (CliApp::BuildPoster(p, size, poster))
        return std::nullopt;
    return poster;
}

// Runs the built command-line tool (or `program`) with `args`, as from a shell without a login
// session (where Qt would note a missing runtime folder on stderr); `inChild` runs in the child
// before the program starts (a limit, a mount namespace). The tool is killed after `ms`
// milliseconds, and then the status is -1.
inline CliRun RunCliProcess(const QStringList& args, const std::function<void()>& inChild = {},
                            int ms = 60000, const QString& program = "tessellon-cli") {
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_RUNTIME_DIR", "QT_LOGGING_RULES", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    cli.setProcessEnvironment(env);
    if (inChild)
        cli.setChildProcessModifier(inChild);
    cli.start(QStringLiteral(TESSELLON_BUILD_DIR "/") + program, args);
    const bool ended = cli.waitForFinished(ms);
    if (!ended) {
        cli.kill();
        cli.waitForFinished();
    }
    return {ended && cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
            QString::fromUtf8(cli.readAllStandardOutput()),
            QString::fromUtf8(cli.readAllStandardError())};
}

// Records every call; reports the cancel button pressed from the `cancelAtCheck`-th question
// on (1-based; 0 never).
class RecordingProgress : public SaveProgress {
public:
    explicit RecordingProgress(int cancelAtCheck = 0) : cancelAt_(cancelAtCheck) {}

    void ShowProgressBar(const QString& sMsg) override {
        shown.append(sMsg);
        canceled_ = false;
    }
    void SetProgressVal(double dProg) override { values.append(dProg); }
    bool Canceled() const override {
        ++checks_;
        return canceled_ || (cancelAt_ > 0 && checks_ >= cancelAt_);
    }
    void CloseProgress() override { ++closed; }
    void ShowSaveOkMsg(const QString& sFolderName) override { okFolders.append(sFolderName); }

    QStringList shown;
    QList<double> values;
    int closed = 0;
    QStringList okFolders;

private:
    int cancelAt_;
    mutable int checks_ = 0;
    bool canceled_ = false;
};

} // namespace tessellon::testing
