#include "cli/cli_app.h"
#include "cli_run.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessellon;

using RunResult = testing::CliRun;
using testing::RunCli;

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void variants_data();
    void variants();
    void imageHeader();
    void badInput_data();
    void badInput();
    void help();
    void everyListedPaperAccepted();
};

void TestCli::variants_data() {
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("millimetres") << QStringList{"--units", "mm", "--custom", "203.2x254"}
                                 << QStringList{"Size: 61.0 x 50.8 cm", "Resolution: 39.4 dots/cm",
                                                "MegaPixels: 4.80", "Quality: Good",
                                                "tile 1: 300 0 1099 999"};
    // 22 x 19 inch poster (3 x 8 - 2 x 1, 2 x 10 - 1): 105.26 dpi, window 2316 x 2000 at 342.
    QTest::newRow("overlap in mm")
        << QStringList{"--units", "mm", "--custom", "203.2x254", "--overlap", "25.4"}
        << QStringList{"Size: 55.9 x 48.3 cm", "Resolution: 41.4 dots/cm", "MegaPixels: 4.63",
                       "Quality: Good", "tile 1: 342 0 1183 1052", "tile 2: 1079 0 1920 1052"};
    QTest::newRow("rotated image")
        << QStringList{"--rotate", "90"}
        << QStringList{"Size: 24.00 x 20.00 inches", "Resolution: 83.3 dpi", "MegaPixels: 3.33",
                       "Quality: Fair", "tile 1: 0 666 666 1498"};
}

void TestCli::variants() {
    QFETCH(QStringList, extra);
    QFETCH(QStringList, expected);
    QStringList args{"info", "3000x2000", "--tiles", "3x2", "--custom", "8x10", "--margins", "0"};
    const RunResult r = RunCli(args + extra);
    QCOMPARE(r.status, 0);
    const QStringList lines = r.out.split(u'\n');
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(lines.value(i), expected[i]);
}

void TestCli::imageHeader() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.bmp"));
    QImage img(300, 200, QImage::Format_RGB888);
    img.fill(Qt::white);
    QVERIFY(img.save(path));
    const RunResult r =
        RunCli({"info", path, "--tiles", "1x1", "--custom", "3x2", "--margins", "0"});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.contains(QStringLiteral("Resolution: 100.0 dpi")), qPrintable(r.out));
    QVERIFY(r.out.contains(QStringLiteral("tile 1: 0 0 299 199")));
    // Default paper: the first inch preset, 6 x 4 inches without margins.
    const RunResult d = RunCli({"info", path, "--tiles", "1x1"});
    QCOMPARE(d.status, 0);
    QVERIFY2(d.out.startsWith(QStringLiteral("Size: 6.00 x 4.00 inches\nResolution: 50.0 dpi")),
             qPrintable(d.out));
}

void TestCli::badInput_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("errPart");
    QTest::newRow("unknown option") << QStringList{"info", "10x10", "--bogus"} << "bogus";
    QTest::newRow("zoom range") << QStringList{"info", "10x10", "--zoom", "401"} << "--zoom";
    QTest::newRow("tiles range") << QStringList{"info", "10x10", "--tiles", "26x1"} << "--tiles";
    QTest::newRow("tiles zero") << QStringList{"info", "10x10", "--tiles", "0x1"} << "--tiles";
    QTest::newRow("rotate") << QStringList{"info", "10x10", "--rotate", "45"} << "--rotate";
    QTest::newRow("hcenter") << QStringList{"info", "10x10", "--hcenter", "-1"} << "--hcenter";
    QTest::newRow("units") << QStringList{"info", "10x10", "--units", "cm"} << "--units";
    QTest::newRow("margins") << QStringList{"info", "10x10", "--margins", "1,2"} << "--margins";
    QTest::newRow("missing file") << QStringList{"info", "/nonexistent/x.jpg"} << "x.jpg";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << "frobnicate";
    QTest::newRow("tile too small")
        << QStringList{"info", "10x10", "--custom", "1x1", "--margins", "0.2"}
        << "Paper/Margins too small";
    QTest::newRow("tile too large mm")
        << QStringList{"info", "10x10", "--units", "mm", "--custom", "1300x100", "--margins", "0"}
        << "Paper size too large";
    QTest::newRow("overlap beyond half a tile")
        << QStringList{"info", "10x10", "--overlap", "2.01"} << "--overlap";
    QTest::newRow("custom size with a preset")
        << QStringList{"info", "10x10", "--paper", "Photo 5\" x 7\"", "--custom", "4x4"}
        << "--custom";
}

void TestCli::badInput() {
    QFETCH(QStringList, args);
    QFETCH(QString, errPart);
    const RunResult r = RunCli(args);
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QString());
    QVERIFY2(r.err.contains(errPart), qPrintable(r.err));
    QCOMPARE(r.err.count(u'\n'), 1);
}

void TestCli::help() {
    const RunResult r = RunCli({"--help"});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.contains(QStringLiteral("--tiles WxH")));
}

// Every name `papers` lists is accepted by --paper of its unit.
void TestCli::everyListedPaperAccepted() {
    const RunResult list = RunCli({"papers"});
    QCOMPARE(list.status, 0);
    const QStringList lines = list.out.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(lines.size() > 10);
    for (const QString& line : lines) {
        const QStringList f = line.split(u'\t');
        QCOMPARE(f.size(), 4);
        if (f[1].startsWith(QStringLiteral("Custom")))
            continue; // the custom entry's default size may be what --custom replaces
        const RunResult one = RunCli({"info", "3000x2000", "--units", f[0], "--paper", f[1]});
        QVERIFY2(one.status == 0, qPrintable(line + one.err));
    }
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
