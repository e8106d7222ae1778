#include "calibration/profile_file.h"
#include "cli/cli_app.h"
#include "tests/support/export_test_support.h" // RunCliProcess
#include "tests/support/memory_settings_store.h"

#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

#include <sys/stat.h>

using namespace tessellon;
using namespace tessellon::testing;

namespace {

// Runs the tool with app_dir in `appDir`, so the default profile file never touches the user's.
CliRun RunIn(const QString& appDir, const QStringList& args) {
    MemorySettingsStore settings;
    settings.SetRaw(PrefValue::AppDir, appDir);
    return RunCli(args, &settings);
}

// A table row: the arguments joined by |, and texts.
template <typename... Texts> void Row(const char* tag, const char* args, Texts... texts) {
    ((QTest::newRow(tag) << QString::fromUtf8(args).split(u'|'))
     << ... << QString::fromUtf8(texts));
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void badInput_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("errPart");
        Row("unknown option", "info|10x10|--bogus", "bogus");
        Row("zoom range", "info|10x10|--zoom|401", "--zoom");
        Row("tiles range", "info|10x10|--tiles|26x1", "--tiles");
        Row("tiles zero", "info|10x10|--tiles|0x1", "--tiles");
        Row("rotate", "info|10x10|--rotate|45", "--rotate");
        Row("hcenter", "info|10x10|--hcenter|-1", "--hcenter");
        Row("units", "info|10x10|--units|cm", "--units");
        Row("margins", "info|10x10|--margins|1,2", "--margins");
        Row("unknown command", "frobnicate", "frobnicate");
        Row("tile too small", "info|10x10|--custom|1x1|--margins|0.2", "Paper/Margins too small");
        Row("tile too large mm", "info|10x10|--units|mm|--custom|1300x100|--margins|0",
            "Paper size too large");
        Row("overlap beyond half a tile", "info|10x10|--overlap|2.01", "--overlap");
        Row("custom size with a preset", "info|10x10|--paper|Photo 5\" x 7\"|--custom|4x4",
            "--custom");
        Row("unknown paper", "info|2000x3000|--paper|A9", "nearest: a8, a7, a6;");
        Row("paper name typo", "info|2000x3000|--paper|leter", "nearest: letter,");
        Row("profiles with an argument", "profiles|extra",
            "profiles takes no arguments (see --help)");
        // The arrangement options.
        Row("out of reach", "info|10x10|--width|251", "No arrangement reaches 251.00 inches wide");
        Row("out of reach, mm paper", "info|10x10|--units|mm|--height|7m|--max-sheets|4",
            "No arrangement reaches 700.0 cm high, at most 4 sheets");
        Row("bad length", "info|10x10|--width|3ft",
            "Invalid --width value (above 0; a length such as 120cm, 1.2m, 1200mm or 47in; a bare "
            "number is in inches): 3ft");
        Row("bad size, mm", "info|10x10|--units|mm|--size|1m",
            "a bare number is in millimetres): 1m");
        Row("bad margin", "info|10x10|--margins|1yd", "Invalid --margins value");
        Row("fit with a size", "info|10x10|--fit|--width|30", "--fit");
        Row("max sheets", "info|10x10|--max-sheets|626", "--max-sheets");
    }
    void badInput() {
        QFETCH(QStringList, args);
        QFETCH(QString, errPart);
        const CliRun r = RunCli(args);
        QCOMPARE(r.status, 2);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.contains(errPart), qPrintable(r.err));
        QCOMPARE(r.err.count(u'\n'), 1);
    }

    // Every name `papers` lists is accepted by --paper of its unit.
    void everyListedPaperAccepted() {
        const CliRun list = RunCli({"papers"});
        QCOMPARE(list.status, 0);
        const QStringList lines = list.out.split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() > 10);
        for (const QString& line : lines) {
            const QStringList f = line.split(u'\t');
            QCOMPARE(f.size(), 4);
            if (f[1].startsWith(QStringLiteral("Custom")))
                continue; // the custom entry's default size may be what --custom replaces
            const CliRun one = RunCli({"info", "3000x2000", "--units", f[0], "--paper", f[1]});
            QVERIFY2(one.status == 0, qPrintable(line + one.err));
        }
    }

    // The first lines `info` prints.
    void info_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("expected"); // lines joined by |
        // A 2 x 2 poster of the paper's tile print size (paper less its own margins).
        Row("A4", "--paper|A4", "Size: 37.2 x 54.6 cm");
        Row("A4 no margins", "--paper|A4|--margins|0", "Size: 42.0 x 59.4 cm");
        Row("LETTER", "--paper|LETTER", "Size: 15.00 x 20.00 inches");
        Row("4x6", "--paper|4x6", "Size: 12.00 x 8.00 inches");
        Row("custom mm", "--paper|Custom|--units|mm|--custom|100x200|--margins|0",
            "Size: 20.0 x 40.0 cm");
        Row("full name", "--paper|a5 - 148 X 210", "Size: 24.8 x 37.2 cm");
        Row("letter in mm", "--paper|letter|--units|mm", "Size: 38.1 x 50.8 cm");
        // 22 x 19 in poster (3 x 8 - 2 x 1, 2 x 10 - 1): 105.26 dpi, window 2316 x 2000 at 342.
        Row("overlap in mm",
            "3000x2000|--tiles|3x2|--margins|0|--units|mm|--custom|203.2x254|--overlap|25.4",
            "Size: 55.9 x 48.3 cm|Resolution: 41.4 dots/cm|MegaPixels: 4.63|Quality: Good|"
            "tile 1: 342 0 1183 1052|tile 2: 1079 0 1920 1052");
        Row("rotated image", "3000x2000|--tiles|3x2|--margins|0|--custom|8x10|--rotate|90",
            "Size: 24.00 x 20.00 inches|Resolution: 83.3 dpi|MegaPixels: 3.33|Quality: Fair|"
            "tile 1: 0 666 666 1498");
    }
    void info() {
        QFETCH(QStringList, args);
        QFETCH(QString, expected);
        if (!args[0].contains(u'x'))
            args.prepend(QStringLiteral("2000x3000"));
        const CliRun r = RunCli(QStringList{"info"} + args);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.out.split(u'\n').mid(0, expected.count(u'|') + 1).join(u'|'), expected);
    }

    // The arrangement options choose sheets as the poster size window does, named on stderr. 3000
    // x 2000 on 8 x 10 in: turned 3 across reach 76.2 cm; 3 x 3 (30 x 24) keeps 2500 x 2000.
    void arrangementOptions_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("chosen"); // the sheets named on stderr
        QTest::addColumn<QString>("size");   // inches, on info's first line and stderr
        QTest::addColumn<QString>("shown");  // of the width, of the height, on info's last line
        Row("no arrangement option", "--tiles|3x2", "", "24.00 x 20.00", "80 %|100 %");
        Row("width in cm", "--width|76.2cm", "3 x 3 sheets, turned", "30.00 x 24.00", "83 %|100 %");
        Row("whole photo", "--width|30|--whole-photo", "6 x 5 sheets, turned", "60.00 x 40.00",
            "100 %|100 %");
        // 40 x 40 in is 1.016 m; 2000 of 3000 columns is 66 % (rounded down).
        Row("size", "--size|1.016mx101.6cm", "5 x 4 sheets, upright", "40.00 x 40.00",
            "66 %|100 %");
        // --fit within the 4 sheets of --tiles 2x2: upright 2 x 1 keeps 3000 x 1875.
        Row("fit", "--tiles|2x2|--fit", "2 x 1 sheets, upright", "16.00 x 10.00", "100 %|93 %");
        Row("fit, max sheets", "--fit|--max-sheets|1", "1 x 1 sheets, turned", "10.00 x 8.00",
            "83 %|100 %");
    }
    void arrangementOptions() {
        QFETCH(QStringList, args);
        QFETCH(QString, chosen);
        QFETCH(QString, size);
        QFETCH(QString, shown);
        const CliRun r =
            RunCli(QStringList{"info", "3000x2000", "--custom", "8x10", "--margins", "0"} + args);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, chosen.isEmpty() ? QString()
                                         : "Arrangement: " + chosen + ", " + size + " inches\n");
        const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.first(), "Size: " + size + " inches");
        QCOMPARE(lines.last(), QStringLiteral("Photo shown: %1 of the width, %2 of the height")
                                   .arg(shown.section(u'|', 0, 0), shown.section(u'|', 1)));
    }

    void ownLinesOnly_data() {
        // The program, then its arguments; CUT: a TIFF whose directory is cut off; IMG: a BMP.
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("stdoutPattern");
        QTest::addColumn<QString>("err"); // none: status 0, else 1
        Row("cli version", "tessellon-cli|--version", "^tessellon-cli \\d+\\.\\d+\\.\\d+\\n$", "");
        Row("gui version", "tessellon|--version", "^tessellon \\d+\\.\\d+\\.\\d+\\n$", "");
        // The size of a 300 x 200 pixel image (IMG) read from its header.
        Row("cli info", "tessellon-cli|info|IMG|--tiles|1x1|--custom|3x2|--margins|0",
            "^Size: 3.00 x 2.00 inches\\nResolution: 100.0 dpi\\n", "");
        Row("cli help", "tessellon-cli|--help", "--tiles WxH", "");
        // libtiff would report the damage on its own; one line of ours says it with the reason.
        Row("damaged image", "tessellon-cli|info|CUT", "^$",
            "Cannot read image file CUT: The image is damaged: its header cannot be read.\n");
    }

    void ownLinesOnly() {
        QFETCH(QStringList, args);
        QFETCH(QString, stdoutPattern);
        QFETCH(QString, err);
        QTemporaryDir dir;
        const QString cut = dir.filePath(QStringLiteral("cut.tif"));
        QVERIFY(WriteAll(cut, QByteArray("II*\x00\x08\x00\x00\x00\x05\x00", 10)));
        QImage img(300, 200, QImage::Format_RGB888);
        img.fill(Qt::white);
        QVERIFY(img.save(dir.filePath(QStringLiteral("p.bmp"))));
        args.replaceInStrings(QStringLiteral("CUT"), cut);
        args.replaceInStrings(QStringLiteral("IMG"), dir.filePath(QStringLiteral("p.bmp")));
        const CliRun r = RunCliProcess(args.mid(1), {}, 60000, args[0]);
        QCOMPARE(r.status, err.isEmpty() ? 0 : 1);
        QCOMPARE(r.err, err.replace(QStringLiteral("CUT"), cut));
        QVERIFY2(QRegularExpression(stdoutPattern).match(r.out).hasMatch(), qPrintable(r.out));
    }

    // A file that cannot be read ends `info` and `export` at once (killed after ten seconds: a
    // pipe must not hold it up) with status 1 and the reason; the reader's tests try the others.
    void unreadableImage() {
        for (const auto& [kind, reason] :
             {std::pair{"fifo", "named pipe (FIFO), not a regular file"},
              {"long", "File name too long"},
              {"latin1", "not UTF-8"}}) {
            QTemporaryDir dir;
            QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("photo.jpg")));
            if (kind == std::string_view("fifo"))
                QCOMPARE(mkfifo(path.constData(), 0600), 0);
            else if (kind == std::string_view("long"))
                path = QFile::encodeName(dir.filePath(QString(300, u'n') + QStringLiteral(".jpg")));
            else { // "café.jpg" in Latin-1: a byte that is no UTF-8
                QVERIFY(WriteAll(QFile::decodeName(path), "x"));
                const QByteArray latin1 = QFile::encodeName(dir.path()) + "/caf\xe9.jpg";
                QCOMPARE(std::rename(path.constData(), latin1.constData()), 0);
                path = latin1; // reaches the program as Qt decodes it, with a replacement character
            }
            for (const QString command : {"info", "export"}) {
                QStringList args{command, QString::fromLocal8Bit(path)};
                if (command == u"export")
                    args << QStringLiteral("--out") << dir.filePath(QStringLiteral("t"));
                const CliRun r = RunCliProcess(args, {}, 10000);
                QCOMPARE(r.status, 1);
                QVERIFY2(r.err.contains(QLatin1String(reason)), qPrintable(command + r.err));
            }
        }
    }

    // Listing only reads: the default file is not made, a hand-edited or named one is listed
    // as its numbers read and left as it is.
    void profilesAreOnlyRead() {
        QTemporaryDir dir;
        const QString file = dir.filePath(ProfileFile::FileName());
        const CliRun r = RunIn(dir.path(), {QStringLiteral("profiles")});
        QCOMPARE(r.out, QStringLiteral("default\t0 0 0 0\nKodak photo lab default\t3 4 3 2\n"
                                       "Fuji photo lab default\t2 6 3 6\n"));
        QCOMPARE(r.err, QString());
        QVERIFY(!QFileInfo::exists(file));
        QVERIFY(WriteAll(file, "Mine\t1,2,3,16,\n"));
        const CliRun again = RunIn(dir.path(), {QStringLiteral("profiles")});
        QCOMPARE(again.out, QStringLiteral("Mine\t1 2 3 16\n"));
        QCOMPARE(again.err.count(u'\n'), 1); // one line saying it is left alone
        QVERIFY(again.err.contains(file));
        QCOMPARE(ReadAll(file), QByteArray("Mine\t1,2,3,16,\n"));
        const QString lab = dir.filePath(QStringLiteral("lab.txt"));
        QVERIFY(ProfileFile::Write(lab, {EdgeProfile{QStringLiteral("Lab A"), {4, 0, 8, 12}}}));
        const QByteArray before = ReadAll(lab);
        QVERIFY(QFile::remove(file));
        const CliRun named = RunIn(dir.path(), {"profiles", "--profiles", lab});
        QCOMPARE(named.out, QStringLiteral("Lab A\t4 0 8 12\n"));
        QCOMPARE(ReadAll(lab), before);
        QVERIFY(!QFileInfo::exists(file));
    }

    void profileErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("fileContent"); // written to FILE first unless "-"
        QTest::addColumn<QString>("error");
        Row("missing file", "profiles|--profiles|FILE", "-", "Profile file not found: FILE");
        Row("a folder", "profiles|--profiles|FILE", "<folder>",
            "Profile file not found: FILE (it is a folder)");
        Row("file without profiles", "profiles|--profiles|FILE", "no tab on this line\r\n",
            "No edge calibration profile in FILE");
        Row("unknown profile", "info|3000x2000|--edge-profile|Kodak|--profiles|FILE",
            "Kodak photo lab default\t03,04,03,02,\r\n",
            "Unknown edge calibration profile: Kodak (see tessellon-cli profiles)");
        Row("profiles without edge-profile", "info|3000x2000|--profiles|FILE",
            "default\t00,00,00,00,\r\n", "--profiles needs --edge-profile NAME");
    }
    void profileErrors() {
        QFETCH(QStringList, args);
        QFETCH(QString, fileContent);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("profiles.txt"));
        if (fileContent == u"<folder>")
            QVERIFY(QDir().mkdir(file));
        else if (fileContent != u"-")
            QVERIFY(WriteAll(file, fileContent.toUtf8()));
        args.replaceInStrings(QStringLiteral("FILE"), file);
        const CliRun r = RunIn(dir.path(), args);
        QCOMPARE(r.status, 2);
        QCOMPARE(r.out, QString());
        QCOMPARE(r.err, error.replace(QStringLiteral("FILE"), file) + u'\n');
        // A named file is never created or rewritten.
        QCOMPARE(QFileInfo::exists(file), fileContent != u"-");
        if (QFileInfo(file).isFile())
            QCOMPARE(QString::fromUtf8(ReadAll(file)), fileContent);
    }

    void edgeProfile() {
        QTemporaryDir dir;
        // Each 6 x 4 in tile prints 6 - (4 + 2)/64 wide, 4 - (3 + 3)/64 high; "default" clips none.
        const QStringList info{"info", "3000x2000", "--edge-profile"};
        QVERIFY(RunIn(dir.path(), info + QStringList{"Kodak photo lab default"})
                    .out.startsWith(QStringLiteral("Size: 11.81 x 7.81 inches\n")));
        QVERIFY(RunIn(dir.path(), info + QStringList{"default"})
                    .out.startsWith(QStringLiteral("Size: 12.00 x 8.00 inches\n")));
        // Fuji clips 2, 6, 3, 6 / 64 in: the 3 x 2 in tile shows columns 4..296 of 300 at 104.1
        // dpi, each edge repeated by floor(104.1 x clip / 64): 9 left and right, 3 top, 4 bottom.
        QImage source(300, 200, QImage::Format_RGB32);
        source.fill(QColor(10, 200, 30));
        const QString image = dir.filePath(QStringLiteral("p.bmp"));
        QVERIFY(source.save(image));
        const CliRun fuji =
            RunIn(dir.path(), {"export", image, "--out", dir.filePath("b"), "--edge-profile",
                               "Fuji photo lab default", "--tiles", "1x1", "--custom", "3x2",
                               "--margins", "0"});
        QCOMPARE(fuji.status, 0);
        QVERIFY2(fuji.out.contains(QStringLiteral("tile 1: 4 0 296 199\n")), qPrintable(fuji.out));
        const QImage tile(dir.filePath(QStringLiteral("b/p_001.bmp")));
        QCOMPARE(tile.size(), QSize(311, 207));
        // The added border repeats the edge pixels, so the whole tile is the source colour.
        QCOMPARE(tile.pixelColor(0, 0), QColor(10, 200, 30));
        QCOMPARE(tile.pixelColor(310, 206), QColor(10, 200, 30));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
