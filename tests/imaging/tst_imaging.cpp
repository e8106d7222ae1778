#include "tests/support/export_test_support.h"
#include "tests/support/heif_test_support.h" // MaxChannelDifference

#include "common/string_table.h"
#include "imaging/batched_file_writer.h"
#include "imaging/bmp_codec.h"
#include "imaging/jpeg_codec.h"
#include "imaging/page_prefetcher.h"
#include "imaging/stoppable_jpeg_decoder.h"
#include "imaging/tiff_codec.h"
#include "imaging/tile_renderer.h"
#include "print/edge_test_target.h"
#include "print/edge_test_target_texts.h"

#include <QColorSpace>
#include <QImageWriter>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstring>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tessellon;
using namespace tessellon::testing;

namespace {

// A smooth image: JPEG keeps it within a few levels.
PixelArray SmoothPixels(int w, int h) {
    PixelArray p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                p.Set(c, x, y, std::uint8_t(c == 0 ? 40 + x : c == 1 ? 200 - y : 90));
    return p;
}

} // namespace

class TestImaging : public QObject {
    Q_OBJECT
private slots:
    // Batches of two: after Finish every file is there with its bytes (a link of its name
    // replaced, a replaced file keeping its permissions, nothing hidden left over); a kill
    // leaves the handed-over batches complete and the last file, never handed over, absent.
    void batchedWrites() {
        for (const bool killed : {false, true}) { // killed before Finish, by SIGKILL
            const int files = 5;
            QTemporaryDir dir;
            const auto name = [&](int i) { return dir.filePath(QStringLiteral("t%1").arg(i)); };
            const auto bytes = [](int i) { return QByteArray(100000 * (i + 1), char('a' + i)); };
            QVERIFY(WriteAll(name(0), "old"));
            QVERIFY(QFile::setPermissions(name(0), QFile::ReadOwner | QFile::WriteOwner));
            QVERIFY(WriteAll(dir.filePath(QStringLiteral("outside")), "outside"));
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("outside")), name(1)));
            const auto write = [&] {
                BatchedFileWriter writer(2);
                for (int i = 0; i < files; ++i)
                    if (!writer.Write(name(i), bytes(i)))
                        return false;
                if (killed)
                    raise(SIGKILL);
                return bool(writer.Finish());
            };
            if (killed) {
                const pid_t child = fork();
                if (child == 0)
                    _exit(write() ? 0 : 1);
                int status = 0;
                QCOMPARE(waitpid(child, &status, 0), child);
                QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
            } else {
                QVERIFY(write());
            }
            for (int i = 0; i < files; ++i) {
                const bool present = QFileInfo::exists(name(i));
                QVERIFY(!present || ReadAll(name(i)) == bytes(i)); // complete or absent
                if (!killed || i < 2)
                    QVERIFY(present);
            }
            QCOMPARE(QFileInfo::exists(name(files - 1)), !killed);
            QCOMPARE(ReadAll(dir.filePath(QStringLiteral("outside"))), QByteArray("outside"));
            QCOMPARE(QFile::permissions(name(0)) & 0x7077,
                     QFile::ReadOwner | QFile::WriteOwner); // not the user bits
            if (!killed)
                QCOMPARE(QDir(dir.path()).entryList(QDir::Hidden | QDir::Files).size(), files + 1);
        }
    }

    // The direct writers give byte for byte what Qt's plugins write for the same picture, and
    // the direct readers read Qt's files as Qt does.
    void codecsMatchQt() {
        // Format, region, dpi (254 is a whole number of dots per centimetre), profile, LZW (written
        // by Qt compressed: read only). A TIFF of two strips, a BMP of odd width.
        const QList<std::tuple<QByteArray, QRect, int, bool, bool>> cases{
            {"tiff", {0, 0, 61, 40}, 300, false, false},
            {"tiff", {5, 3, 33, 21}, 254, true, false},
            {"tiff", {0, 0, 1300, 1200}, 150, false, false},
            {"tiff", {0, 0, 61, 40}, 72, true, true},
            {"bmp", {1, 2, 61, 40}, 173, false, false},
            {"bmp", {0, 0, 64, 40}, 254, false, false}};
        const PixelArray source = PatternPixels(1300, 1200);
        for (const auto& [format, region, dpi, profile, lzw] : cases) {
            const QByteArray icc =
                profile ? QColorSpace(QColorSpace::SRgb).iccProfile() : QByteArray();
            QImage picture = source.Image().copy(region);
            picture.setDotsPerMeterX(qRound(dpi / 0.0254));
            picture.setDotsPerMeterY(qRound(dpi / 0.0254));
            if (profile)
                picture.setColorSpace(QColorSpace::fromIccProfile(icc));
            QByteArray qt;
            QBuffer buffer(&qt);
            QVERIFY(buffer.open(QIODevice::WriteOnly));
            QImageWriter writer(&buffer, format);
            writer.setCompression(lzw ? 1 : 0);
            QVERIFY(writer.write(picture));
            if (!lzw) {
                const auto mine = format == "tiff"
                                      ? TiffCodec::EncodeRegion(source, region, dpi, dpi, icc)
                                      : BmpCodec::EncodeRegion(source, region, dpi, dpi);
                QVERIFY(mine);
                QCOMPARE(*mine, qt);
            }
            const QImage expected = QImage::fromData(qt, format);
            const QImage read =
                format == "tiff" ? TiffCodec::DecodeRgb(qt) : BmpCodec::DecodeRgb(qt);
            QCOMPARE(read.convertToFormat(QImage::Format_RGB32),
                     expected.convertToFormat(QImage::Format_RGB32));
            QCOMPARE(read.dotsPerMeterX(), expected.dotsPerMeterX());
            QCOMPARE(read.dotsPerMeterY(), expected.dotsPerMeterY());
            QCOMPARE(read.colorSpace().iccProfile(), expected.colorSpace().iccProfile());
        }
    }

    // Channel innermost, then x, then y; a copy is independent of its original.
    void pixelArrayLayoutAndCopies() {
        PixelArray p(5, 3);
        QVERIFY(!p.IsNull());
        QCOMPARE(p(0, 4, 2), std::uint8_t(0));
        p.Set(0, 4, 2, 11);
        p.Set(1, 4, 2, 22);
        p.Set(2, 4, 2, 33);
        p.Set(1, 0, 1, 99);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(p.Row(2)) + 12, 3),
                 QByteArray("\x0b\x16\x21"));
        QCOMPARE(p.Row(1)[1], std::uint8_t(99));
        QCOMPARE(p.Image().pixel(4, 2), qRgb(11, 22, 33));
        QCOMPARE(p.Image().format(), QImage::Format_RGB888);
        ImageObject a = PatternImage(4, 4);
        ImageObject b;
        b.CopyFromImage(a);
        PixelArray c = b.ReadPixels();
        c.Set(0, 1, 1, 200);
        QVERIFY(b.LoadPixels(c));
        QCOMPARE(a.ReadPixels()(0, 1, 1), std::uint8_t(1));
        QCOMPARE(b.ReadPixels()(0, 1, 1), std::uint8_t(200));
    }

    void saveAndLoad() {
        for (const ImageFormat f : {ImageFormat::Bmp, ImageFormat::Tiff, ImageFormat::Jpeg})
            for (const auto& [dpiX, dpiY] : {std::pair{300, 72}, std::pair{4321, 2}}) {
                QTemporaryDir dir;
                const QString path = dir.filePath(QStringLiteral("img") + FormatExtension(f));
                ImageObject img;
                QVERIFY(img.LoadPixels(f == ImageFormat::Jpeg ? SmoothPixels(37, 23)
                                                              : PatternPixels(37, 23)));
                QVERIFY(img.SetImageInfo(ImageAttribute::HorizontalResolution, dpiX));
                QVERIFY(img.SetImageInfo(ImageAttribute::VerticalResolution, dpiY));
                const auto bytes = img.EncodeToMemory(f);
                QVERIFY(bytes.ok() && img.SaveImageFile(path, f));
                QCOMPARE(ReadAll(path), *bytes);
                const QImage q(path);
                QCOMPARE(
                    QPoint(qRound(q.dotsPerMeterX() * 0.0254), qRound(q.dotsPerMeterY() * 0.0254)),
                    QPoint(dpiX, dpiY));

                ImageObject back;
                QVERIFY(back.LoadImageFile(path));
                QCOMPARE(QSize(back.ImageWidth(), back.ImageHeight()), QSize(37, 23));
                QCOMPARE(QPoint(back.ImageInfo(ImageAttribute::HorizontalResolution),
                                back.ImageInfo(ImageAttribute::VerticalResolution)),
                         QPoint(dpiX, dpiY));
                if (f == ImageFormat::Jpeg)
                    QVERIFY(MaxChannelDifference(back.ReadPixels().Image(),
                                                 img.ReadPixels().Image()) <= 12);
                else
                    QVERIFY(back.ReadPixels() == img.ReadPixels());

                QVERIFY(PatternImage(5, 5).SaveImageFile(path, f));
                QVERIFY(back.LoadImageFile(path));
                QCOMPARE(back.ImageWidth(), 5);
                QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
            }
    }

    void rotateResampleAndBlank() {
        for (const int degrees : {90, 180, 270}) {
            ImageObject img = PatternImage(5, 3);
            QVERIFY(img.Rotate(degrees));
            QCOMPARE(img.ReadPixels().Image(), PatternPixels(5, 3)
                                                   .Image()
                                                   .transformed(QTransform().rotate(degrees))
                                                   .convertToFormat(QImage::Format_RGB888));
        }
        ImageObject img = PatternImage(10, 6);
        QVERIFY(!img.Rotate(45).ok());
        QVERIFY(img.Resample(23, 7));
        QCOMPARE(QSize(img.ImageWidth(), img.ImageHeight()), QSize(23, 7));
        QVERIFY(!img.Resample(0, 5).ok());
        QCOMPARE(img.ImageWidth(), 23);
        QVERIFY(img.CreateBlankImage(7, 3, QColor(1, 2, 3)));
        QImage expected(7, 3, QImage::Format_RGB888);
        expected.fill(QColor(1, 2, 3));
        QCOMPARE(img.ReadPixels().Image(), expected);
        QVERIFY(!img.CreateBlankImage(0, 3, Qt::white).ok());
        // A file that cannot be loaded leaves the previous content.
        QVERIFY(!img.LoadImageFile(QStringLiteral("/nonexistent/a.jpg")).ok());
        QCOMPARE(img.ReadPixels().Image(), expected);
        QVERIFY(!PixelArray::SizeAllowed(0, 10));
        QVERIFY(PixelArray::MaxImageBytes() >= (qint64(1) << 30));
    }

    // The one-pass renderer against the plain definition: cut with the last column and row
    // repeated past the image, turn, then repeat the outermost pixels into the margins.
    void turnsMatchDefinition() {
        const PixelArray src = PatternPixels(40, 30);
        for (int turn = 0; turn < 4; ++turn)
            for (const TileMargins m : {TileMargins{0, 0, 0, 0}, TileMargins{2, 3, 1, 4}})
                for (const TileRect r : {TileRect{3, 4, 19, 11}, TileRect{30, 20, 40, 30},
                                         TileRect{0, 0, 39, 29}, TileRect{39, 29, 39, 29}}) {
                    const QImage turned = Cut(src.Image(), r.left, r.top, r.right, r.bottom)
                                              .transformed(QTransform().rotate(90 * turn));
                    QCOMPARE(TileRenderer::Compose(src, r, TileRenderer::Turn(turn), m).Image(),
                             Extend(turned, m.top, m.right, m.bottom, m.left));
                }
    }

    void fromImageDropsAlpha() {
        QImage q(3, 1, QImage::Format_ARGB32);
        q.setPixel(0, 0, qRgba(10, 20, 30, 0));
        q.setPixel(1, 0, qRgba(40, 50, 60, 255));
        q.setPixel(2, 0, qRgba(70, 80, 90, 128));
        q.setDotsPerMeterX(3937);
        q.setDotsPerMeterY(3937);
        const ImageObject img = ImageObject::FromImage(q);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(img.ReadPixels().Row(0)), 9),
                 QByteArray("\x0a\x14\x1e\x28\x32\x3c\x46\x50\x5a"));
        QCOMPARE(img.ImageInfo(ImageAttribute::HorizontalResolution), 100);
    }

    // Mapping in pages beside a writer never changes what the writer put there.
    void prefetchKeepsContent() {
        PixelArray p = PixelArray::Uninitialized(2000, 4000);
        QVERIFY(!p.IsNull());
        const size_t bytes = size_t(p.BytesPerLine()) * p.Height();
        {
            PagePrefetcher prefetch(p.MutableBits(), bytes);
            for (int y = 0; y < p.Height(); ++y)
                std::memset(p.MutableRow(y), y & 0xff, size_t(p.BytesPerLine()));
        }
        for (int y = 0; y < p.Height(); y += 7)
            for (int x = 0; x < p.Width(); x += 13)
                QCOMPARE(p(1, x, y), std::uint8_t(y & 0xff));
    }

    void stoppableDecode() {
        using O = StoppableJpegDecoder::Outcome;
        const QList<std::tuple<QImage::Format, QByteArray, bool, O>> cases{
            {QImage::Format_RGB32, "JPG", false, O::Decoded},
            {QImage::Format_Grayscale8, "JPG", false, O::Decoded},
            {QImage::Format_RGB32, "JPG", true, O::Stopped},
            {QImage::Format_RGB32, "PNG", false, O::NotHandled}};
        for (const auto& [format, type, stop, outcome] : cases) {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("photo.jpg"));
            QVERIFY(
                PatternPixels(97, 61).Image().convertToFormat(format).save(path, type.constData()));
            if (type == "JPG") {
                // Density in dots per centimetre: 59 and 39 are 149.86 and 99.06 dots per inch.
                QByteArray b = ReadAll(path);
                QCOMPARE(b.mid(6, 4), QByteArray("JFIF"));
                QVERIFY(WriteAll(path, b.replace(13, 5, QByteArray("\x02\x00\x3b\x00\x27", 5))));
            }

            const std::atomic_bool stopFlag{stop};
            const auto result = StoppableJpegDecoder::Decode(path, stopFlag);
            QCOMPARE(result.outcome, outcome);
            if (result.outcome != StoppableJpegDecoder::Outcome::Decoded) {
                QVERIFY(result.image.isNull());
                continue;
            }
            // The same pixels and resolution as Qt's own reader gives.
            const QImage expected(path);
            QCOMPARE(result.image, expected);
            QCOMPARE(QPoint(result.dpiX, result.dpiY), QPoint(150, 99));
            QCOMPARE(QPoint(result.image.dotsPerMeterX(), result.image.dotsPerMeterY()),
                     QPoint(expected.dotsPerMeterX(), expected.dotsPerMeterY()));
        }
    }

    // Outside the caption every pixel follows the distance rule; inside it the caption is drawn.
    // A size of nothing, or no pixels, is refused.
    // Sizes in inches give pixels at 128 dpi: 4 x 6, the smallest, and halves to even.
    void everyStripePixel() {
        for (const auto& [h, w, wp, hp] : QList<std::tuple<double, double, int, int>>{
                 {6, 4, 512, 768}, {0.75, 0.75, 96, 96}, {1.00390625, 2.01171875, 258, 128}}) {
            const Result<ImageObject> r = EdgeTestTarget::CreateEdgeTestImage(h, w);
            QVERIFY(r.ok());
            QCOMPARE(QSize(r->ImageWidth(), r->ImageHeight()), QSize(wp, hp));
            QCOMPARE(QPoint(r->ImageInfo(ImageAttribute::HorizontalResolution),
                            r->ImageInfo(ImageAttribute::VerticalResolution)),
                     QPoint(128, 128));
            const auto caption = EdgeTestTarget::CaptionPlacement(wp, hp);
            QVERIFY(caption.ok());
            // Antialiasing may reach a pixel beyond the measured box.
            const QRect skip(caption->x - 2, caption->y - 2, caption->extent.width() + 4,
                             caption->extent.height() + 4);
            // Stripes of 8 pixels from the outside in: brown, blue, green, red; then white.
            const QRgb colours[] = {qRgb(180, 120, 0), qRgb(0, 0, 255), qRgb(0, 255, 0),
                                    qRgb(255, 0, 0), qRgb(255, 255, 255)};
            const PixelArray p = r->ReadPixels();
            int black = 0;
            for (int y = 0; y < hp; ++y)
                for (int x = 0; x < wp; ++x) {
                    const int edge = std::min({x, y, wp - 1 - x, hp - 1 - y});
                    if (!skip.contains(x, y))
                        QCOMPARE(qRgb(p(0, x, y), p(1, x, y), p(2, x, y)),
                                 colours[std::min(edge / 8, 4)]);
                    else if (p(0, x, y) < 64 && p(1, x, y) < 64 && p(2, x, y) < 64)
                        ++black;
                }
            QVERIFY(black > 0);
        }
        QVERIFY(!EdgeTestTarget::CreateEdgeTestImage(0, 4).error().isEmpty());
        PixelArray none;
        QVERIFY(!EdgeTestTarget::DrawEdgeStripes(none).ok());
    }

    // 4 x 6, wide and low, the full width, huge.
    void captionSizeRule() {
        const QString text = StringTable::Text(str::EdgeTestPrint);
        for (const auto& [w, h, fraction] : QList<std::tuple<int, int, double>>{
                 {512, 768, 0.5}, {2000, 96, 0.5}, {300, 300, 1.0}, {6400, 6400, 0.5}}) {
            const auto c = EdgeTestTarget::CaptionPlacement(w, h, fraction);
            QVERIFY(c.ok());
            const int maxW = int(std::nearbyint(fraction * w)),
                      maxH = int(std::nearbyint(fraction * h));
            if (c->fontSize <= 200) {
                // The first size that exceeds a limit, one above the largest that fits.
                QVERIFY(c->extent.width() > maxW || c->extent.height() > maxH);
                QCOMPARE(*ImageObject::MeasureText(text, c->fontSize), c->extent);
                if (c->fontSize > 6) {
                    const QSize below = *ImageObject::MeasureText(text, c->fontSize - 1);
                    QVERIFY(below.width() <= maxW && below.height() <= maxH);
                }
            } else {
                QCOMPARE(c->fontSize, 201);
                QCOMPARE(c->extent, *ImageObject::MeasureText(text, 200));
            }
            // Centred, halves to the even neighbour (the default rounding mode of nearbyint).
            QCOMPARE(c->x, int(std::nearbyint((w - c->extent.width()) / 2.0)));
            QCOMPARE(c->y, int(std::nearbyint((h - c->extent.height()) / 2.0)));
        }
    }

    void fileType() {
        QList<int> formats;
        for (const char* name : {"a.bmp", "a.BMP", "a.tif", "a.Jpg", "a.jpeg", "a.tiff", "a"})
            formats << int(FormatFromFileName(QLatin1String(name)).value_or(ImageFormat(0)));
        QCOMPARE(formats, (QList<int>{int(ImageFormat::Bmp), int(ImageFormat::Bmp),
                                      int(ImageFormat::Tiff), int(ImageFormat::Jpeg), 0, 0, 0}));
    }

    // The dialog's test reads the start of the inch form.
    void confirmText() {
        const QString after = QStringLiteral(" wide.\r\n\r\nIn order to to test");
        QVERIFY(EdgeTestTargetTexts::Confirm(6, 4, kUnitInches).contains("is 1/16 inch" + after));
        const QString mm = EdgeTestTargetTexts::Confirm(6, 4, kUnitMillimeters);
        QVERIFY(mm.startsWith(u"A 152.4 mm high x 101.6 mm wide test image will now be created."));
        QVERIFY(mm.contains("is 1.6 mm" + after));
    }
};

QTEST_MAIN(TestImaging)
#include "tst_imaging.moc"
