// Reading image files: what is refused and why; the upright size, pixels and profile of the rest.
#include "../cli/cli_run.h"
#include "export/image_file_reader.h"
#include "export_test_support.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QTemporaryDir>
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

// A JPEG with an EXIF block whose only tag is the orientation, right after the start marker:
// APP1, "Exif", a big-endian TIFF header, one entry (0x0112, short, 1) and no next directory.
QByteArray WithOrientation(int orientation) {
    return Encode(Marked(), "JPEG")
        .insert(2, QByteArray::fromHex("ffe100224578696600004d4d002a00000008000101120003000000"
                                       "0100") +
                       char(orientation) + QByteArray(6, '\0'));
}

// A CMYK JPEG, as print shops send them (Adobe's inverted values: 255 is no ink): the left
// half full cyan, the right half full black; with a profile where black ink is black and
// every other ink a neutral mid grey, or none.
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
    if (!withProfile)
        return bytes;
    cmsHPROFILE p = cmsCreateProfilePlaceholder(nullptr);
    cmsSetProfileVersion(p, 4.3);
    cmsSetDeviceClass(p, cmsSigOutputClass);
    cmsSetColorSpace(p, cmsSigCmykData);
    cmsSetPCS(p, cmsSigLabData);
    cmsUInt16Number lab[16 * 3];
    for (int i = 0; i < 16; ++i) { // corners c, m, y, k = bits 3, 2, 1, 0 of i
        lab[3 * i] = i & 1 ? 0 : i == 0 ? 0xffff : 0x8000; // L* 0, 100 (paper) or 50
        lab[3 * i + 1] = lab[3 * i + 2] = 0x8080;          // a* and b* 0
    }
    cmsPipeline* lut = cmsPipelineAlloc(nullptr, 4, 3);
    cmsPipelineInsertStage(lut, cmsAT_END, cmsStageAllocToneCurves(nullptr, 4, nullptr));
    cmsPipelineInsertStage(lut, cmsAT_END, cmsStageAllocCLut16bit(nullptr, 2, 4, 3, lab));
    cmsPipelineInsertStage(lut, cmsAT_END, cmsStageAllocToneCurves(nullptr, 3, nullptr));
    cmsWriteTag(p, cmsSigAToB0Tag, lut);
    cmsPipelineFree(lut);
    cmsUInt32Number iccSize = 0;
    cmsSaveProfileToMem(p, nullptr, &iccSize);
    QByteArray app2 = QByteArray("\xff\xe2..ICC_PROFILE\0\x01\x01", 18) + QByteArray(iccSize, 0);
    cmsSaveProfileToMem(p, app2.data() + 18, &iccSize);
    cmsCloseProfile(p);
    app2[2] = char((app2.size() - 2) >> 8);
    app2[3] = char((app2.size() - 2) & 0xff);
    return bytes.insert(2, app2);
}

QImage Filled(int w, int h, QRgb colour) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

} // namespace

class TestImageFileReader : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        return WriteAll(path, bytes) ? path : QString();
    }

private slots:
    // Each type, whatever the case of its name, read upright: the header's size, the full
    // decode (plain and in stoppable bands), the reduced decode; where a pixel ends up.
    void readUpright_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("colour");
        const QRgb red = qRgb(255, 0, 0);
        QTest::newRow("JPE") << "PHOTO.JPE" << Encode(Marked(), "JPEG") << QSize(64, 48)
                             << QPoint(24, 8) << red;
        QTest::newRow("TIFF") << "scan.TIFF" << Encode(Marked(), "TIFF") << QSize(64, 48)
                              << QPoint(24, 8) << red;
        QTest::newRow("png") << "shot.png" << Encode(Marked(), "PNG") << QSize(64, 48)
                             << QPoint(24, 8) << red;
        QTest::newRow("webp") << "web.webp" << Encode(Marked(), "WEBP") << QSize(64, 48)
                              << QPoint(24, 8) << red;
        // Where the block's centre (24, 8) ends up, worked out by hand for each orientation.
        for (const auto& [o, size, at] : {std::tuple{3, QSize(64, 48), QPoint(39, 39)},
                                          std::tuple{6, QSize(48, 64), QPoint(39, 24)},
                                          std::tuple{8, QSize(48, 64), QPoint(8, 39)},
                                          std::tuple{5, QSize(48, 64), QPoint(8, 24)}})
            QTest::addRow("orientation %d", o)
                << "phone.jpg" << WithOrientation(o) << size << at << red;
        // The cyan half is grey by the embedded profile (without it, it would be cyan).
        QTest::newRow("cmyk") << "print.jpg" << CmykJpeg(true) << QSize(64, 48) << QPoint(8, 24)
                              << qRgb(119, 119, 119);
        // Beyond Qt's own allocation limit (128 MB as 32-bit pixels): 36 megapixels.
        for (const char* format : {"bmp", "jpg"})
            QTest::addRow("36 MP %s", format)
                << QStringLiteral("big.") + QLatin1String(format)
                << Encode(Filled(6000, 6000, qRgb(200, 30, 40)), format) << QSize(6000, 6000)
                << QPoint(5999, 5999) << qRgb(200, 30, 40);
    }
    void readUpright() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QFETCH(QPoint, at);
        QFETCH(QRgb, colour);
        const auto near = [colour](QRgb c) {
            return std::abs(qRed(c) - qRed(colour)) + std::abs(qGreen(c) - qGreen(colour)) +
                       std::abs(qBlue(c) - qBlue(colour)) <
                   60;
        };
        const QString path = Write(name, bytes);
        const auto header = ImageFileReader::Open(path, ImageFileReader::Extent::HeaderOnly);
        QVERIFY2(header, qPrintable(header.error()));
        QCOMPARE(header->Size(), size);
        const auto file = ImageFileReader::Open(path);
        QVERIFY2(file, qPrintable(file.error()));
        const std::atomic_bool go{false};
        for (const std::atomic_bool* stop : {(const std::atomic_bool*)nullptr, &go}) {
            const auto img = file->Decode(stop);
            QVERIFY2(img, qPrintable(img.error()));
            const QImage picture = img->GetPicture();
            QCOMPARE(picture.size(), size);
            QVERIFY2(near(picture.pixel(at)), qPrintable(QColor(picture.pixel(at)).name()));
        }
        if (file->HasReducedDecode()) {
            const auto small = file->DecodeReduced(size / 4);
            QVERIFY2(small, qPrintable(small.error()));
            QCOMPARE(small->size(), size / 4);
            QVERIFY(near(small->pixel(at.x() / 4, at.y() / 4)));
        }
    }

    // Damaged, hostile and unsupported files are refused, by opening or decoding, saying why.
    void refused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray jpeg = Encode(Marked(), "JPEG");
        QByteArray corrupt = jpeg, huge = jpeg;
        corrupt.replace(jpeg.size() / 2, 64, QByteArray(64, '\x00'));
        const qsizetype sof = huge.indexOf("\xff\xc0");
        huge[sof + 5] = huge[sof + 7] = char(0xea); // 60000 x 60000 in a few KB
        huge[sof + 6] = huge[sof + 8] = char(0x60);
        // A run-length BMP of 64 x 48 (RLE8, 256 colours) whose pixel data stops after one run.
        const QByteArray rle =
            QByteArray::fromHex("424d3a0400000000000036040000280000004000000030000000010008000100"
                                "00000000000000000000000000000001000000000000") +
            QByteArray(1024, '\0') + QByteArray("\x10\x05\x00\x00", 4);
        QTest::newRow("truncated jpeg") << "cut.jpg" << jpeg.left(jpeg.size() * 2 / 3) << "damaged";
        QTest::newRow("corrupt jpeg") << "bad.jpg" << corrupt << "damaged";
        QTest::newRow("huge claim") << "huge.jpg" << huge << "60000 x 60000";
        QTest::newRow("rle bmp without data") << "rle.bmp" << rle << "damaged";
        QTest::newRow("cmyk without profile") << "print.jpg" << CmykJpeg(false) << "CMYK";
        QTest::newRow("png named jpg") << "png.jpg" << Encode(Marked(), "PNG") << ".png";
        QTest::newRow("text") << "notes.jpg" << QByteArray("just words") << "not an image";
    }
    void refused() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const auto file = ImageFileReader::Open(Write(name, bytes));
        const std::atomic_bool go{false};
        for (const std::atomic_bool* stop : {(const std::atomic_bool*)nullptr, &go}) {
            const QString error = file ? file->Decode(stop).error() : file.error();
            QVERIFY2(error.contains(reason), qPrintable(error));
        }
    }

    // An embedded profile is read with the pixels and travels into JPEG and TIFF tiles.
    void colourProfileCarriedIntoTiles() {
        QImage adobe = Marked();
        adobe.setColorSpace(QColorSpace::AdobeRgb);
        const QString path = Write(QStringLiteral("adobe.jpg"), Encode(adobe, "JPEG"));
        const auto img = ImageFileReader::Open(path)->Decode();
        QCOMPARE(QColorSpace::fromIccProfile(img->IccProfile()), QColorSpace::AdobeRgb);
        for (const QString format : {"jpg", "tif"}) {
            QCOMPARE(RunCli({"export", path, "--tiles", "2x1", "--out", dir.filePath("tiles"),
                             "--yes", "--format", format})
                         .status,
                     0);
            QCOMPARE(QImageReader(dir.filePath("tiles/adobe_002.") + format).read().colorSpace(),
                     QColorSpace::AdobeRgb);
        }
    }
};

QTEST_MAIN(TestImageFileReader)
#include "tst_image_file_reader.moc"
