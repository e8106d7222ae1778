#include "export_test_support.h"

#include "../cli/cli_run.h"
#include "cli/cli_app.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessellon;
using namespace tessellon::testing;

namespace {

using RunResult = testing::CliRun;
using testing::RunCli;

const QStringList kPoster{"--tiles", "3x2", "--custom", "1x1.25", "--margins", "0"};

QString SavePattern(const QTemporaryDir& dir, const QString& name, ImageFormat format) {
    const QString path = dir.filePath(name);
    return PatternImage(240, 160).SaveImageFile(path, format) ? path : QString();
}

QStringList Files(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class TestExportCli : public QObject {
    Q_OBJECT
private slots:
    void exportDefaults_data();
    void exportDefaults();
    void overlappingTiles();
    void existingFolder();
    void rotatedImage();
    void badInput_data();
    void badInput();
    void target_data();
    void target();
    void targetIgnoresFilesInTheWorkingFolder();
    void targetBadInput_data();
    void targetBadInput();
};

void TestExportCli::exportDefaults_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QStringList>("extra");
    QTest::newRow("base, format and a trailing separator")
        << "photo.jpg" << int(ImageFormat::Jpeg) << "t-001.bmp"
        << QStringList{"--base", "t-", "--format", "bmp"};
    QTest::newRow("JPG in capitals")
        << "PHOTO.JPG" << int(ImageFormat::Jpeg) << "PHOTO_001.jpg" << QStringList{};
    QTest::newRow("tif") << "scan.tif" << int(ImageFormat::Tiff) << "scan_001.tif" << QStringList{};
    QTest::newRow("bmp") << "a.bmp" << int(ImageFormat::Bmp) << "a_001.bmp" << QStringList{};
}

void TestExportCli::exportDefaults() {
    QFETCH(QString, name);
    QFETCH(int, format);
    QFETCH(QString, first);
    QFETCH(QStringList, extra);
    QTemporaryDir dir;
    const QString image = SavePattern(dir, name, *FormatFromCode(format));
    QVERIFY(!image.isEmpty());
    const QString out = dir.filePath(QStringLiteral("tiles"));
    const RunResult r =
        RunCli(QStringList{"export", image, "--out", out + (extra.isEmpty() ? "" : "/")} + kPoster +
               extra);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.endsWith(out + u'\n'));
    const QStringList files = Files(out);
    QCOMPARE(files.size(), 6);
    QCOMPARE(files.first(), first);
    const QImage tile = QImageReader(out + u'/' + first).read();
    QCOMPARE(tile.size(), QSize(64, 80));
    QCOMPARE(qRound(tile.dotsPerMeterX() * 0.0254), 64);
}

void TestExportCli::overlappingTiles() {
    QTemporaryDir dir;
    const QString image = SavePattern(dir, QStringLiteral("photo.bmp"), ImageFormat::Bmp);
    const QString out = dir.filePath(QStringLiteral("glued"));
    const RunResult r =
        RunCli(QStringList{"export", image, "--out", out, "--overlap", "0.25"} + kPoster);
    QCOMPARE(r.status, 0);
    // 2.5 x 2.25 inch poster: window 178 x 160 at x 31; the second column starts 0.75 / 2.5 of
    // 178 (53) in, the second row 1 / 2.25 of 160 (71) down; a tile spans 71.2 x 88.9 pixels.
    QVERIFY2(r.out.contains(QStringLiteral("tile 5: 84 71 154 159")), qPrintable(r.out));
    const QImage tile = QImageReader(out + QStringLiteral("/photo_005.bmp")).read();
    QCOMPARE(tile.convertToFormat(QImage::Format_RGB32),
             QImage(image).copy(84, 71, 71, 89).convertToFormat(QImage::Format_RGB32));
}

void TestExportCli::existingFolder() {
    QTemporaryDir dir;
    const QString image = SavePattern(dir, QStringLiteral("photo.bmp"), ImageFormat::Bmp);
    const QString out = dir.filePath(QStringLiteral("exists"));
    QVERIFY(QDir().mkdir(out));
    const RunResult refused = RunCli(QStringList{"export", image, "--out", out} + kPoster);
    QCOMPARE(refused.status, 2);
    QVERIFY2(refused.err.startsWith(QStringLiteral("The folder \"") + out +
                                    QStringLiteral("\" already exists Some files could be "
                                                   "overwritten.  Do you want to continue?\n")),
             qPrintable(refused.err));
    QCOMPARE(Files(out), QStringList());
    const RunResult yes = RunCli(QStringList{"export", image, "--out", out, "--yes"} + kPoster);
    QCOMPARE(yes.status, 0);
    QCOMPARE(Files(out).size(), 6);
}

void TestExportCli::rotatedImage() {
    QTemporaryDir dir;
    const QString image = SavePattern(dir, QStringLiteral("photo.bmp"), ImageFormat::Bmp);
    const QString out = dir.filePath(QStringLiteral("turned"));
    const RunResult r =
        RunCli(QStringList{"export", image, "--out", out, "--rotate", "90", "--tiles", "1x1",
                           "--custom", "1x1.5", "--margins", "0"});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.contains(QStringLiteral("tile 1: 0 0 159 239")));
    // Turned clockwise, as QImage turns it.
    QCOMPARE(QImage(out + QStringLiteral("/photo_001.bmp")).convertToFormat(QImage::Format_RGB888),
             PatternPixels(240, 160).Image().transformed(QTransform().rotate(90)));
}

void TestExportCli::badInput_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // the start of stderr; "%1" = the target folder
    QTest::newRow("zero-byte image") << "empty" << QStringList{} << 1 << "Cannot read image file ";
    QTest::newRow("bad format") << "" << QStringList{"--format", "png"} << 2
                                << "Invalid --format value";
    QTest::newRow("missing --out") << "noOut" << QStringList{} << 2 << "export needs --out";
    QTest::newRow("unwritable target")
        << "underFile" << QStringList{} << 1 << "Could not create the folder \"%1\"";
    QTest::newRow("short name") << "shortName" << QStringList{} << 2
                                << "Invalid file chosen.  Can not continue.";
}

void TestExportCli::badInput() {
    QFETCH(QString, setup);
    QFETCH(QStringList, extra);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QString image = SavePattern(dir, QStringLiteral("photo.jpg"), ImageFormat::Jpeg);
    QString out = dir.filePath(QStringLiteral("tiles"));
    if (setup == u"empty") {
        QVERIFY(WriteAll(image, QByteArray()));
    } else if (setup == u"underFile") {
        out = image + QStringLiteral("/tiles");
    } else if (setup == u"shortName") {
        QVERIFY(QFile::rename(image, dir.filePath(QStringLiteral(".jpg"))));
        image = dir.filePath(QStringLiteral(".jpg"));
    }
    QStringList args{"export", image};
    if (setup != u"noOut")
        args << QStringLiteral("--out") << out;
    const RunResult r = RunCli(args + kPoster + extra);
    QCOMPARE(r.status, status);
    QVERIFY2(r.err.startsWith(message.contains(u"%1") ? message.arg(out) : message),
             qPrintable(r.err));
    // Nothing is left behind in the source folder but the source.
    QVERIFY(!QFileInfo(out).isDir() || Files(out).isEmpty());
}

void TestExportCli::target_data() {
    QTest::addColumn<QStringList>("paper");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("millimetres tif")
        << QStringList{"--units", "mm", "--custom", "101.6x152.4", "--margins", "0"} << "t.tif"
        << QSize(512, 768);
}

void TestExportCli::target() {
    QFETCH(QStringList, paper);
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    const RunResult r = RunCli(QStringList{"target", "--out", path} + paper);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, path + u'\n');
    const QImage img = QImageReader(path).read();
    QCOMPARE(img.size(), size);
    QCOMPARE(qRound(img.dotsPerMeterX() * 0.0254), 128);
    QCOMPARE(img.dotsPerMeterY(), img.dotsPerMeterX());
    QCOMPARE(img.pixel(0, 0), qRgb(180, 120, 0));
    QCOMPARE(img.pixel(8, 8), qRgb(0, 0, 255));
    QCOMPARE(img.pixel(24, 24), qRgb(255, 0, 0));
}

void TestExportCli::targetIgnoresFilesInTheWorkingFolder() {
    // Only the paper decides the target's size, whatever files the working folder holds.
    QTemporaryDir dir;
    QVERIFY(WriteAll(dir.filePath(QStringLiteral("1000x1000")), "not an image"));
    const QString old = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const RunResult r = RunCli({"target", "--out", dir.filePath(QStringLiteral("t.bmp"))});
    QDir::setCurrent(old);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.status, 0);
    QCOMPARE(QImageReader(dir.filePath(QStringLiteral("t.bmp"))).size(), QSize(768, 512));
}

void TestExportCli::targetBadInput_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const QString invalidType =
        QStringLiteral("Invalid image filename.  Must save image as bmp, tif or jpg file");
    QTest::newRow("jpeg") << QStringList{"--out", "/tmp/x.jpeg"} << 2 << invalidType;
    QTest::newRow("missing --out") << QStringList{} << 2 << "target needs --out";
    QTest::newRow("unwritable") << QStringList{"--out", "UNDERFILE/t.bmp"} << 1
                                << "Error occurred while saving image to disk - ";
}

void TestExportCli::targetBadInput() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("plain"));
    QVERIFY(WriteAll(file, "x"));
    for (QString& a : args)
        a.replace(QStringLiteral("UNDERFILE"), file);
    const RunResult r = RunCli(QStringList{"target", "--custom", "4x6", "--margins", "0"} + args);
    QCOMPARE(r.status, status);
    QVERIFY2(r.err.startsWith(message), qPrintable(r.err));
}

QTEST_MAIN(TestExportCli)
#include "tst_export_cli.moc"
