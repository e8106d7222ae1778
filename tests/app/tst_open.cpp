// Opening photos: the main window's own loading path and the command line side by side.
#include "app/frm_main.h"
#include "export/imaging.h"
#include "source/status_pictures.h"
#include "tests/cli/cli_run.h"
#include "tests/support/find_control.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/recording_message_service.h"

#include <QApplication>
#include <QBuffer>
#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include <lcms2.h>
#include <turbojpeg.h>

using namespace tessellon;
using tessellon::testing::Find;
using tessellon::testing::RunCli;

namespace {

class TestMain : public frmMain {
public:
    using frmMain::frmMain;
    QString chosen;

protected:
    QString ChooseImageFile() override { return chosen; }
};

QByteArray Encode(const QImage& img, const char* format, int quality = 95) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!img.save(&buffer, format, quality))
        qFatal("cannot encode test image");
    return bytes;
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
QByteArray WithOrientation(QByteArray jpeg, int orientation) {
    return jpeg.insert(2, QByteArray::fromHex("ffe100224578696600004d4d002a000000080001011200030000"
                                              "000100") +
                              char(orientation) + QByteArray(6, '\0'));
}

// A CMYK profile where black ink is black and every other ink a neutral mid grey.
QByteArray GreyInkProfile() {
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
    // Profiles store curves around the table; identity ones here.
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

// A CMYK JPEG, as print shops send them (Adobe's inverted values: 255 is no ink), with
// `icc` embedded: the left half full cyan, the right half full black.
QByteArray CmykJpeg(const QByteArray& icc = {}) {
    std::vector<unsigned char> cmyk(64 * 48 * 4, 255);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            cmyk[size_t(y * 64 + x) * 4 + (x < 32 ? 0 : 3)] = 0;
    tjhandle h = tjInitCompress();
    unsigned char* out = nullptr;
    unsigned long size = 0;
    tjCompress2(h, cmyk.data(), 64, 0, 48, TJPF_CMYK, &out, &size, TJSAMP_444, 90, 0);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    tjFree(out);
    tjDestroy(h);
    if (!icc.isEmpty()) {
        QByteArray app2 = QByteArray("\xff\xe2..ICC_PROFILE\0\x01\x01", 18) + icc;
        app2[2] = char((app2.size() - 2) >> 8);
        app2[3] = char((app2.size() - 2) & 0xff);
        bytes.insert(2, app2);
    }
    return bytes;
}

// A run-length BMP of 64 x 48 (RLE8, 256 colours) whose pixel data stops after one run.
QByteArray RleBmpMissingData() {
    return QByteArray::fromHex("424d3a040000000000003604000028000000400000003000000001000800010000"
                               "000000000000000000000000000001000000000000") +
           QByteArray(1024, '\0') + QByteArray("\x10\x05\x00\x00", 4);
}

bool IsRed(QRgb c) {
    return qRed(c) > 180 && qBlue(c) < 90;
}

} // namespace

class TstOpen : public QObject {
    Q_OBJECT

    RecordingMessageService messages;
    MemorySettingsStore store;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TestMain> w;

    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir->filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write test file");
        return path;
    }
    QListWidget* Files() const { return Find<QListWidget>(*w, "lstFiles"); }
    QString Chosen() const { return Files()->currentItem()->text(); }
    testing::CliRun Export(const QString& path, const QStringList& more = {}) {
        return RunCli(QStringList{QStringLiteral("export"), path, QStringLiteral("--tiles"),
                                  QStringLiteral("2x1"), QStringLiteral("--out"),
                                  dir->filePath(QStringLiteral("tiles")), QStringLiteral("--yes")} +
                      more);
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("app")));
        store.Clear();
        store.SavePref(PrefValue::AppDir, dir->filePath(QStringLiteral("app")));
        messages.Clear();
        w = std::make_unique<TestMain>(store, messages);
        w->Form_Load();
        w->resize(1180, 760);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void cleanup() { w.reset(); }

    // Every type opens in the window and on the command line, whatever the case of its name.
    void typesOpenInBothFrontEnds_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("JPE") << "PHOTO.JPE" << QByteArray("JPEG");
        QTest::newRow("tiff") << "scan.TIFF" << QByteArray("TIFF");
        QTest::newRow("png") << "shot.png" << QByteArray("PNG");
        QTest::newRow("webp") << "web.webp" << QByteArray("WEBP");
    }
    void typesOpenInBothFrontEnds() {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        const QString path = Write(name, Encode(Marked(), format.constData(), 100));
        QVERIFY2(w->OpenImageFile(path), qPrintable(w->LoadErrorText()));
        QCOMPARE(Chosen(), name);
        QCOMPARE(w->Image().Full().size(), QSize(64, 48));
        QVERIFY(IsRed(w->Image().Full().pixel(24, 8)));
        const auto cli = Export(path);
        QVERIFY2(cli.status == 0, qPrintable(cli.err));
        QCOMPARE(QDir(dir->filePath(QStringLiteral("tiles"))).entryList(QDir::Files).size(), 2);
    }

    // Damaged, hostile and unsupported files are refused alike, with the same reason in the
    // window (under the error picture) and on the command line (status 1).
    void badFilesRefusedAlike_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray jpeg = Encode(Marked(), "JPEG");
        QByteArray corrupt = jpeg;
        corrupt.replace(jpeg.size() / 2, 64, QByteArray(64, '\x00'));
        QByteArray huge = jpeg;
        const qsizetype sof = huge.indexOf("\xff\xc0");
        huge[sof + 5] = huge[sof + 7] = char(0xea); // 60000 x 60000 in a few KB
        huge[sof + 6] = huge[sof + 8] = char(0x60);
        QTest::newRow("truncated jpeg") << "cut.jpg" << jpeg.left(jpeg.size() * 2 / 3) << "damaged";
        QTest::newRow("corrupt jpeg") << "bad.jpg" << corrupt << "damaged";
        QTest::newRow("huge claim") << "huge.jpg" << huge << "60000 x 60000";
        QTest::newRow("rle bmp without data") << "rle.bmp" << RleBmpMissingData() << "damaged";
        QTest::newRow("cmyk") << "print.jpg" << CmykJpeg() << "CMYK";
        QTest::newRow("png named jpg") << "png.jpg" << Encode(Marked(), "PNG") << ".png";
        QTest::newRow("text") << "notes.jpg" << QByteArray("just words") << "not an image";
    }
    void badFilesRefusedAlike() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString path = Write(name, bytes);
        QVERIFY(!w->OpenImageFile(path));
        QVERIFY(!w->State().bImgSelected);
        QCOMPARE(w->StatusPicture(), int(StatusPictures::kError));
        QVERIFY2(w->LoadErrorText().contains(reason), qPrintable(w->LoadErrorText()));
        QVERIFY(messages.Messages().isEmpty());
        const auto cli = Export(path);
        QCOMPARE(cli.status, 1);
        QVERIFY2(cli.err.contains(w->LoadErrorText()), qPrintable(cli.err));
    }

    // A CMYK JPEG with its profile is converted through it; without one it is refused (above).
    void cmykConvertedThroughItsProfile() {
        const QString path = Write(QStringLiteral("print.jpg"), CmykJpeg(GreyInkProfile()));
        ImageObject img;
        const auto loaded = img.LoadImageFile(path);
        QVERIFY2(loaded, qPrintable(loaded.error()));
        const QImage rgb = img.GetPicture();
        // Cyan ink is grey by this profile (a conversion without it would make it cyan).
        const QColor cyan = rgb.pixelColor(8, 24), ink = rgb.pixelColor(56, 24);
        QVERIFY2(cyan.red() > 90 && cyan.red() < 150 && std::abs(cyan.red() - cyan.blue()) < 12,
                 qPrintable(cyan.name()));
        QVERIFY2(ink.red() < 40 && ink.green() < 40 && ink.blue() < 40, qPrintable(ink.name()));
        QVERIFY(w->OpenImageFile(path));
        QCOMPARE(w->Image().Full().pixelColor(56, 24), ink);
    }

    void tooSmallRefusedOnTheCommandLine() {
        QImage tiny(20, 30, QImage::Format_RGB32);
        tiny.fill(Qt::gray);
        const auto cli = Export(Write(QStringLiteral("tiny.bmp"), Encode(tiny, "BMP")));
        QCOMPARE(cli.status, 2);
        QVERIFY(cli.err.contains(QStringLiteral("EXTREMELY small")));
    }

    // Beyond Qt's own allocation limit (128 MB as 32-bit pixels): 36 megapixels, clicked.
    void largeImagesOpenInTheWindow_data() {
        QTest::addColumn<int>("format");
        QTest::newRow("jpeg") << int(ImageFormat::Jpeg);
        QTest::newRow("bmp") << int(ImageFormat::Bmp);
    }
    void largeImagesOpenInTheWindow() {
        QFETCH(int, format);
        ImageObject big;
        QVERIFY(big.CreateBlankImage(6000, 6000, QColor(200, 30, 40)));
        const QString name = format == int(ImageFormat::Jpeg) ? QStringLiteral("big.jpg")
                                                              : QStringLiteral("big.bmp");
        QVERIFY(big.SaveImageFile(dir->filePath(name), ImageFormat(format)));
        big = ImageObject();
        w->SetCurrentFolder(dir->path());
        Files()->setCurrentItem(Files()->findItems(name, Qt::MatchExactly).first());
        QVERIFY2(w->State().bImgSelected, qPrintable(w->LoadErrorText()));
        QCOMPARE(w->Image().Full().size(), QSize(6000, 6000));
        QVERIFY(IsRed(w->Image().Full().pixel(5999, 5999)));
    }

    // The stored orientation is applied on reading: header size, full image, preview.
    void exifOrientationApplied_data() {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("red"); // where the block's centre (24, 8) ends up
        QTest::newRow("3 half turn") << 3 << QSize(64, 48) << QPoint(39, 39);
        QTest::newRow("6 phone portrait") << 6 << QSize(48, 64) << QPoint(39, 24);
        QTest::newRow("8 turned left") << 8 << QSize(48, 64) << QPoint(8, 39);
        QTest::newRow("5 transposed") << 5 << QSize(48, 64) << QPoint(8, 24);
    }
    void exifOrientationApplied() {
        QFETCH(int, orientation);
        QFETCH(QSize, size);
        QFETCH(QPoint, red);
        const QString path = Write(QStringLiteral("phone.jpg"),
                                   WithOrientation(Encode(Marked(), "JPEG"), orientation));
        QCOMPARE(*ImageObject::ReadFileInfo(path), size);
        ImageObject img;
        QVERIFY(img.LoadImageFile(path));
        QCOMPARE(img.GetPicture().size(), size);
        QVERIFY(IsRed(img.GetPicture().pixel(red)));
        QVERIFY(w->OpenImageFile(path));
        QCOMPARE(QSize(w->State().lImgWidth, w->State().lImgHeight), size);
        const QImage preview = w->Image().PreviewSource();
        QVERIFY(IsRed(preview.pixel(red.x() * preview.width() / size.width(),
                                    red.y() * preview.height() / size.height())));
        // `info` reports the poster of the upright size.
        const QString upright = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        QCOMPARE(RunCli({QStringLiteral("info"), path}).out,
                 RunCli({QStringLiteral("info"), upright}).out);
    }

    // An embedded profile travels into every JPEG and TIFF tile, from both front ends.
    void colourProfileCarriedIntoTiles() {
        QImage adobe = Marked();
        adobe.setColorSpace(QColorSpace::AdobeRgb);
        const QString path = Write(QStringLiteral("adobe.jpg"), Encode(adobe, "JPEG"));
        ImageObject img;
        QVERIFY(img.LoadImageFile(path));
        QCOMPARE(QColorSpace::fromIccProfile(img.IccProfile()), QColorSpace(QColorSpace::AdobeRgb));
        for (const char* format : {"jpg", "tif"}) {
            const auto cli =
                Export(path, {QStringLiteral("--format"), QString::fromLatin1(format)});
            QCOMPARE(cli.status, 0);
            const QImage tile = QImageReader(dir->filePath(QStringLiteral("tiles/adobe_002.") +
                                                           QString::fromLatin1(format)))
                                    .read();
            QCOMPARE(tile.colorSpace(), QColorSpace(QColorSpace::AdobeRgb));
        }
        QVERIFY(w->OpenImageFile(path));
        QCOMPARE(w->Image().IccProfile(), img.IccProfile());
    }

    // `tessellon FILE`, File > Open and a drop: the file's folder becomes current, the file is
    // chosen and loaded.
    void openingFromCommandLineAndMenu() {
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("sub")));
        const QString a = Write(QStringLiteral("sub/a.jpg"), Encode(Marked(), "JPEG"));
        w->OpenStartFile({QStringLiteral("tessellon"), a});
        QCOMPARE(w->CurrentFolder(), dir->filePath(QStringLiteral("sub")));
        QCOMPARE(Chosen(), "a.jpg");
        QVERIFY(w->State().bImgSelected);
        QCOMPARE(store.GetPref(PrefValue::LastFolder), dir->filePath(QStringLiteral("sub")));
        w->chosen = Write(QStringLiteral("b.png"), Encode(Marked(), "PNG"));
        Find<QAction>(*w, "mnuOpen")->trigger();
        QCOMPARE(w->CurrentFolder(), QDir::cleanPath(dir->path()));
        QCOMPARE(Chosen(), "b.png");
        QVERIFY(w->State().bImgSelected);
        // A file dropped on the window.
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(a)});
        QDragEnterEvent enter(w->rect().center(), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(w.get(), &enter);
        QDropEvent drop(w->rect().center(), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(w.get(), &drop);
        QCOMPARE(Chosen(), "a.jpg");
        QVERIFY(w->State().bImgSelected);
    }

    // Without a stored folder the browser starts in Pictures, or home; the tree shows it.
    void startFolder() {
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", dir->path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", dir->filePath(QStringLiteral("app")).toLocal8Bit());
        MemorySettingsStore s1, s2;
        TestMain atHome(s1, messages);
        atHome.Form_Load();
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("Pictures")));
        TestMain atPictures(s2, messages);
        atPictures.Form_Load();
        atPictures.show();
        qputenv("HOME", home);
        QCOMPARE(atHome.CurrentFolder(), QDir::cleanPath(dir->path()));
        QCOMPARE(atPictures.CurrentFolder(), dir->filePath(QStringLiteral("Pictures")));
        QVERIFY(QTest::qWaitForWindowExposed(&atPictures));
        auto* tree = Find<QTreeView>(atPictures, "Dir1");
        QTRY_VERIFY(
            tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex()).center()));
    }

    // After a quarter turn the preview is made from at least as many pixels as it shows.
    void previewSharpAfterTurn() {
        ImageObject big;
        QVERIFY(big.CreateBlankImage(1200, 400, Qt::gray));
        const QString path = dir->filePath(QStringLiteral("pano.jpg"));
        QVERIFY(big.SaveImageFile(path, ImageFormat::Jpeg));
        QVERIFY(w->OpenImageFile(path));
        QVERIFY(w->Image().PreviewSource().width() < 1200); // a reduced decode
        Find<QComboBox>(*w, "cmbRotate")->setCurrentIndex(1);
        const QSize shown =
            QSize(400, 1200).scaled(Find<PictureBox>(*w, "picCur")->size(), Qt::KeepAspectRatio);
        QVERIFY(w->Image().PreviewSource().height() >= shown.height());
    }
};

QTEST_MAIN(TstOpen)
#include "tst_open.moc"
