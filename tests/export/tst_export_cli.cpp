#include "tests/support/export_test_support.h"

#include "../cli/cli_run.h"
#include "cli/export_command.h"
#include "imaging/jpeg_codec.h"
#include "tests/support/memory_settings_store.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>
#include <sys/resource.h>

using namespace tessellon;
using namespace tessellon::testing;

namespace {

const QStringList kPoster{"--tiles", "3x2", "--custom", "1x1.25", "--margins", "0"};

QString SavePattern(const QTemporaryDir& dir, const QString& name, ImageFormat format) {
    const QString path = dir.filePath(name);
    return PatternImage(240, 160).SaveImageFile(path, format) ? path : QString();
}

// A JPEG of `size` pixels of one colour, stored with `orientation`, written a row at a time
// (the photo's pixels are never held whole).
bool FlatJpeg(const QString& path, QSize size, int orientation) {
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr error{};
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = static_cast<JDIMENSION>(size.width());
    cinfo.image_height = static_cast<JDIMENSION>(size.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    if (orientation != 1) {
        // EXIF: a big-endian TIFF directory of one entry, the orientation.
        QByteArray exif("Exif\0\0MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01", 24);
        exif += char(0) + QByteArray(1, char(orientation)) + QByteArray(6, '\0');
        jpeg_write_marker(&cinfo, JPEG_APP0 + 1, reinterpret_cast<const JOCTET*>(exif.constData()),
                          static_cast<unsigned>(exif.size()));
    }
    std::vector<JSAMPLE> row;
    for (int x = 0; x < size.width(); ++x)
        row.insert(row.end(), {40, 120, 200});
    JSAMPROW rows[1] = {row.data()};
    while (cinfo.next_scanline < cinfo.image_height)
        jpeg_write_scanlines(&cinfo, rows, 1);
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(file) == 0;
}

} // namespace

class TestExportCli : public QObject {
    Q_OBJECT
private slots:
    void exportDefaults_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QStringList>("extra");
        QTest::newRow("base, format and a trailing separator")
            << "photo.jpg"
            << "t-001.bmp" << QStringList{"--base", "t-", "--format", "bmp"};
        QTest::newRow("JPG in capitals") << "PHOTO.JPG"
                                         << "PHOTO_001.jpg" << QStringList{};
    }
    // An existing folder is used only with --yes; a link named like a tile is replaced itself,
    // the file it points to stays.
    void exportDefaults() {
        QFETCH(QString, name);
        QFETCH(QString, first);
        QFETCH(QStringList, extra);
        QTemporaryDir dir;
        const QString image = SavePattern(dir, name, ImageFormat::Jpeg);
        QVERIFY(!image.isEmpty());
        const QString out = dir.filePath(QStringLiteral("tiles"));
        const QString outside = dir.filePath(QStringLiteral("outside.txt"));
        QVERIFY(QDir().mkdir(out) && WriteAll(outside, "not a tile"));
        QVERIFY(QFile::link(outside, out + u'/' + first));
        const QStringList args =
            QStringList{"export", image, "--out", out + (extra.isEmpty() ? "" : "/")} + kPoster +
            extra;
        const CliRun refused = RunCli(args);
        QCOMPARE(refused.status, 2);
        QVERIFY2(refused.err.startsWith(QStringLiteral("The folder \"") + out +
                                        QStringLiteral("\" already exists Some files could be "
                                                       "overwritten.  Do you want to continue?\n")),
                 qPrintable(refused.err));
        QCOMPARE(FilesIn(out), QStringList{first}); // the link alone
        const CliRun r = RunCli(args + QStringList{"--yes"});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.endsWith(out + u'\n'));
        const QStringList files = FilesIn(out);
        QCOMPARE(files.size(), 6);
        QCOMPARE(files.first(), first);
        QCOMPARE(ReadAll(outside), QByteArray("not a tile"));
        QVERIFY(!QFileInfo(out + u'/' + first).isSymLink());
        const QImage tile = QImageReader(out + u'/' + first).read();
        QCOMPARE(tile.size(), QSize(64, 80));
        QCOMPARE(qRound(tile.dotsPerMeterX() * 0.0254), 64);
    }

    void tileMatchesImage_data() {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("line"); // the tile's line on stdout
        QTest::addColumn<QRect>("cut");    // of the 240 x 160 image, turned clockwise by `angle`
        QTest::addColumn<int>("angle");
        // 2.5 x 2.25 inch poster: window 178 x 160 at x 31; the second column starts 0.75 / 2.5
        // of 178 (53) in, the second row 1 / 2.25 of 160 (71) down; a tile spans 71.2 x 88.9
        // pixels.
        QTest::newRow("overlap") << QStringList{"--overlap", "0.25"} << "tile 5: 84 71 154 159"
                                 << QRect(84, 71, 71, 89) << 0;
        // Turned clockwise, as QImage turns it.
        QTest::newRow("rotated") << QStringList{"--rotate", "90",       "--tiles",
                                                "1x1",      "--custom", "1x1.5"}
                                 << "tile 1: 0 0 159 239" << QRect(0, 0, 240, 160) << 90;
    }
    void tileMatchesImage() {
        QFETCH(QStringList, extra);
        QFETCH(QString, line);
        QFETCH(QRect, cut);
        QFETCH(int, angle);
        QTemporaryDir dir;
        const QString image = SavePattern(dir, QStringLiteral("photo.bmp"), ImageFormat::Bmp);
        const QString out = dir.filePath(QStringLiteral("tiles"));
        const CliRun r = RunCli(QStringList{"export", image, "--out", out} + kPoster + extra);
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains(line), qPrintable(r.out));
        const QString file = QStringLiteral("/photo_00%1.bmp").arg(line.mid(5, 1));
        QCOMPARE(QImage(out + file).convertToFormat(QImage::Format_RGB32),
                 QImage(image)
                     .copy(cut)
                     .transformed(QTransform().rotate(angle))
                     .convertToFormat(QImage::Format_RGB32));
    }

    void badInput_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message"); // the start of stderr
        const auto row = [](const char* tag, const char* setup, const QStringList& extra,
                            int status, const char* message) {
            QTest::newRow(tag) << QString::fromLatin1(setup) << extra << status
                               << QString::fromLatin1(message);
        };
        row("zero-byte image", "empty", {}, 1, "Cannot read image file ");
        row("20 x 30 image", "tiny", {}, 2, "The image you selected is EXTREMELY small.");
        row("bad format", "", {"--format", "png"}, 2, "Invalid --format value");
        row("missing --out", "noOut", {}, 2, "export needs --out");
        row("short name", "shortName", {}, 2, "Invalid file chosen.  Can not continue.");
        row("separator in --base", "", {"--base", "a/b"}, 2, "Invalid --base value");
        row("hidden --base", "", {"--base", ".tile"}, 2, "Invalid --base value");
        row("--format against .pdf", "pdfOut", {"--format", "jpg"}, 2,
            "--format jpg disagrees with --out poster.PDF, which names a pdf file");
        row("pdf against .jpg", "jpgOut", {"--format", "pdf"}, 2,
            "--format pdf disagrees with --out poster.jpg, which names a jpg file");
    }
    void badInput() {
        QFETCH(QString, setup);
        QFETCH(QStringList, extra);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QString image = SavePattern(dir, QStringLiteral("photo.jpg"), ImageFormat::Jpeg);
        const QString out = dir.filePath(setup == u"pdfOut"   ? QStringLiteral("poster.PDF")
                                         : setup == u"jpgOut" ? QStringLiteral("poster.jpg")
                                                              : QStringLiteral("tiles"));
        if (setup == u"empty") {
            QVERIFY(WriteAll(image, QByteArray()));
        } else if (setup == u"tiny") {
            QVERIFY(PatternImage(20, 30).SaveImageFile(image, ImageFormat::Jpeg));
        } else if (setup == u"shortName") {
            QVERIFY(QFile::rename(image, dir.filePath(QStringLiteral(".jpg"))));
            image = dir.filePath(QStringLiteral(".jpg"));
        }
        QStringList args{"export", image};
        if (setup != u"noOut")
            args << QStringLiteral("--out") << out;
        const CliRun r = RunCli(args + kPoster + extra);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.startsWith(message), qPrintable(r.err));
        QCOMPARE(r.err.count(u'\n'), 1);
        QVERIFY(!QFileInfo::exists(out));
    }

    // 2 x 2 tiles of 20 x 20 pixels cut from a 40 x 40 BMP, the second row beyond the memory.
    void outOfMemoryEndsTheSave() {
        QTemporaryDir dir;
        const QString image = dir.filePath(QStringLiteral("in.bmp"));
        QVERIFY(QImage(40, 40, QImage::Format_RGB888).save(image));
        QString out, err;
        QTextStream o(&out), e(&err);
        MemorySettingsStore settings;
        settings.SetRaw(PrefValue::AppDir, dir.path());
        ExportCommand command(o, e, false, &settings);
        command.SetRenderFunction([](const PixelArray& source, const TileSaver::TileJob& job) {
            if (job.rect.top > 0)
                throw std::bad_alloc();
            return TileSaver::RenderTile(source, job);
        });
        QCOMPARE(command.Run({"tessellon-cli", image, "--out", dir.filePath(QStringLiteral("out")),
                              "--tiles", "2x2", "--custom", "1x1", "--margins", "0"}),
                 1);
        e.flush();
        QCOMPARE(err, QStringLiteral("Error saving tile image file to disk.  A possible cause "
                                     "is that the disk is full.  Can not continue. Reason: Not "
                                     "enough memory\n"));
        // The tiles before are complete.
        QCOMPARE(FilesIn(dir.filePath(QStringLiteral("out"))),
                 (QStringList{"in_001.bmp", "in_002.bmp"}));
        QCOMPARE(QImage(dir.filePath(QStringLiteral("out/in_002.bmp"))).size(), QSize(20, 20));
    }

    // Under an address-space limit a photo that could not be cut is refused before any tile,
    // naming the memory it needs (4000 x 4000 x 3 bytes: 46 MB); with room it is cut. An
    // upright JPEG is read a band of rows at a time: it is cut under a limit below the size of
    // its decoded pixels (12000 x 8000 x 3 bytes: 275 MB), into the tiles the whole decode
    // gives, while the same photo turned (by --rotate or its orientation tag) is decoded whole
    // and refused. So is a plain TIFF in strips (written a strip at a time here, so that the test
    // never holds it), while a tiled one is decoded whole and refused. The limits were found by
    // running the tool: 25 x 25 tiles of the large photo are cut from about 170 MB on.
    void addressSpaceLimit_data() {
        QTest::addColumn<QSize>("photo");
        QTest::addColumn<QString>("kind"); // jpg, tif (strips) or tiled (a tiled TIFF)
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("limitMb");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message"); // in stderr; empty: stderr is empty
        QTest::addColumn<int>("files");
        const QSize small(4000, 4000), large(12000, 8000);
        const QStringList many{"--tiles", "25x25", "--custom", "6x4", "--margins", "0"};
        QTest::newRow("turned, refused") << small << "jpg" << 1 << QStringList{"--rotate", "90"}
                                         << 384 << 1 << "4000 x 4000 pixels need 46 MB" << 0;
        QTest::newRow("turned, room")
            << small << "jpg" << 1 << QStringList{"--rotate", "90"} << 1024 << 0 << "" << 4;
        QTest::newRow("upright, in bands")
            << small << "jpg" << 1 << QStringList{} << 384 << 0 << "" << 4;
        QTest::newRow("larger than the limit, in bands")
            << large << "jpg" << 1 << many << 256 << 0 << "" << 625;
        QTest::newRow("larger than the limit, turned by --rotate")
            << large << "jpg" << 1 << QStringList{"--rotate", "180"} + many << 256 << 1
            << "12000 x 8000 pixels need 275 MB" << 0;
        QTest::newRow("larger than the limit, turned by its tag")
            << large << "jpg" << 6 << many << 256 << 1 << "8000 x 12000 pixels need 275 MB" << 0;
        // A plain TIFF in strips is read in bands too; a tiled one is decoded whole.
        QTest::newRow("larger than the limit, TIFF in strips, in bands")
            << large << "tif" << 1 << many << 256 << 0 << "" << 625;
        QTest::newRow("larger than the limit, tiled TIFF")
            << large << "tiled" << 1 << many << 256 << 1 << "12000 x 8000 pixels need 275 MB" << 0;
        // info tells what export would do: the layout of the photo it can cut.
        QTest::newRow("info, larger than the limit, in bands")
            << large << "jpg" << 1 << QStringList{"info"} + many << 256 << 0 << "" << 0;
        QTest::newRow("info, larger than the limit, turned by its tag")
            << large << "jpg" << 6 << QStringList{"info"} + many << 256 << 1
            << "8000 x 12000 pixels need 275 MB" << 0;
    }
    void addressSpaceLimit() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("The sanitizer's shadow memory needs an unlimited address space");
#endif
        QFETCH(QSize, photo);
        QFETCH(QString, kind);
        QFETCH(int, orientation);
        QFETCH(QStringList, options);
        QFETCH(int, limitMb);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(int, files);
        QTemporaryDir dir;
        const QString image =
            dir.filePath(kind == u"jpg" ? QStringLiteral("big.jpg") : QStringLiteral("big.tif"));
        // The TIFF's rows differ, so that a row taken from the wrong place shows.
        QVERIFY(kind == u"jpg"
                    ? FlatJpeg(image, photo, orientation)
                    : WriteTiff(image, photo, COMPRESSION_LZW, 7, kind == u"tiled" ? 256 : 0, {},
                                [w = photo.width()](int y, std::uint8_t* row) {
                                    std::memset(row, y % 251, size_t(w) * 3);
                                    row[(y * 7) % (w * 3)] = 255;
                                }));
        const QString out = dir.filePath(QStringLiteral("tiles"));
        const rlim_t limit = rlim_t(limitMb) << 20;
        // Options starting with "info" ask for the layout instead of the tiles.
        const bool info = options.value(0) == u"info";
        const CliRun r = RunCliProcess(info ? QStringList{"info", image} + options.mid(1)
                                            : QStringList{"export", image, "--out", out} + options,
                                       [limit] {
                                           const rlimit as{limit, limit};
                                           setrlimit(RLIMIT_AS, &as);
                                       });
        QCOMPARE(r.status, status);
        if (message.isEmpty())
            QCOMPARE(r.err, QString());
        else
            QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(FilesIn(out).size(), files);
        if (files == 0 || qint64(photo.width()) * photo.height() * 3 < qint64(limit))
            return;
        // The tiles cut within the limit are those of the photo decoded whole, without one.
        const QString whole = dir.filePath(QStringLiteral("whole"));
        QCOMPARE(
            RunCliProcess(QStringList{"export", image, "--out", whole, "--decode-whole"} + options)
                .status,
            0);
        QVERIFY(Contents(whole) == Contents(out));
    }

    // Where no thread can be started (each would reserve a stack larger than the address space
    // left), every output is still made, identical, on the threads there are: none of the
    // program's or Qt's waits for a thread that never started.
    void withoutThreads_data() {
        QTest::addColumn<QString>("format");
        for (const char* f : {"jpg", "tif", "bmp", "pdf"})
            QTest::newRow(f) << QString::fromLatin1(f);
    }
    void withoutThreads() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("The sanitizer's shadow memory needs an unlimited address space");
#endif
        QFETCH(QString, format);
        QTemporaryDir dir;
        const QString image = dir.filePath(QStringLiteral("p.jpg"));
        QVERIFY(FlatJpeg(image, QSize(1800, 1200), 1));
        const auto out = [&](const QString& run) {
            return dir.filePath(format == u"pdf" ? run + QStringLiteral(".pdf") : run);
        };
        const QStringList options{"export", image, "--tiles", "3x3", "--format", format};
        QCOMPARE(RunCliProcess(options + QStringList{"--out", out("free")}).status, 0);
        const CliRun r = RunCliProcess(
            options + QStringList{"--out", out("limited")},
            [] {
                const rlimit stack{rlim_t(2) << 30, rlim_t(2) << 30};
                const rlimit as{rlim_t(1536) << 20, rlim_t(1536) << 20};
                setrlimit(RLIMIT_STACK, &stack);
                setrlimit(RLIMIT_AS, &as);
            },
            20000);
        QCOMPARE(r.status, 0);
        if (format == u"pdf") {
            QCOMPARE(QFileInfo(out("limited")).size(), QFileInfo(out("free")).size());
            return;
        }
        QVERIFY(Contents(out("limited")) == Contents(out("free")));
    }

    void target() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.tif"));
        const CliRun r = RunCli({"target", "--out", path, "--units", "mm", "--custom",
                                 "101.6x152.4", "--margins", "0"});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, path + u'\n');
        const QImage img = QImageReader(path).read();
        QCOMPARE(img.size(), QSize(512, 768));
        QCOMPARE(qRound(img.dotsPerMeterX() * 0.0254), 128);
        QCOMPARE(img.pixel(8, 8), qRgb(0, 0, 255));
        // Only the paper (here the default 6 x 4 inches) decides the size, whatever files the
        // working folder holds.
        QVERIFY(WriteAll(dir.filePath(QStringLiteral("1000x1000")), "not an image"));
        const QString old = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const CliRun d = RunCli({"target", "--out", dir.filePath(QStringLiteral("t.bmp"))});
        QDir::setCurrent(old);
        QCOMPARE(d.err, QString());
        QCOMPARE(QImageReader(dir.filePath(QStringLiteral("t.bmp"))).size(), QSize(768, 512));
    }

    void targetBadInput() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("plain"));
        QVERIFY(WriteAll(file, "x"));
        for (const auto& [out, status, message] :
             {std::tuple{"/tmp/x.jpeg", 2,
                         "Invalid image filename.  Must save image as bmp, tif or jpg file"},
              {"", 2, "target needs --out"},
              {"UNDERFILE/t.bmp", 1, "Error occurred while saving image to disk - "}}) {
            QStringList args{"target", "--custom", "4x6", "--margins", "0"};
            if (*out)
                args << QStringLiteral("--out")
                     << QString::fromLatin1(out).replace("UNDERFILE", file);
            const CliRun r = RunCli(args);
            QCOMPARE(r.status, status);
            QVERIFY2(r.err.startsWith(QLatin1String(message)), qPrintable(r.err));
        }
    }
};

QTEST_MAIN(TestExportCli)
#include "tst_export_cli.moc"
