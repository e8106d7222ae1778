#include "cli/export_command.h"
#include "export_test_support.h"
#include "tests/support/memory_settings_store.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessellon;
using namespace tessellon::testing;

namespace {

struct Run {
    int status;
    QString err;
};

// `export IMAGE --out DIR/out ARGS` for 2 x 2 tiles of 20 x 20 pixels cut from a 40 x 40 BMP;
// the render function, when given, makes the tiles.
Run Export(const QTemporaryDir& dir, const QStringList& args,
           TileSaver::RenderFunction render = {}) {
    const QString image = dir.filePath(QStringLiteral("in.bmp"));
    QImage(40, 40, QImage::Format_RGB888).save(image);
    QString out, err;
    QTextStream o(&out), e(&err);
    MemorySettingsStore settings;
    settings.SetRaw(PrefValue::AppDir, dir.path());
    ExportCommand command(o, e, false, &settings);
    command.SetRenderFunction(std::move(render));
    const int status = command.Run(
        QStringList{"tessellon-cli", image, "--out", dir.filePath(QStringLiteral("out")), "--tiles",
                    "2x2", "--custom", "1x1", "--margins", "0", "--format", "bmp"} +
        args);
    e.flush();
    return {status, err};
}

} // namespace

class TestSaveFailures : public QObject {
    Q_OBJECT
private slots:
    void outOfMemoryEndsTheSave();
    void linkNamedLikeTileIsReplaced();
    void badBaseName_data();
    void badBaseName();
    void libraryMessagesStayOff();
};

void TestSaveFailures::outOfMemoryEndsTheSave() {
    QTemporaryDir dir;
    const Run r = Export(dir, {}, [](const PixelArray& source, const TileSaver::TileJob& job) {
        if (job.rect.top > 0) // the second row of tiles
            throw std::bad_alloc();
        return TileSaver::RenderTile(source, job);
    });
    QCOMPARE(r.status, 1);
    QCOMPARE(r.err, QStringLiteral("Error saving tile image file to disk.  A possible cause is "
                                   "that the disk is full.  Can not continue. Reason: Not enough "
                                   "memory\n"));
    // The tiles before are complete.
    const QDir out(dir.filePath(QStringLiteral("out")));
    QCOMPARE(out.entryList(QDir::Files), (QStringList{"in_001.bmp", "in_002.bmp"}));
    QCOMPARE(QImage(out.filePath(QStringLiteral("in_002.bmp"))).size(), QSize(20, 20));
}

void TestSaveFailures::linkNamedLikeTileIsReplaced() {
    QTemporaryDir dir;
    const QString outside = dir.filePath(QStringLiteral("outside.txt"));
    QVERIFY(WriteAll(outside, "not a tile"));
    QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("out"))));
    const QString link = dir.filePath(QStringLiteral("out/in_001.bmp"));
    QVERIFY(QFile::link(outside, link));

    QCOMPARE(Export(dir, {"--yes"}).status, 0);
    QCOMPARE(ReadAll(outside), QByteArray("not a tile"));
    QVERIFY(!QFileInfo(link).isSymLink());
    QCOMPARE(QImage(link).size(), QSize(20, 20));
}

void TestSaveFailures::badBaseName_data() {
    QTest::addColumn<QString>("base");
    QTest::newRow("separator") << "a/b";
    QTest::newRow("dot") << ".";
    QTest::newRow("dot dot") << "..";
    QTest::newRow("hidden") << ".tile";
}

void TestSaveFailures::badBaseName() {
    QFETCH(QString, base);
    QTemporaryDir dir;
    const Run r = Export(dir, {"--base", base});
    QCOMPARE(r.status, 2);
    QCOMPARE(r.err.count(u'\n'), 1);
    QVERIFY(r.err.contains(base));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("out"))));
}

void TestSaveFailures::libraryMessagesStayOff() {
    const QString cli =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../tessellon-cli");
    if (!QFileInfo(cli).isExecutable())
        QSKIP("the command-line tool is not built");
    QTemporaryDir dir;
    // A TIFF header whose directory is cut off: libtiff reports it on its own.
    const QString image = dir.filePath(QStringLiteral("cut.tif"));
    QVERIFY(WriteAll(image, QByteArray("II*\x00\x08\x00\x00\x00\x05\x00", 10)));
    QProcess p;
    p.start(cli, {QStringLiteral("info"), image});
    QVERIFY(p.waitForFinished());
    QCOMPARE(p.exitCode(), 2);
    // One line of ours, with the reason, and nothing from the library.
    QCOMPARE(QString::fromUtf8(p.readAllStandardError()),
             QStringLiteral("Cannot read image file %1: The image is damaged: its header cannot "
                            "be read.\n")
                 .arg(image));
}

QTEST_MAIN(TestSaveFailures)
#include "tst_save_failures.moc"
