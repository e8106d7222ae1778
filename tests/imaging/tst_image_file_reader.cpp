// Reading image files: what is refused and why; the upright size, pixels and profile of the rest.
#include "../cli/cli_run.h"
#include "imaging/heif_decoder.h"
#include "imaging/image_file_reader.h"
#include "tests/support/export_test_support.h"
#include "tests/support/heif_test_support.h"

#include <QColorSpace>
#include <QPainter>
#include <QtTest>

#include <lcms2.h>
#include <turbojpeg.h>

#include <atomic>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

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
    QPainter(&img).fillRect(16, 0, 16, 16, QColor(255, 0, 0));
    return img;
}

// The bytes of profile `p`, which is closed.
QByteArray Saved(cmsHPROFILE p) {
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(p, nullptr, &size);
    QByteArray icc(size, '\0');
    cmsSaveProfileToMem(p, icc.data(), &size);
    cmsCloseProfile(p);
    return icc;
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
    return Saved(p);
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
    const int n = int(icc.size()) + 2; // an APP2 segment: marker, length, data
    return withProfile ? bytes.insert(2, QByteArray("\xff\xe2") + char(n >> 8) + char(n) + icc)
                       : bytes;
}

// Qt's 24-bit BMP of `img` with OS/2's old 12-byte core header in place of its own.
QByteArray Os2Bmp(const QImage& img) {
    const QByteArray bmp = Encode(img, "BMP");
    QByteArray b = bmp.left(26) + bmp.mid(qFromLittleEndian<quint32>(bmp.constData() + 10));
    const quint16 core[] = {12, 0, quint16(img.width()), quint16(img.height()), 1, 24};
    for (int i = 0; i < 6; ++i)
        qToLittleEndian<quint16>(core[i], b.data() + 14 + 2 * i);
    qToLittleEndian<quint32>(quint32(b.size()), b.data() + 2);
    qToLittleEndian<quint32>(26, b.data() + 10);
    return b;
}

// A 32-bit bit-field BMP of `img` (40-byte header, then the red, green and blue masks).
QByteArray BitfieldBmp(const QImage& img, quint32 r, quint32 g, quint32 b) {
    const quint32 w = img.width(), h = img.height(), size = 66 + 4 * w * h;
    QByteArray out(size, '\0');
    const quint32 head[] = {size, 0, 66, 40, w, h, 1 | 32 << 16, 3, 0, 0, 0, 0, 0, r, g, b};
    for (int i = 0; i < 16; ++i)
        qToLittleEndian<quint32>(head[i], out.data() + 2 + 4 * i);
    out[0] = 'B', out[1] = 'M';
    for (quint32 y = 0; y < h; ++y)
        for (quint32 x = 0; x < w; ++x)
            qToLittleEndian<quint32>(img.pixel(x, y) & 0xffffff,
                                     out.data() + 66 + 4 * ((h - 1 - y) * w + x));
    return out;
}

// The BMP stored top down: negative height, rows in reading order.
QByteArray TopDown(const QByteArray& bmp) {
    const qint32 h = qFromLittleEndian<qint32>(bmp.constData() + 22);
    const quint32 offset = qFromLittleEndian<quint32>(bmp.constData() + 10);
    const qsizetype row = (bmp.size() - offset) / h;
    QByteArray out = bmp.left(offset);
    qToLittleEndian<qint32>(-h, out.data() + 22);
    for (int y = h - 1; y >= 0; --y)
        out += bmp.mid(offset + y * row, row);
    return out;
}

// A palette TIFF whose colour table tag (320) is renamed to an unknown private tag.
QByteArray PaletteWithoutTable() {
    QByteArray tif = Encode(Marked().convertToFormat(QImage::Format_Indexed8), "TIFF");
    const char colorMap[] = {0x40, 0x01, 0x03, 0x00}; // tag 320, SHORT, little-endian
    const qsizetype at = tif.indexOf(QByteArray(colorMap, 4));
    if (at > 0)
        qToLittleEndian<quint16>(65000, tif.data() + at);
    return tif;
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
        const QString path = dir.filePath(QStringLiteral("made_") + name);
        return HeifEncode(image, path, options) ? ReadAll(path) : QByteArray();
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
        // A run-length BMP of 64 x 48 (RLE8, 256 colours) whose pixel data stops after one run,
        // and one whose first run of 100 pixels goes past its row.
        const QByteArray rle =
            QByteArray::fromHex("424d3a0400000000000036040000280000004000000030000000010008000100"
                                "00000000000000000000000000000001000000000000") +
            QByteArray(1024, '\0');
        row("rle.bmp", rle + QByteArray("\x10\x05\x00\x00", 4), "pixel data is missing");
        row("overrun rle.bmp", rle + QByteArray("\x64\x05\x00\x01", 4), "past the end of its row");
        row("no profile.jpg", CmykJpeg(false), "CMYK");
        row("png.jpg", Encode(Marked(), "PNG"), ".png");
        row("notes.jpg", "just words", "not an image");
        row("missing.jpg", QByteArray(), "does not exist");
        row("empty.jpg", QByteArray(""), "empty");
        row("magic.jpg", QByteArray("\xff\xd8\xff", 3), "no picture size");
        const QByteArray bmp = Encode(Marked(), "BMP"), tif = Encode(Marked(), "TIFF");
        row("cut.bmp", bmp.left(bmp.size() / 2), "missing");
        row("cut.tif", tif.left(tif.size() / 2), "damaged");
        row("top down.bmp", TopDown(bmp), "");
        row("bit fields.bmp", BitfieldBmp(Marked(), 0xff0000, 0xff00, 0xff), "");
        row("broken mask.bmp", BitfieldBmp(Marked(), 0xff0000, 0xff00, 0xf5), "colour masks");
        row("overlapping masks.bmp", BitfieldBmp(Marked(), 0xff0000, 0xff00, 0xffff),
            "colour masks");
        row("no mask.bmp", BitfieldBmp(Marked(), 0xff0000, 0, 0xff), "colour masks");
        row("os2.bmp", Os2Bmp(Marked()), "");
        row("cut os2.bmp", Os2Bmp(Marked()).chopped(4000), "missing");
        // Beyond the first megabyte read, and not plain RGB: read whole after its directory.
        row("large rgba.tif",
            Encode(Marked().scaled(700, 600).convertToFormat(QImage::Format_ARGB32), "TIFF"), "",
            {700, 600}, {262, 100});
        row("palette.tif", Encode(Marked().convertToFormat(QImage::Format_Indexed8), "TIFF"), "");
        row("palette without colours.tif", PaletteWithoutTable(), "colour table");
        // Not regular files: refused at once (a pipe would block the opening for ever).
        row("pipe.jpg", "<fifo>", "named pipe (FIFO), not a regular file");
        row("zero.jpg", "</dev/zero>", "device, not a regular file");
        row("folder.jpg", "<folder>", "folder");
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
        if (bytes == "<fifo>")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (bytes == "<folder>")
            QVERIFY(QDir().mkpath(path));
        else if (bytes.startsWith("</"))
            QVERIFY(QFile::link(QString::fromLatin1(bytes.mid(1).chopped(1)), path));
        else
            QVERIFY(bytes.isNull() || WriteAll(path, bytes));
        alarm(5); // an opening that waits on the pipe ends the test
        const auto file = ImageFileReader::Open(path);
        alarm(0);
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

    // A plain TIFF or BMP beyond the first megabyte read is decoded from the file, not from a
    // copy taken when it was opened: a file changed in between is refused like one that
    // changes while it is read.
    void changedAfterOpening() {
        for (const QByteArray format : {"TIFF", "BMP"}) {
            const QString path = dir.filePath(QStringLiteral("changing.") + format.toLower());
            const QImage rgb = Marked().scaled(700, 600).convertToFormat(QImage::Format_RGB888);
            QVERIFY(WriteAll(path, Encode(rgb, format.constData())));
            const auto file = ImageFileReader::Open(path);
            QVERIFY(file);
            QCOMPARE(file->Decode()->GetPicture().convertToFormat(QImage::Format_RGB32),
                     rgb.convertToFormat(QImage::Format_RGB32));
            QFile grown(path);
            QVERIFY(grown.open(QIODevice::Append) && grown.write("x") == 1);
            grown.close();
            const auto img = file->Decode();
            QVERIFY(!img &&
                    img.error().contains(QStringLiteral("changed while it was being read")));
        }
    }

    // Every orientation in both byte orders, tagged by exiftool; the picture expected is what
    // ImageMagick turns it to. Checked through the header, the full and the reduced decode.
    void orientation_data() {
        QTest::addColumn<QString>("name");
        const QString base = dir.filePath(QStringLiteral("base.jpg"));
        QImage quadrants(64, 32, QImage::Format_RGB32);
        const QRgb colours[] = {0xffff0000, 0xff00ff00, 0xff0000ff, 0xffffff00};
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 64; ++x) // red, green / blue, yellow
                quadrants.setPixel(x, y, colours[y / 16 * 2 + x / 32]);
        QVERIFY(quadrants.save(base, "JPEG", 100));
        QStringList tag{"-q"}, upright{"-auto-orient", "-format", "png"};
        for (const char* order : {"II", "MM"})
            for (int o = 1; o <= 8; ++o) {
                const QString name = QStringLiteral("%1_%2.jpg").arg(QLatin1String(order)).arg(o);
                tag << "-o" << dir.filePath(name) << QStringLiteral("-Orientation#=%1").arg(o)
                    << QStringLiteral("-ExifByteOrder#=%1").arg(QLatin1String(order)) << base
                    << "-execute";
                upright << dir.filePath(name);
                QTest::newRow(qPrintable(name)) << name;
            }
        QCOMPARE(QProcess::execute(QStringLiteral("exiftool"), tag), 0);
        QCOMPARE(QProcess::execute(QStringLiteral("mogrify"), upright), 0);
    }
    void orientation() {
        QFETCH(QString, name);
        const QImage expected(dir.filePath(name).replace(QStringLiteral(".jpg"), ".png"));
        QVERIFY(!expected.isNull());
        // The same size, or 1 / k of it, and the same quadrant colours (each channel on the
        // same side of the middle).
        const auto same = [&expected](const QImage& got) {
            const int k = expected.width() / got.width();
            bool ok = got.size() * k == expected.size();
            for (const QPoint at : {QPoint(1, 1), QPoint(3, 1), QPoint(1, 3), QPoint(3, 3)}) {
                const QPoint e(at.x() * expected.width() / 4, at.y() * expected.height() / 4);
                ok = ok && ((got.pixel(e / k) ^ expected.pixel(e)) & 0x808080) == 0;
            }
            return ok;
        };
        const QString path = dir.filePath(name);
        QCOMPARE(ImageFileReader::Open(path, ImageFileReader::Extent::HeaderOnly)->Size(),
                 expected.size());
        const auto file = ImageFileReader::Open(path);
        QVERIFY(same(file->Decode()->GetPicture()));
        QVERIFY(same(file->DecodeReduced(expected.size() / 2).value()));
    }

    // An embedded profile is read with the pixels, from a JPEG (one too large for a segment,
    // split over APP2 chunks) and from a HEIC, and travels whole into TIFF and JPEG tiles and
    // the overview picture, read back by exiftool, and into the PDF's pictures. A JPEG's chunks
    // are numbered as JPEG files number them: each its number from 1, then the count.
    void profileCarriedIntoTiles_data() {
        QTest::addColumn<QString>("photo");
        QTest::addColumn<QByteArray>("icc");
        QTest::addColumn<QList<int>>("chunks");
        cmsHPROFILE p = cmsCreate_sRGBProfile();
        const QByteArray filler(150000, 'p'); // a private tag: three segments' worth
        cmsWriteRawTag(p, cmsTagSignature(0x74657374), filler.constData(),
                       cmsUInt32Number(filler.size()));
        const QByteArray icc = Saved(p);
        const QString jpeg = dir.filePath("profiled.jpg"), file = dir.filePath("big.icc");
        QVERIFY(WriteAll(file, icc) && Marked().save(jpeg, "JPEG", 90));
        QCOMPARE(QProcess::execute("exiftool",
                                   {"-q", "-overwrite_original", "-icc_profile<=" + file, jpeg}),
                 0);
        QTest::newRow("large, JPEG") << jpeg << icc << QList<int>{1, 3, 2, 3, 3, 3};
        QImage adobe = Marked();
        adobe.setColorSpace(QColorSpace::AdobeRgb);
        const QString heic = dir.filePath(QStringLiteral("adobe.heic"));
        QVERIFY(HeifEncode(adobe, heic));
        QTest::newRow("HEIC") << heic << adobe.colorSpace().iccProfile() << QList<int>{1, 1};
    }
    void profileCarriedIntoTiles() {
        QFETCH(QString, photo);
        QFETCH(QByteArray, icc);
        const QString folder = dir.filePath(QStringLiteral("profiled_tiles"));
        const QString out = folder + u'/' + QFileInfo(photo).completeBaseName();
        for (const QString type : {"tif", "jpg", "pdf"})
            QCOMPARE(RunCli({"export", photo, "--tiles", "2x1", "--yes", "--overview", "--format",
                             type, "--out", type == u"pdf" ? out + ".pdf" : folder})
                         .status,
                     0);
        for (const QString file : {"_001.tif", "_002.jpg", "_overview.jpg"}) {
            QProcess read;
            read.start(QStringLiteral("exiftool"), {"-b", "-icc_profile", out + file});
            QVERIFY(read.waitForFinished());
            QVERIFY2(read.readAllStandardOutput() == icc, qPrintable(file));
            if (file.endsWith(u".tif"))
                continue;
            QList<int> numbers;
            const QByteArray jpeg = ReadAll(out + file);
            for (qsizetype at = 2; at + 4 < jpeg.size() && uchar(jpeg[at + 1]) != 0xda;
                 at += 2 + (uchar(jpeg[at + 2]) << 8 | uchar(jpeg[at + 3])))
                if (uchar(jpeg[at + 1]) == 0xe2 &&
                    jpeg.mid(at + 4, 12) == QByteArray("ICC_PROFILE\0", 12))
                    numbers << uchar(jpeg[at + 16]) << uchar(jpeg[at + 17]);
            QTEST(numbers, "chunks");
        }
        // The overview page and two sheets.
        QCOMPARE(Tool(QStringLiteral("pdfimages"), {"-list", out + ".pdf"}).count(" icc "), 3);
    }

    // Which photos the export may read a band of rows at a time: an upright RGB JPEG, and a
    // plain 8-bit RGB TIFF in strips whether its file is read whole (small) or only its
    // directory (large); not a tiled TIFF, one with an alpha channel, nor a PNG. Opened for
    // bands or not, the answer is the same.
    void readsInBands_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("bands");
        const QSize small(64, 48), large(700, 600); // the large one's file is over 1 MB
        QTest::newRow("tiff strips, small") << "strips" << small << true;
        QTest::newRow("tiff strips, large") << "strips" << large << true;
        QTest::newRow("tiff tiled, small") << "tiled" << small << false;
        QTest::newRow("tiff tiled, large") << "tiled" << large << false;
        QTest::newRow("tiff with alpha") << "alpha" << small << false;
        QTest::newRow("jpeg") << "jpeg" << small << true;
        QTest::newRow("png") << "png" << small << false;
    }
    void readsInBands() {
        QFETCH(QString, kind);
        QFETCH(QSize, size);
        QFETCH(bool, bands);
        QTemporaryDir dir;
        const QString ext = kind == u"jpeg" ? "jpg" : kind == u"png" ? "png" : "tif";
        const QString path = dir.filePath(QStringLiteral("photo.") + ext);
        const QImage picture = Marked().scaled(size);
        if (kind == u"strips" || kind == u"tiled") {
            const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
            QVERIFY(WriteTiff(path, size, COMPRESSION_NONE, 16, kind == u"tiled" ? 64 : 0, {},
                              [&](int y, std::uint8_t* row) {
                                  std::memcpy(row, rgb.constScanLine(y), size_t(size.width()) * 3);
                              }));
        } else {
            const QImage stored =
                kind == u"alpha" ? picture.convertToFormat(QImage::Format_ARGB32) : picture;
            QVERIFY(WriteAll(path, Encode(stored, kind == u"jpeg"  ? "JPEG"
                                                  : kind == u"png" ? "PNG"
                                                                   : "TIFF")));
        }
        for (const auto extent :
             {ImageFileReader::Extent::HeaderForBands, ImageFileReader::Extent::WholeFile}) {
            const auto file = ImageFileReader::Open(path, extent);
            QVERIFY2(file, qPrintable(file.error()));
            QCOMPARE(file->ReadsInBands(), bands);
        }
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
