// Reading image files: what is refused and why; the upright size, pixels and profile of the rest.
#include "../cli/cli_run.h"
#include "imaging/heif_decoder.h"
#include "imaging/image_file_reader.h"
#include "tests/support/export_test_support.h"
#include "tests/support/heif_test_support.h"

#include <QColorSpace>
#include <QImageReader>
#include <QMimeDatabase>
#include <QtTest>

#include <lcms2.h>
#include <turbojpeg.h>

using namespace tessellon;
using namespace tessellon::testing;

namespace {

QByteArray Encode(const QImage& img, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::WriteOnly) && img.save(&buffer, format, 100) ? bytes : "";
}

// 64 x 48, blue, with a red 16 x 16 block whose centre is at (24, 8).
QImage Marked() {
    QImage img(64, 48, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 255));
    for (int y = 0; y < 16; ++y)
        for (int x = 16; x < 32; ++x)
            img.setPixel(x, y, qRgb(255, 0, 0));
    return img;
}

// A JPEG segment: marker, length, data.
QByteArray Segment(char marker, const QByteArray& data) {
    const int n = int(data.size()) + 2;
    return QByteArray("\xff") + marker + char(n >> 8) + char(n & 0xff) + data;
}

// The EXIF block whose only tag is the orientation: a big-endian TIFF header, one entry
// (0x0112, short, 1) and no next directory.
QByteArray Orientation(int o) {
    return Segment('\xe1', QByteArray::fromHex("4578696600004d4d002a0000000800010112000300000001") +
                               char(0) + char(o) + QByteArray(6, '\0'));
}

// A profile where black ink is black and every other ink a neutral mid grey.
QByteArray GreyInkProfile() {
    cmsHPROFILE p = cmsCreateProfilePlaceholder(nullptr);
    cmsSetProfileVersion(p, 4.3);
    cmsSetDeviceClass(p, cmsSigOutputClass);
    cmsSetColorSpace(p, cmsSigCmykData);
    cmsSetPCS(p, cmsSigLabData);
    cmsUInt16Number lab[16 * 3];
    for (int i = 0; i < 16; ++i) { // corners c, m, y, k = bits 3, 2, 1, 0 of i: L* 0, 100 or 50
        lab[3 * i] = i & 1 ? 0 : i == 0 ? 0xffff : 0x8000;
        lab[3 * i + 1] = lab[3 * i + 2] = 0x8080;
    }
    cmsPipeline* lut = cmsPipelineAlloc(nullptr, 4, 3);
    cmsPipelineInsertStage(lut, cmsAT_END, cmsStageAllocToneCurves(nullptr, 4, nullptr));
    cmsPipelineInsertStage(lut, cmsAT_END, cmsStageAllocCLut16bit(nullptr, 2, 4, 3, lab));
    cmsPipelineInsertStage(lut, cmsAT_END, cmsStageAllocToneCurves(nullptr, 3, nullptr));
    cmsWriteTag(p, cmsSigAToB0Tag, lut);
    cmsPipelineFree(lut);
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(p, nullptr, &size);
    QByteArray icc(size, '\0');
    cmsSaveProfileToMem(p, icc.data(), &size);
    cmsCloseProfile(p);
    return icc;
}

// A CMYK JPEG, as print shops send them (Adobe's inverted values: 255 is no ink), the left
// half full cyan, the right half full black; with the grey-ink profile embedded, or none.
QByteArray CmykJpeg(bool withProfile) {
    std::vector<unsigned char> cmyk(64 * 48 * 4, 255);
    for (int i = 0; i < 64 * 48; ++i)
        cmyk[size_t(i) * 4 + (i % 64 < 32 ? 0 : 3)] = 0;
    tjhandle h = tjInitCompress();
    unsigned char* out = nullptr;
    unsigned long size = 0;
    tjCompress2(h, cmyk.data(), 64, 0, 48, TJPF_CMYK, &out, &size, TJSAMP_444, 90, 0);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    tjFree(out);
    tjDestroy(h);
    const QByteArray icc = QByteArray("ICC_PROFILE\0\x01\x01", 14) + GreyInkProfile();
    return withProfile ? bytes.insert(2, Segment('\xe2', icc)) : bytes;
}

// Each "ispe" box (the stored size of a coded image) made to claim w x h.
QByteArray ClaimingSize(QByteArray heif, quint32 w, quint32 h) {
    for (qsizetype at = heif.indexOf("ispe"); at >= 0; at = heif.indexOf("ispe", at + 4)) {
        qToBigEndian(w, heif.data() + at + 8);
        qToBigEndian(h, heif.data() + at + 12);
    }
    return heif;
}

} // namespace

class TestImageFileReader : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    // `image` as heif-enc writes it under `name`, with `options`.
    QByteArray Heif(const QImage& image, const QString& name, const QStringList& options = {}) {
        const QString path = dir.filePath(QStringLiteral("made/") + name);
        return QDir().mkpath(dir.filePath(QStringLiteral("made"))) &&
                       HeifEncode(image, path, options)
                   ? ReadAll(path)
                   : QByteArray();
    }
    QByteArray Turned(int orientation) {
        const QString path = dir.filePath(QStringLiteral("turned.heic"));
        return HeicWithOrientation(Marked(), orientation, path) ? ReadAll(path) : QByteArray();
    }

private slots:
    void initTestCase() {
        const QString missing = HeifToolsMissing();
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
    }

    // Each type, whatever the case of its name, read upright: the header's size, the full
    // decode (plain and in stoppable bands) and the reduced one, and where a pixel ends up.
    // Damaged, hostile and unsupported files are refused, by opening or decoding, saying why.
    void read_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason"); // empty: read
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("colour");
        const auto row = [](const char* name, const QByteArray& bytes, const char* reason,
                            QSize size = {64, 48}, QPoint at = {24, 8}, QRgb c = 0xffff0000) {
            QTest::newRow(name) << QString::fromLatin1(name) << bytes << reason << size << at << c;
        };
        const QByteArray jpeg = Encode(Marked(), "JPEG");
        row("PHOTO.JPE", jpeg, "");
        row("scan.TIFF", Encode(Marked(), "TIFF"), "");
        row("shot.png", Encode(Marked(), "PNG"), "");
        row("web.webp", Encode(Marked(), "WEBP"), "");
        // Where the block's centre (24, 8) ends up, worked out by hand for each orientation.
        const auto turned = [&jpeg](int o) { return jpeg.left(2) + Orientation(o) + jpeg.mid(2); };
        row("half turn (3).jpg", turned(3), "", {64, 48}, {39, 39});
        row("phone (6).jpg", turned(6), "", {48, 64}, {39, 24});
        row("left (8).jpg", turned(8), "", {48, 64}, {8, 39});
        row("transposed (5).jpg", turned(5), "", {48, 64}, {8, 24});
        // The cyan half is grey by the embedded profile (without it, it would be cyan).
        row("cmyk.jpg", CmykJpeg(true), "", {64, 48}, {8, 24}, qRgb(119, 119, 119));
        // Beyond Qt's own allocation limit (128 MB as 32-bit pixels): 36 megapixels.
        const QImage big = Marked().scaled(6000, 6000);
        row("big.bmp", Encode(big, "BMP"), "", {6000, 6000}, {5999, 5999}, qRgb(0, 0, 255));
        row("big.jpg", Encode(big, "JPEG"), "", {6000, 6000}, {5999, 5999}, qRgb(0, 0, 255));
        // HEIC and AVIF, also checked against libheif's own tool below.
        const QByteArray heic = Heif(Marked(), QStringLiteral("phone.heic"));
        row("IMG_0001.HEIC", heic, "");
        row("web.Avif", Heif(Marked(), QStringLiteral("web.avif")), "");
        // From 16 bits per channel, stored with 10.
        row("deep.heif",
            Heif(Marked().convertToFormat(QImage::Format_RGBX64), "deep", {"-b", "10"}), "");
        // heif-enc stores an odd size as a grid of one coded image, cropped.
        const QByteArray grid = Heif(Marked().copy(0, 0, 65, 49), QStringLiteral("grid.heic"));
        QVERIFY(grid.contains("grid"));
        row("grid.hif", grid, "", {65, 49});
        QImage clear = Marked().convertToFormat(QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        row("clear.heic", Heif(clear, QStringLiteral("clear.heic")), "", {64, 48}, {24, 8},
            qRgb(255, 255, 255)); // transparent parts print as white paper
        row("half turn (3).heic", Turned(3), "", {64, 48}, {39, 39});
        row("phone (6).heic", Turned(6), "", {48, 64}, {39, 24});
        row("transposed (5).heic", Turned(5), "", {48, 64}, {8, 24});

        QByteArray corrupt = jpeg, huge = jpeg, vast = Encode(Marked(), "TIFF");
        corrupt.replace(jpeg.size() / 2, 64, QByteArray(64, '\x00'));
        const qsizetype sof = huge.indexOf("\xff\xc0");
        huge[sof + 5] = huge[sof + 7] = char(0xea); // 60000 x 60000 in a few KB
        huge[sof + 6] = huge[sof + 8] = char(0x60);
        for (int i = 0; i < 2; ++i) { // its first tags, width and height, as 32 bits: beyond memory
            char* tag = vast.data() + qFromLittleEndian<quint32>(vast.constData() + 4) + 2 + 12 * i;
            qToLittleEndian<quint16>(4, tag + 2);
            qToLittleEndian<quint32>(i ? 150000 : 200000, tag + 8);
        }
        row("cut.jpg", jpeg.left(jpeg.size() * 2 / 3), "damaged");
        row("corrupt.jpg", corrupt, "damaged");
        row("huge.jpg", huge, "far too small (1 KB) for the 60000 x 60000 pixels");
        row("vast.tif", vast, "200000 x 150000 pixels need");
        // A run-length BMP of 64 x 48 (RLE8, 256 colours) whose pixel data stops after one run.
        row("rle.bmp",
            QByteArray::fromHex("424d3a0400000000000036040000280000004000000030000000010008000100"
                                "00000000000000000000000000000001000000000000") +
                QByteArray(1024, '\0') + QByteArray("\x10\x05\x00\x00", 4),
            "pixel data is missing");
        row("no profile.jpg", CmykJpeg(false), "CMYK");
        row("png.jpg", Encode(Marked(), "PNG"), ".png");
        row("notes.jpg", "just words", "not an image");
        row("missing.jpg", QByteArray(), "does not exist");
        row("empty.jpg", QByteArray(""), "empty");
        row("magic.jpg", QByteArray("\xff\xd8\xff", 3), "no picture size");
        const QByteArray bmp = Encode(Marked(), "BMP"), tif = Encode(Marked(), "TIFF");
        row("cut.bmp", bmp.left(bmp.size() / 2), "missing");
        row("cut.tif", tif.left(tif.size() / 2), "damaged");
        row("cut.heic", heic.left(heic.size() * 2 / 3), "damaged");
        row("vast.heic", ClaimingSize(heic, 30000, 30000), "far too small (1 KB) for the 30000 x");
        row("huge.heic", ClaimingSize(heic, 60000, 60000), "too large");
        row("lying.heic", ClaimingSize(heic, 96, 64), "do not match its size");
        row("heic.avif", heic,
            "holds a HEIC image, but its name ends in \".avif\". Rename it "
            "to end in .heic, .heif, .hif");
    }
    void read() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QFETCH(QSize, size);
        QFETCH(QPoint, at);
        QFETCH(QRgb, colour);
        const auto near = [colour](QRgb c) {
            return std::abs(qRed(c) - qRed(colour)) + std::abs(qBlue(c) - qBlue(colour)) < 50;
        };
        const QString path = dir.filePath(name);
        QVERIFY(bytes.isNull() || WriteAll(path, bytes));
        const auto file = ImageFileReader::Open(path);
        const std::atomic_bool go{false};
        for (const std::atomic_bool* stop : {(const std::atomic_bool*)nullptr, &go}) {
            const auto img = file ? file->Decode(stop) : Result<ImageObject>(file.status());
            QVERIFY2(img.ok() == reason.isEmpty() && img.error().contains(reason),
                     qPrintable(img.error()));
            QVERIFY(!img ||
                    (img->GetPicture().size() == size && near(img->GetPicture().pixel(at))));
        }
        if (!reason.isEmpty())
            return;
        QCOMPARE(ImageFileReader::Open(path, ImageFileReader::Extent::HeaderOnly)->Size(), size);
        if (HeifDecoder::Reads(file->Type()))
            QVERIFY(MaxChannelDifference(file->Decode()->GetPicture(), HeifReference(path)) <= 2);
        if (file->HasReducedDecode()) {
            const auto small = file->DecodeReduced(size / 4);
            QCOMPARE(small->size(), size / 4);
            QVERIFY(near(small->pixel(at.x() / 4, at.y() / 4)));
        }
    }

    // An embedded profile is read with the pixels and travels into JPEG and TIFF tiles.
    void colourProfileCarriedIntoTiles_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("JPEG") << "adobe.jpg";
        QTest::newRow("HEIC") << "adobe.heic";
    }
    void colourProfileCarriedIntoTiles() {
        QFETCH(QString, name);
        QImage adobe = Marked();
        adobe.setColorSpace(QColorSpace::AdobeRgb);
        const QString path = dir.filePath(name);
        QVERIFY(name.endsWith(u"jpg") ? WriteAll(path, Encode(adobe, "JPEG"))
                                      : HeifEncode(adobe, path));
        for (const QString format : {"jpg", "tif"}) {
            const QStringList args{"export", path, "--tiles", "2x1", "--yes", "--format", format};
            QCOMPARE(RunCli(args + QStringList{"--out", dir.filePath("tiles")}).status, 0);
            QCOMPARE(QImageReader(dir.filePath("tiles/adobe_002.") + format).read().colorSpace(),
                     QColorSpace::AdobeRgb);
            QVERIFY(QDir(dir.filePath("tiles")).removeRecursively());
        }
        // The PDF's sheets are drawn in it too.
        const QString pdf = dir.filePath(QStringLiteral("poster.pdf"));
        QCOMPARE(RunCli({"export", path, "--tiles", "2x1", "--yes", "--out", pdf}).status, 0);
        QProcess images;
        images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        QVERIFY(images.waitForFinished());
        QCOMPARE(images.readAllStandardOutput().count(" icc "), 3); // the overview and two sheets
    }

    // The input types as the desktop entry offers them and as the system's MIME database
    // names their extensions.
    void inputTypesAgreeWithDesktopAndMimeDatabase() {
        QFile entry(
            QStringLiteral(TESSELLON_SOURCE_DIR "/dist/com.quillmarksoftware.Tessellon.desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QStringList offered;
        for (const QString& line : QString::fromUtf8(entry.readAll()).split(u'\n'))
            if (line.startsWith(QLatin1String("MimeType=")))
                offered = line.mid(9).split(u';', Qt::SkipEmptyParts);
        QCOMPARE(offered, InputTypeTable::MimeTypes());
        const QMimeDatabase db;
        for (const InputTypeRow& row : InputTypeTable::Rows())
            for (const QString& ext : row.Extensions())
                QCOMPARE(db.mimeTypeForFile(QStringLiteral("a.") + ext.toUpper(),
                                            QMimeDatabase::MatchExtension)
                             .name(),
                         QLatin1String(row.mimeType));
    }
};

QTEST_MAIN(TestImageFileReader)
#include "tst_image_file_reader.moc"
