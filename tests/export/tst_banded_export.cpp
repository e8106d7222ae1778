#include "tests/support/export_test_support.h"

#include "calibration/profile_table.h"
#include "export/banded_photo_source.h"
#include "export/tile_band_plan.h"
#include "export/tile_saver.h"
#include "export/whole_image_source.h"
#include "imaging/decoder_band_source.h"
#include "imaging/image_reducer.h"
#include "imaging/jpeg_codec.h"
#include "imaging/row_box_reducer.h"

#include <QColorSpace>
#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cstring>
#include <memory>

#include <turbojpeg.h>

using namespace tessellon;
using namespace tessellon::testing;

namespace {

QByteArray Segment(char marker, const QByteArray& payload) {
    const qsizetype length = payload.size() + 2;
    return QByteArray("\xff", 1) + marker + char(length >> 8) + char(length & 0xff) + payload;
}

// An EXIF block that says nothing but the orientation (big-endian TIFF, one entry).
QByteArray ExifOrientation(int orientation) {
    QByteArray tiff("MM\0*\0\0\0\x08\0\x01", 10);
    tiff += QByteArray("\x01\x12\0\x03\0\0\0\x01", 8) + char(0) + char(orientation) +
            QByteArray(2, '\0') + QByteArray(4, '\0');
    return QByteArray("Exif\0\0", 6) + tiff;
}

// A JPEG of `pixels` encoded by TurboJPEG as `kind` asks: its chroma subsampling (420, 422,
// 444, or grey), "progressive", "icc" for an embedded colour profile (Adobe RGB), and the EXIF
// orientation.
QByteArray MakeJpeg(const PixelArray& pixels, const QString& kind, int orientation = 1) {
    const int samp = kind.contains(QStringLiteral("grey"))  ? TJSAMP_GRAY
                     : kind.contains(QStringLiteral("444")) ? TJSAMP_444
                     : kind.contains(QStringLiteral("422")) ? TJSAMP_422
                                                            : TJSAMP_420;
    const int flags = kind.contains(QStringLiteral("progressive")) ? TJFLAG_PROGRESSIVE : 0;
    tjhandle handle = tjInitCompress();
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const int failed =
        tjCompress2(handle, pixels.Row(0), pixels.Width(), static_cast<int>(pixels.BytesPerLine()),
                    pixels.Height(), TJPF_RGB, &buffer, &size, samp, 88, flags);
    QByteArray jpeg =
        failed ? QByteArray() : QByteArray(reinterpret_cast<const char*>(buffer), qsizetype(size));
    tjFree(buffer);
    tjDestroy(handle);
    if (jpeg.isEmpty())
        return {};
    QByteArray segments;
    if (kind.contains(QStringLiteral("icc")))
        segments += Segment('\xe2', QByteArray("ICC_PROFILE\0\x01\x01", 14) +
                                        QColorSpace(QColorSpace::AdobeRgb).iccProfile());
    if (orientation != 1)
        segments += Segment('\xe1', ExifOrientation(orientation));
    // After the JFIF segment TurboJPEG writes first.
    const int app0 = (uchar(jpeg[4]) << 8) | uchar(jpeg[5]);
    return jpeg.insert(4 + app0, segments);
}

// A picture with detail everywhere, so that a row taken from the wrong place shows: smooth
// gradients crossed by a fine pattern.
PixelArray PhotoPixels(int w, int h) {
    PixelArray p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            p.Set(0, x, y, static_cast<std::uint8_t>(x * 255 / w + ((x * y) % 7) * 3));
            p.Set(1, x, y, static_cast<std::uint8_t>(y * 255 / h + ((x + 2 * y) % 5) * 4));
            p.Set(2, x, y, static_cast<std::uint8_t>((x * 3 + y * 5) % 256));
        }
    return p;
}

QString WriteJpeg(const QTemporaryDir& dir, QSize size, const QString& kind, int orientation = 1) {
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    const QByteArray jpeg = MakeJpeg(PhotoPixels(size.width(), size.height()), kind, orientation);
    return !jpeg.isEmpty() && WriteAll(path, jpeg) ? path : QString();
}

// A TIFF of the same pixels, as `kind` asks: "tif", its compression ("none", "lzw" or
// "deflate"), its rows per strip or "tiles", and "icc" for an embedded colour profile (Adobe
// RGB).
QString WriteTiffPhoto(const QTemporaryDir& dir, QSize size, const QString& kind) {
    const QString path = dir.filePath(QStringLiteral("photo.tif"));
    const QStringList words = kind.split(u' ');
    const int compression = words.value(1) == u"lzw"       ? COMPRESSION_LZW
                            : words.value(1) == u"deflate" ? COMPRESSION_ADOBE_DEFLATE
                                                           : COMPRESSION_NONE;
    const bool tiled = words.value(2) == u"tiles";
    const QByteArray icc = kind.contains(QStringLiteral("icc"))
                               ? QColorSpace(QColorSpace::AdobeRgb).iccProfile()
                               : QByteArray();
    const PixelArray pixels = PhotoPixels(size.width(), size.height());
    const bool written = WriteTiff(path, size, compression, words.value(2).toInt(), tiled ? 64 : 0,
                                   icc, [&](int y, std::uint8_t* row) {
                                       std::memcpy(row, pixels.Row(y), size_t(size.width()) * 3);
                                   });
    return written ? path : QString();
}

// The photo `kind` asks for: a TIFF when it starts with "tif", else a JPEG.
QString WritePhoto(const QTemporaryDir& dir, QSize size, const QString& kind) {
    return kind.startsWith(QStringLiteral("tif")) ? WriteTiffPhoto(dir, size, kind)
                                                  : WriteJpeg(dir, size, kind);
}

ProfileTable Profiles() {
    return ProfileTable({{QStringLiteral("Kodak photo lab default"), {3, 4, 3, 2}},
                         {QStringLiteral("Wide"), {16, 0, 8, 1}}});
}

// The rows a source hands out, passed on unchanged and recorded as first row and height.
class RecordingSource : public TileSource, public RowBandSource {
public:
    explicit RecordingSource(TileSource& inner) : inner_(inner) {}
    RowBandSource& Rows() override { return *this; }
    OverviewPictureSource& Overview() override { return inner_.Overview(); }

    QSize Size() const override { return inner_.Rows().Size(); }
    QByteArray IccProfile() const override { return inner_.Rows().IccProfile(); }
    Result<> Reserve(int rows) override { return inner_.Rows().Reserve(rows); }
    Result<Band> Rows(int first, int last) override {
        auto band = inner_.Rows().Rows(first, last);
        if (band)
            bands.append({band->top, band->pixels.Height()});
        return band;
    }
    Result<> Finish() override { return inner_.Rows().Finish(); }

    QList<std::pair<int, int>> bands;

private:
    TileSource& inner_;
};

// A row observer that keeps what it is shown.
class KeptRows : public RowObserver {
public:
    KeptRows(int first, int last) : first_(first), last_(last) {}
    std::optional<std::pair<int, int>> RowsWanted() const override {
        return std::pair{first_, last_};
    }
    void AddRow(int y, const std::uint8_t* row) override {
        rows.append({y, QByteArray(reinterpret_cast<const char*>(row), width * 3)});
    }
    int width = 0;
    QList<std::pair<int, QByteArray>> rows;

private:
    int first_, last_;
};

QByteArray RowBytes(const PixelArray& pixels, int y) {
    return QByteArray(reinterpret_cast<const char*>(pixels.Row(y)), pixels.Width() * 3);
}

// What a save made, each file by name with its bytes: the tiles, or the pages of a PDF rendered
// by poppler at 36 dpi, or with `pictures` the pictures it embeds (JPEG files here).
QMap<QString, QByteArray> Made(const SaveOutcome& saved, bool pictures) {
    if (saved.file.isEmpty())
        return Contents(saved.folder);
    const QString folder = saved.file + (pictures ? QStringLiteral("-i") : QStringLiteral("-p"));
    QDir().mkpath(folder);
    Tool(pictures ? QStringLiteral("pdfimages") : QStringLiteral("pdftoppm"),
         (pictures ? QStringList{"-all"} : QStringList{"-r", "36", "-png"})
             << saved.file << folder + "/x");
    return Contents(folder);
}

} // namespace

class TestBandedExport : public QObject {
    Q_OBJECT
private slots:
    // Tile rectangles as "left,top,right,bottom" for a photo `height` rows high give runs of
    // tiles, each with the rows it reads: "first tile+count:first row-last row".
    void bandPlan_data() {
        QTest::addColumn<QStringList>("tiles");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("bands");
        QTest::newRow("two rows edge to edge")
            << QStringList{"0,0,9,49", "10,0,19,49", "0,50,9,99", "10,50,19,99"} << 100
            << "0+2:0-49 2+2:50-99";
        QTest::newRow("overlapping rows share rows")
            << QStringList{"0,0,9,59", "8,0,19,59", "0,40,9,99", "8,40,19,99"} << 100
            << "0+2:0-59 2+2:40-99";
        QTest::newRow("past the last row, which is read again")
            << QStringList{"0,0,9,52", "0,48,9,101"} << 100 << "0+1:0-52 1+1:48-99";
        QTest::newRow("above the first row")
            << QStringList{"0,-3,9,20", "0,21,9,40"} << 41 << "0+1:0-20 1+1:21-40";
        QTest::newRow("one row of tiles")
            << QStringList{"0,0,9,30", "10,0,19,30", "20,0,29,30"} << 31 << "0+3:0-30";
        // A row of tiles above the one before would need rows read already: they share a band.
        QTest::newRow("rows going up join")
            << QStringList{"0,0,9,9", "0,50,9,99", "0,20,9,60", "0,70,9,99"} << 100
            << "0+1:0-9 1+2:20-99 3+1:70-99";
        QTest::newRow("a tile ending higher joins")
            << QStringList{"0,10,9,60", "10,10,19,50"} << 100 << "0+2:10-60";
    }
    void bandPlan() {
        QFETCH(QStringList, tiles);
        QFETCH(int, height);
        QFETCH(QString, bands);
        TileCoordTable table;
        table.count = static_cast<short>(tiles.size());
        for (const QString& t : tiles) {
            const QStringList v = t.split(u',');
            table.tiles.push_back({v[0].toInt(), v[1].toInt(), v[2].toInt(), v[3].toInt()});
        }
        QStringList got;
        for (const TileBand& b : TileBandPlan::For(table, height))
            got << QStringLiteral("%1+%2:%3-%4")
                       .arg(b.firstTile)
                       .arg(b.tileCount)
                       .arg(b.firstRow)
                       .arg(b.lastRow);
        QCOMPARE(got.join(u' '), bands);
    }

    // The rows of every band, and those an observer is shown, are the rows of the photo
    // decoded whole (JpegCodec), whether the bands follow one another, overlap, skip rows or
    // start and end off the decoder's blocks of 8 or 16 rows.
    void bandRows_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("bands");    // first-last ...
        QTest::addColumn<QString>("observed"); // first-last, or empty
        const auto row = [](const char* tag, const char* kind, const char* bands,
                            const char* observed) {
            QTest::newRow(tag) << QString::fromLatin1(kind) << QString::fromLatin1(bands)
                               << QString::fromLatin1(observed);
        };
        row("4:2:0, following, observed all", "420", "0-15 16-40 41-41 42-100", "0-100");
        row("4:2:0, skipped and overlapping, observed inside", "420", "37-60 50-90 131-170",
            "40-150");
        row("4:2:0, skipping to the last rows", "420", "93-120 161-170", "");
        row("4:2:2 progressive, overlapping", "422 progressive", "3-9 5-77 77-80 100-170", "0-170");
        row("4:4:4, skipped", "444", "17-18 33-64", "20-40");
        row("grey, observed past the bands", "grey", "10-20 20-30", "15-160");
    }
    void bandRows() {
        QFETCH(QString, kind);
        QFETCH(QString, bands);
        QFETCH(QString, observed);
        QTemporaryDir dir;
        const QString path = WriteJpeg(dir, QSize(203, 171), kind);
        QVERIFY(!path.isEmpty());
        const auto whole = JpegCodec::Decode(ReadAll(path));
        QVERIFY(whole);
        auto source = DecoderBandSource::Open(path);
        QVERIFY2(source, qPrintable(source.error()));
        const std::unique_ptr<DecoderBandSource> rows = std::move(source).value();
        QCOMPARE(rows->Size(), QSize(203, 171));
        // No observer: none of the rows is kept.
        const int seenFirst = observed.section(u'-', 0, 0).toInt();
        const int seenLast = observed.isEmpty() ? -1 : observed.section(u'-', 1).toInt();
        KeptRows kept(seenFirst, seenLast);
        kept.width = 203;
        if (!observed.isEmpty())
            rows->SetRowObserver(&kept);
        QVERIFY(rows->Reserve(20));
        for (const QString& band : bands.split(u' ')) {
            const int first = band.section(u'-', 0, 0).toInt();
            const int last = band.section(u'-', 1).toInt();
            const auto got = rows->Rows(first, last);
            QVERIFY2(got, qPrintable(got.error()));
            QCOMPARE(got->top, first);
            QCOMPARE(got->pixels.Height(), last - first + 1);
            for (int y = first; y <= last; ++y)
                QVERIFY2(RowBytes(got->pixels, y - first) == RowBytes(whole->pixels, y),
                         qPrintable(QStringLiteral("row %1").arg(y)));
        }
        QVERIFY(rows->Finish());
        QCOMPARE(kept.rows.size(), seenLast - seenFirst + 1);
        for (int i = 0; i < kept.rows.size(); ++i)
            QVERIFY(kept.rows[i] ==
                    std::pair(seenFirst + i, RowBytes(whole->pixels, seenFirst + i)));
    }

    // Rows asked for above the band before cannot be had: the photo is read once, downwards.
    void bandRowsGoDownOnly() {
        QTemporaryDir dir;
        const QString path = WriteJpeg(dir, QSize(64, 64), QStringLiteral("420"));
        auto source = DecoderBandSource::Open(path);
        QVERIFY(source);
        const std::unique_ptr<DecoderBandSource> rows = std::move(source).value();
        QVERIFY(rows->Rows(10, 20));
        QVERIFY(!rows->Rows(9, 30));
        QVERIFY(!rows->Rows(12, 19));
        QVERIFY(rows->Rows(12, 20));
    }

    // A photo that is not upright as stored, or not an RGB or grey JPEG nor a plain TIFF in
    // strips, is not read in bands.
    void notInBands() {
        QTemporaryDir dir;
        QVERIFY(!DecoderBandSource::Open(WriteJpeg(dir, QSize(40, 30), QStringLiteral("420"), 6)));
        QVERIFY(DecoderBandSource::Open(WriteJpeg(dir, QSize(40, 30), QStringLiteral("420"), 1)));
        const QString png = dir.filePath(QStringLiteral("p.png"));
        QVERIFY(PatternImage(40, 30).GetPicture().save(png));
        QVERIFY(!DecoderBandSource::Open(png));
        // A TIFF in strips is read in bands, a tiled one is not.
        QVERIFY(DecoderBandSource::Open(WriteTiffPhoto(dir, QSize(40, 30), "tif lzw 4")));
        QVERIFY(!DecoderBandSource::Open(WriteTiffPhoto(dir, QSize(40, 30), "tif lzw tiles")));
    }

    // Reducing the rows as they pass gives ImageReducer::BoxReduced's picture; rows outside the
    // rectangle change nothing, and a reduction missing rows has no picture.
    void boxReductionFromRows_data() {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<int>("factor");
        QTest::newRow("whole, by 2") << QRect(0, 0, 97, 61) << 2;
        QTest::newRow("inside, by 3, rows left over") << QRect(5, 7, 80, 50) << 3;
        QTest::newRow("by 7") << QRect(1, 2, 90, 55) << 7;
        QTest::newRow("not reduced") << QRect(10, 10, 30, 20) << 1;
    }
    void boxReductionFromRows() {
        QFETCH(QRect, rect);
        QFETCH(int, factor);
        const PixelArray pixels = PhotoPixels(97, 61);
        RowBoxReducer rows(rect, factor);
        QVERIFY(rows.Result().isNull());
        for (int y = 0; y < pixels.Height(); ++y)
            rows.AddRow(y, pixels.Row(y));
        const QImage expected = factor > 1 ? ImageReducer::BoxReduced(pixels.Image(), rect, factor)
                                           : pixels.Image().copy(rect);
        QCOMPARE(rows.Result(), expected.convertToFormat(QImage::Format_RGB32));

        RowBoxReducer missing(rect, factor);
        for (int y = 0; y < pixels.Height(); ++y)
            if (y != rect.top() + 1)
                missing.AddRow(y, pixels.Row(y));
        QVERIFY(missing.Result().isNull());
    }

    // The tiles (and the overview image beside them) of a JPEG read in bands are the very files
    // the photo decoded whole gives: tile rows on and off the decoder's blocks, overlapping,
    // reaching past the photo's last row, cropped so that rows above and below are passed over,
    // sheets turned, edges compensated (also below 64 pixels per inch, resampled), greyscale,
    // progressive, with a colour profile. Its PDF shows the pages of the photo decoded whole, the
    // overview page's picture among them (made from the rows as they passed): the same pages
    // rendered, and the same pictures embedded, byte for byte. And the photo was read in bands:
    // none holds it whole.
    void matchesWholeDecode_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("overlap"); // inches
        QTest::addColumn<int>("profile");    // -1: no edge compensation
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("overview"); // the image beside the tiles, or the PDF's page
        const QSize photo(517, 389), wide(733, 541);
        const auto jpg = ImageFormat::Jpeg, tif = ImageFormat::Tiff, bmp = ImageFormat::Bmp,
                   pdf = ImageFormat::Pdf;
        const auto row = [](const char* tag, QSize size, const char* options, const char* kind,
                            double overlap, int profile, ImageFormat format, bool overview) {
            QTest::newRow(tag) << size << QString::fromLatin1(options) << QString::fromLatin1(kind)
                               << overlap << profile << int(format) << overview;
        };
        row("rows off the blocks", photo, "--tiles 3x2 --custom 6x4 --margins 0", "420", 0, -1, jpg,
            true);
        row("rows on the blocks", {512, 384}, "--tiles 4x3 --custom 6x4 --margins 0", "420", 0, -1,
            jpg, false);
        row("overlap, cropped above and below", photo,
            "--tiles 4x3 --custom 6x4 --margins 0 --zoom 150 --vcenter 130", "420", 0.5, -1, jpg,
            true);
        row("turned sheets, compensated", photo,
            "--tiles 3x4 --custom 6x4 --margins 0 --rotate-tiles", "444", 0.25, 0, tif, false);
        row("unturned, compensated", photo, "--tiles 2x3 --custom 6x4 --margins 0", "420", 0, 1,
            bmp, false);
        row("below 64 ppi, resampled and compensated", photo,
            "--tiles 12x10 --custom 6x4 --margins 0", "420", 0.3, 0, bmp, true);
        row("greyscale, progressive, overlap", photo,
            "--tiles 5x4 --custom 6x4 --margins 0 --zoom 40 --hcenter 20", "grey progressive", 0.75,
            -1, jpg, true);
        row("colour profile, 4:2:2 progressive, turned", photo,
            "--tiles 3x3 --custom 6x4 --margins 0 --rotate-tiles", "422 progressive icc", 0, 1, jpg,
            true);
        row("colour profile, tiff", photo, "--tiles 2x2 --custom 6x4 --margins 0", "420 icc", 0, -1,
            tif, false);
        row("a tile past the last row", {50, 392},
            "--tiles 1x2 --custom 10x5.5 --margins 0 --vcenter 200", "420", 0, -1, bmp, false);
        row("one row of tiles", photo, "--tiles 3x1 --custom 6x12 --margins 0", "420", 0, -1, jpg,
            true);
        // More than twice the overview's 1600 pixels: its picture is averaged in blocks first.
        row("overview reduced in blocks", {4211, 2807},
            "--tiles 3x2 --custom 6x4 --margins 0 --zoom 20 --vcenter 60", "420", 0, -1, jpg, true);
        row("pdf: overlap, colour profile, overview", wide,
            "--tiles 3x2 --paper a4 --zoom 120 --vcenter 70", "420 icc", 0.5, -1, pdf, true);
        row("pdf: turned sheets, compensated, greyscale progressive", wide,
            "--tiles 2x3 --paper letter --rotate-tiles", "grey progressive", 0, 1, pdf, true);
        row("pdf: no overview page", wide, "--tiles 2x2 --custom 6x4 --margins 0.25", "444", 0, -1,
            pdf, false);
        // The overview's picture on an A4 page is about 1100 pixels wide: averaged in blocks.
        row("pdf: overview reduced in blocks", {2203, 3307},
            "--tiles 2x2 --paper a4 --zoom 10 --vcenter 40", "420", 0.3, -1, pdf, true);
        // Plain TIFFs in strips, the rows per strip not dividing the rows of tiles.
        row("tiff uncompressed, overlap, cropped", photo,
            "--tiles 4x3 --custom 6x4 --margins 0 --zoom 150 --vcenter 130", "tif none 7", 0.5, -1,
            jpg, true);
        row("tiff lzw, colour profile, turned, compensated", photo,
            "--tiles 3x4 --custom 6x4 --margins 0 --rotate-tiles", "tif lzw 5 icc", 0.25, 0, tif,
            true);
        row("tiff deflate, one row per strip", photo, "--tiles 2x3 --custom 6x4 --margins 0",
            "tif deflate 1", 0, 1, bmp, false);
        row("pdf: tiff deflate, colour profile, overview", wide,
            "--tiles 3x2 --paper a4 --zoom 120 --vcenter 70", "tif deflate 13 icc", 0.5, -1, pdf,
            true);
        row("pdf: tiff lzw, no overview page", wide, "--tiles 2x2 --custom 6x4 --margins 0.25",
            "tif lzw 64", 0, -1, pdf, false);
    }
    void matchesWholeDecode() {
        QFETCH(QSize, size);
        QFETCH(QString, options);
        QFETCH(QString, kind);
        QFETCH(double, overlap);
        QFETCH(int, profile);
        QFETCH(int, format);
        QFETCH(bool, overview);
        QTemporaryDir dir;
        const QString path = WritePhoto(dir, size, kind);
        QVERIFY(!path.isEmpty());
        auto poster = Poster(options.split(u' '),
                             QStringLiteral("%1x%2").arg(size.width()).arg(size.height()));
        QVERIFY(poster);
        const ProfileTable table = Profiles();
        poster->SetProfileTable(&table);
        if (profile >= 0) {
            poster->SetCurrentProfile(profile);
            poster->SetPrinterClips(true);
        }
        poster->dOverlap = overlap;
        const TileCoordTable tiles = poster->CalcTileCoord();
        QVERIFY(tiles.count > 0);

        const auto save = [&](TileSource& source, const QString& name) {
            RecordingProgress progress;
            TileSaver saver(progress);
            saver.SetThreadCount(3);
            SaveTilesRequest request{dir.path(), name, QStringLiteral("t_"),
                                     *FormatFromCode(format)};
            request.documentName = name + QStringLiteral(".pdf");
            request.aids.overviewImage = request.aids.overviewPage = overview;
            return saver.Save(*poster, source, request, OverwritePolicy::Refuse);
        };
        ImageObject img;
        QVERIFY(img.LoadImageFile(path));
        WholeImageSource whole(img);
        const SaveOutcome expected = save(whole, QStringLiteral("whole"));
        QCOMPARE(expected.status, SaveOutcome::Status::Saved);

        auto opened = BandedPhotoSource::Open(path);
        QVERIFY2(opened, qPrintable(opened.error()));
        RecordingSource banded(**opened);
        const SaveOutcome got = save(banded, QStringLiteral("banded"));
        QVERIFY2(got.status == SaveOutcome::Status::Saved, qPrintable(got.text));

        const bool pdf = format == int(ImageFormat::Pdf);
        for (const bool pictures : {false, true}) {
            if (pictures && !pdf)
                break;
            const QMap<QString, QByteArray> want = Made(expected, pictures);
            QCOMPARE(want.size(), tiles.count + (overview ? 1 : 0));
            const QMap<QString, QByteArray> have = Made(got, pictures);
            QCOMPARE(have.keys(), want.keys());
            for (const QString& name : want.keys())
                QVERIFY2(have[name] == want[name], qPrintable(name));
        }
        QVERIFY(!pdf ||
                !Tool(QStringLiteral("qpdf"), {QStringLiteral("--check"), got.file}).isEmpty());

        // One band per row of tiles, each no taller than its row.
        const int tilesHigh = poster->GetNumTilesHigh();
        QCOMPARE(banded.bands.size(), tilesHigh);
        for (int r = 0; r < tilesHigh; ++r) {
            const TileRect& rect = tiles.tiles[static_cast<size_t>(r * poster->GetNumTilesWide())];
            QCOMPARE(banded.bands[r].first, std::clamp(rect.top, 0, size.height() - 1));
            QCOMPARE(banded.bands[r].second,
                     std::min(rect.bottom, size.height() - 1) - banded.bands[r].first + 1);
        }
    }

    // A photo whose data ends early fails the save, naming the damage, as its whole decode
    // refuses it: where the rows a tile needs are missing, and also where only rows below the
    // poster's window are, which the tiles never read. So does a file that changes while its
    // rows are read. No PDF is left behind.
    void damagedPhotoFails_data() {
        QTest::addColumn<QString>("options");
        QTest::addColumn<int>("keptPercent"); // of the file's bytes; 0: four added once opened
        QTest::addColumn<QString>("reason");
        // A TIFF names no detail of its damage.
        for (const char* kind : {"", "tiff: "}) {
            const QString damaged =
                *kind ? QStringLiteral("The image is damaged or incomplete")
                      : QStringLiteral("The JPEG image is damaged or incomplete: ");
            QTest::addRow("%srows of the tiles missing", kind)
                << "--tiles 2x2 --custom 6x4 --margins 0" << 66 << damaged;
            QTest::addRow("%srows below the window missing", kind)
                << "--tiles 2x1 --custom 6x2 --margins 0 --vcenter 0" << 97 << damaged;
            QTest::addRow("%schanged while read", kind)
                << "--tiles 2x2 --custom 6x4 --margins 0" << 0
                << "The file changed while it was being read";
        }
    }
    void damagedPhotoFails() {
        QFETCH(QString, options);
        QFETCH(int, keptPercent);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = WritePhoto(
            dir, QSize(517, 389),
            QByteArray(QTest::currentDataTag()).startsWith("tiff") ? "tif deflate 1" : "420");
        const QByteArray whole = ReadAll(path);
        if (keptPercent && path.endsWith(u".tif")) {
            // Its directory is at the end: compressed rows are spoilt instead, those at the kept
            // share or, for rows below the window, the last row's, just before the directory.
            const qsizetype directory = qFromLittleEndian<quint32>(whole.constData() + 4);
            const qsizetype at = keptPercent < 90 ? whole.size() * keptPercent / 100 : directory;
            QByteArray spoilt = whole;
            spoilt.replace(at - 128, 128, QByteArray(128, '\xa5'));
            QVERIFY(WriteAll(path, spoilt));
            QVERIFY(!ImageObject().LoadImageFile(path));
        } else if (keptPercent) {
            QVERIFY(WriteAll(path, whole.left(whole.size() * keptPercent / 100)));
            QVERIFY(!ImageObject().LoadImageFile(path));
        }
        auto poster = Poster(options.split(u' '), QStringLiteral("517x389"));
        QVERIFY(poster);
        QVERIFY(poster->CalcTileCoord().tiles.back().bottom < 389 * keptPercent / 100 ||
                keptPercent < 90);
        auto banded = BandedPhotoSource::Open(path);
        QVERIFY(banded);
        QVERIFY(keptPercent || WriteAll(path, whole + "more"));
        RecordingProgress progress;
        TileSaver saver(progress);
        SaveTilesRequest request{dir.path(), {}, QStringLiteral("p_"), ImageFormat::Pdf};
        const SaveOutcome outcome = saver.Save(*poster, **banded, request, OverwritePolicy::Refuse);
        QCOMPARE(outcome.status, SaveOutcome::Status::Failed);
        QVERIFY2(outcome.text.startsWith(
                     QStringLiteral("Error reading the source image\nReason: ") + reason),
                 qPrintable(outcome.text));
        QVERIFY(!QFileInfo::exists(outcome.file));
    }
};

QTEST_MAIN(TestBandedExport)
#include "tst_banded_export.moc"
