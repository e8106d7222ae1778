#include "../calibration/profile_test_support.h"
#include "calibration/profile_file.h"
#include "cli/cli_app.h"
#include "cli_run.h"
#include "tests/support/memory_settings_store.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessellon;
using tessellon::testing::ReadAll;
using tessellon::testing::WriteAll;

namespace {

using RunResult = testing::CliRun;

// Runs the tool with app_dir pointing into `appDir`, so the default profile file never touches
// the user's own.
RunResult RunCli(const QString& appDir, const QStringList& args) {
    MemorySettingsStore settings;
    settings.SetRaw(PrefValue::AppDir, appDir);
    return testing::RunCli(args, &settings);
}

const QString kShippedListing = QStringLiteral("default\t0 0 0 0\n"
                                               "Kodak photo lab default\t3 4 3 2\n"
                                               "Fuji photo lab default\t2 6 3 6\n");

} // namespace

class TestCliProfiles : public QObject {
    Q_OBJECT
private slots:
    void defaultFileOnlyRead();
    void namedFileOnlyRead();
    void badInput_data();
    void badInput();
    void infoWithProfile();
    void exportWithProfile();
};

void TestCliProfiles::defaultFileOnlyRead() {
    QTemporaryDir dir;
    const QString file = dir.filePath(ProfileFile::FileName());
    const RunResult r = RunCli(dir.path(), {QStringLiteral("profiles")});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, kShippedListing);
    QCOMPARE(r.err, QString());
    QVERIFY(!QFileInfo::exists(file));

    // A hand-edited file is listed as its numbers read and left as it is, with one line
    // saying so.
    const QByteArray mine = "Mine\t1,2,3,16,\n";
    QVERIFY(WriteAll(file, mine));
    const RunResult again = RunCli(dir.path(), {QStringLiteral("profiles")});
    QCOMPARE(again.status, 0);
    QCOMPARE(again.out, QStringLiteral("Mine\t1 2 3 16\n"));
    QCOMPARE(again.err.count(u'\n'), 1);
    QVERIFY(again.err.contains(file));
    QCOMPARE(ReadAll(file), mine);
}

void TestCliProfiles::namedFileOnlyRead() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("lab.txt"));
    QVERIFY(ProfileFile::Write(file, {EdgeProfile{QStringLiteral("Lab A"), {4, 0, 8, 12}},
                                      EdgeProfile{QStringLiteral("Lab B"), {0, 0, 0, 1}}}));
    const QByteArray before = ReadAll(file);
    const RunResult r =
        RunCli(dir.path(), {QStringLiteral("profiles"), QStringLiteral("--profiles"), file});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QStringLiteral("Lab A\t4 0 8 12\nLab B\t0 0 0 1\n"));
    QCOMPARE(ReadAll(file), before);
    // The default file is not made when another file is named.
    QVERIFY(!QFileInfo::exists(dir.filePath(ProfileFile::FileName())));
}

void TestCliProfiles::badInput_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("fileContent"); // written to FILE first unless "-"
    QTest::addColumn<QString>("error");

    const QString missing = QStringLiteral("Profile file not found: FILE");
    QTest::newRow("missing file, profiles")
        << QStringList{"profiles", "--profiles", "FILE"} << "-" << missing;
    QTest::newRow("file without profiles")
        << QStringList{"profiles", "--profiles", "FILE"} << "no tab on this line\r\n"
        << "No edge calibration profile in FILE";
    QTest::newRow("unknown profile")
        << QStringList{"info", "3000x2000", "--edge-profile", "Kodak", "--profiles", "FILE"}
        << "Kodak photo lab default\t03,04,03,02,\r\n"
        << "Unknown edge calibration profile: Kodak (see tessellon-cli profiles)";
    QTest::newRow("profiles without edge-profile")
        << QStringList{"info", "3000x2000", "--profiles", "FILE"} << "default\t00,00,00,00,\r\n"
        << "--profiles needs --edge-profile NAME";
    QTest::newRow("profiles with an argument") << QStringList{"profiles", "extra"} << "-"
                                               << "profiles takes no arguments (see --help)";
}

void TestCliProfiles::badInput() {
    QFETCH(QStringList, args);
    QFETCH(QString, fileContent);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("profiles.txt"));
    if (fileContent != u"-")
        QVERIFY(WriteAll(file, fileContent.toUtf8()));
    args.replaceInStrings(QStringLiteral("FILE"), file);
    const RunResult r = RunCli(dir.path(), args);
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QString());
    QCOMPARE(r.err, error.replace(QStringLiteral("FILE"), file) + u'\n');
    // A named file is never created or rewritten.
    if (fileContent == u"-")
        QVERIFY(!QFileInfo::exists(file));
    else
        QCOMPARE(QString::fromUtf8(ReadAll(file)), fileContent);
}

void TestCliProfiles::infoWithProfile() {
    QTemporaryDir dir;
    // The printable part of each 6 x 4 inch tile shrinks by what the printer clips:
    // 6 - (4 + 2)/64 wide and 4 - (3 + 3)/64 high.
    const RunResult r = RunCli(dir.path(), {QStringLiteral("info"), QStringLiteral("3000x2000"),
                                            QStringLiteral("--edge-profile"),
                                            QStringLiteral("Kodak photo lab default")});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.startsWith(QStringLiteral("Size: 11.81 x 7.81 inches\n")), qPrintable(r.out));
    const RunResult plain =
        RunCli(dir.path(), {QStringLiteral("info"), QStringLiteral("3000x2000")});
    QVERIFY(plain.out.startsWith(QStringLiteral("Size: 12.00 x 8.00 inches\n")));
    // A profile that clips nothing changes nothing.
    const RunResult none =
        RunCli(dir.path(), {QStringLiteral("info"), QStringLiteral("3000x2000"),
                            QStringLiteral("--edge-profile"), QStringLiteral("default")});
    QCOMPARE(none.out, plain.out);
}

void TestCliProfiles::exportWithProfile() {
    QTemporaryDir dir;
    QImage source(300, 200, QImage::Format_RGB32);
    source.fill(QColor(10, 200, 30));
    const QString image = dir.filePath(QStringLiteral("p.bmp"));
    QVERIFY(source.save(image));
    const QStringList poster{"--tiles", "1x1", "--custom", "3x2", "--margins", "0"};

    const RunResult plain =
        RunCli(dir.path(),
               QStringList{"export", image, "--out", dir.filePath(QStringLiteral("a"))} + poster);
    QCOMPARE(QImageReader(dir.filePath(QStringLiteral("a/p_001.bmp"))).size(), QSize(300, 200));

    // Fuji clips 2, 6, 3, 6 sixty-fourths (top, right, bottom, left). The tile shows columns
    // 4..296 (293 pixels) at about 104.1 dpi, and each edge is then repeated outwards by
    // floor(104.1 x clip / 64) pixels: 9 left and right, 3 top, 4 bottom.
    const RunResult fuji =
        RunCli(dir.path(), QStringList{"export", image, "--out", dir.filePath(QStringLiteral("b")),
                                       "--edge-profile", "Fuji photo lab default"} +
                               poster);
    QCOMPARE(fuji.status, 0);
    QVERIFY2(fuji.out.contains(QStringLiteral("tile 1: 4 0 296 199\n")), qPrintable(fuji.out));
    QImage tile(dir.filePath(QStringLiteral("b/p_001.bmp")));
    QCOMPARE(tile.size(), QSize(311, 207));
    // The added border repeats the edge pixels, so the whole tile is the source colour.
    QCOMPARE(tile.pixelColor(0, 0), QColor(10, 200, 30));
    QCOMPARE(tile.pixelColor(310, 206), QColor(10, 200, 30));
}

QTEST_GUILESS_MAIN(TestCliProfiles)
#include "tst_cli_profiles.moc"
