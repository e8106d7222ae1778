#include "tests/support/export_test_support.h"

#include "app/save_folder_label.h"
#include "app/save_tiles_opening.h"
#include "app/split_path_label.h"
#include "calibration/profile_table.h"
#include "export/save_tiles_texts.h"
#include "export/tile_saver.h"
#include "tests/support/recording_message_service.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessellon;
using namespace tessellon::testing;

namespace {

using Kind = RecordingMessageService::Kind;
using Answer = MessageService::Answer;

const QStringList kSixTiles{"--tiles", "3x2", "--custom", "8x10", "--margins", "0"};

ProfileTable Profiles() {
    return ProfileTable({{QStringLiteral("No clipping"), {0, 0, 0, 0}},
                         {QStringLiteral("Kodak photo lab default"), {3, 4, 3, 2}},
                         {QStringLiteral("Wide"), {16, 0, 8, 1}}});
}

SaveTilesRequest Request(const QString& folder, ImageFormat format = ImageFormat::Bmp) {
    return SaveTilesRequest{folder, QStringLiteral("Poster1"), QStringLiteral("poster"), format};
}

// Paths are written with '/' and a line break with '|'; both become what the program uses.
QString N(QString s) {
    s.replace(u'/', QDir::separator());
    return s.replace(u'|', QStringLiteral("\r\n"));
}

} // namespace

class TestTileSaver : public QObject {
    Q_OBJECT
private slots:
    // The folder, new folder and base name, the format (0: none chosen) and the tile number give
    // the path, or a message.
    void tileFilePath() {
        const QString separator =
            QStringLiteral("The base file name must not contain a folder separator (/ or \\)");
        const QString noFolder = QStringLiteral(
            "You must select the location where the new poster tile image folder will be created");
        const QList<std::tuple<QStringList, int, int, QString>> cases{
            {{"/Pics", "Poster1", "poster"}, 1, 1, "/Pics/Poster1/poster001.jpg"},
            {{"/", "Poster1", "poster"}, 1, 1, "/Poster1/poster001.jpg"},
            {{"/Pics/", "P", "b_"}, 6, 45, "/Pics/P/b_045.bmp"},
            {{"/Pics", "P", "b"}, 3, 1234, "/Pics/P/b1234.tif"},
            {{"/Pics", "", "b"}, 1, 7, "/Pics/b007.jpg"},
            {{"", "P", "b"}, 0, 1, "File extension not selected"}, // before the folder
            {{"", "P", "b"}, 1, 1, noFolder},
            {{"/Pics", "P", "../b"}, 1, 1, separator},
            {{"/Pics", "P", "a\\b"}, 1, 1, separator}};
        for (const auto& [names, format, n, expected] : cases) {
            const SaveTilesRequest request{names[0], names[1], names[2], FormatFromCode(format)};
            const Result<QString> p = TileSaver::MakeTileFilePath(request, short(n));
            QCOMPARE(p.ok(), expected.startsWith(u'/'));
            QCOMPARE(p ? *p : p.error(), expected);
        }
    }

    // Tiles of width x height pixels, turned or not, printed dW inches across: the exact and the
    // rounded resolution (halves to even, at least 2).
    void tileResolution() {
        const QList<std::tuple<int, int, bool, double, double, int>> cases{
            {800, 1000, true, 8.0, 125, 125}, // the height lies across when turned
            {5, 1, false, 2.0, 2.5, 2},
            {7, 1, false, 2.0, 3.5, 4},
            {1, 1, false, 1.0, 1, 2},
            {160, 200, false, 0.90625, 176.55172413793105, 177}};
        for (const auto& [width, height, rotate, dW, exact, rounded] : cases) {
            const auto r = TileSaver::TileResolutionFor(
                TileRect{10, 20, 10 + width - 1, 20 + height - 1}, rotate, dW);
            QCOMPARE(r.exact, exact);
            QCOMPARE(r.rounded, rounded);
        }
    }

    // Below 64 pixels per inch the tile is first resampled to 64 (sizes rounded), then padded by
    // floor(64 x trim) pixels; from 64 on it is only padded. The tile is made through the
    // saver's own path, and stamped with the resolution it then has.
    void edgeCompensation_data() {
        QTest::addColumn<QSize>("tile");
        QTest::addColumn<double>("resolution");
        QTest::addColumn<QList<double>>("trims"); // top, right, bottom, left
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("stamp");
        const auto row = [](const char* tag, QSize tile, double ppi, const QList<double>& trims,
                            QSize size, int stamp) {
            QTest::newRow(tag) << tile << ppi << trims << size << stamp;
        };
        const QList<double> none{0, 0, 0, 0};
        row("32 ppi", {20, 10}, 32, {0.25, 0.125, 0, 0.0625}, {40 + 8 + 4, 20 + 16}, 64);
        row("30 ppi", {20, 10}, 30, none, {43, 21}, 64);
        // 1000 x 64 / 63.9 = 1001.6, 1000 x 64 / 63.4 = 1009.5 (stamped 64, not its own 63);
        // at 64 nothing is resampled.
        row("63.4 ppi", {1000, 10}, 63.4, none, {1009, 10}, 64);
        row("63.9 ppi", {1000, 10}, 63.9, none, {1002, 10}, 64);
        row("64 ppi", {1000, 10}, 64, none, {1000, 10}, 64);
        row("100 ppi", {1000, 10}, 100, {0.01, 0.02, 0.03, 0.05}, {1007, 14}, 100);
    }
    void edgeCompensation() {
        QFETCH(QSize, tile);
        QFETCH(double, resolution);
        QFETCH(QList<double>, trims);
        QFETCH(QSize, size);
        QFETCH(int, stamp);
        TileSaver::TileJob job;
        job.rect = TileRect{0, 0, tile.width() - 1, tile.height() - 1};
        job.compensate = true;
        job.resolution = resolution;
        job.roundedResolution = int(std::lround(resolution));
        job.trims = {trims[0], trims[1], trims[2], trims[3]};
        job.format = ImageFormat::Bmp;
        const TileSaver::RenderedTile made =
            TileSaver::RenderTile(PatternImage(tile.width(), tile.height()).ReadPixels(), job);
        QCOMPARE(made.compensation, short(1));
        QImage out = QImage::fromData(made.bytes, "BMP");
        QCOMPARE(out.size(), size);
        QCOMPARE(qRound(out.dotsPerMeterX() * 0.0254), stamp);
        // Resampled and padded, the corners stay where they were (red is x: 0 left, high right).
        QVERIFY(qRed(out.pixel(0, 0)) < 3 && qRed(out.pixel(out.width() - 1, 0)) > 16);
        ImageObject empty;
        QCOMPARE(TileSaver::ApplyEdgeCompensation(empty, 100, {0, 0, 0, 0}), short(-1));
    }

    void hasRoomForTile() {
        RecordingMessageService messages;
        RecordingProgress progress;
        TileSaver saver(messages, progress);
        // Exactly enough room is enough; unknown free space counts as enough.
        for (const auto& [free, room] : {std::pair{std::optional<qint64>(1000), true},
                                         std::pair{std::optional<qint64>(999), false},
                                         std::pair{std::optional<qint64>(), true}}) {
            saver.SetFreeSpaceQuery([free](const QString&) { return free; });
            QCOMPARE(saver.HasRoomForTile(QStringLiteral("/x"), QByteArray(1000, 'x')), room);
        }
    }

    void freeSpaceAskedOncePerSave_data() {
        QTest::addColumn<qint64>("free");
        QTest::addColumn<int>("asked");
        QTest::newRow("plenty") << (qint64(1) << 40) << 1;
        QTest::newRow("near the limit") << (qint64(64) << 20) << 7; // and before each of 6 tiles
    }
    void freeSpaceAskedOncePerSave() {
        QFETCH(qint64, free);
        QFETCH(int, asked);
        auto poster = Poster(kSixTiles, QStringLiteral("60x40"));
        QVERIFY(poster);
        QTemporaryDir dir;
        RecordingProgress progress;
        TileSaver saver(progress);
        int calls = 0;
        saver.SetFreeSpaceQuery(
            [&](const QString&) { return ++calls, std::optional<qint64>(free); });
        QCOMPARE(
            saver.Save(*poster, PatternImage(60, 40), Request(dir.path()), OverwritePolicy::Refuse)
                .status,
            SaveOutcome::Status::Saved);
        QCOMPARE(calls, asked);
    }

    void tilesEqualSourceRectangles_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("profile"); // -1: no compensation
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("stamp");       // dots per inch in the files
        QTest::addColumn<QList<int>>("pads"); // top, right, bottom, left; empty: no pixel check
        // The tiles' source columns and rows (inclusive), worked out by hand from the poster's
        // crop window: "left-right ... / top-bottom ...".
        QTest::addColumn<QString>("cuts");
        const QStringList small{"--tiles", "3x2", "--custom", "1x1.25", "--margins", "0"};
        const QStringList turned = small + QStringList{"--rotate-tiles"};
        const QList<int> none{0, 0, 0, 0};
        // A 3 x 2.5 in poster on 600 x 400: a 480 x 400 window from column 60.
        QTest::newRow("bmp") << small << "600x400" << -1 << int(ImageFormat::Bmp) << 160 << none
                             << "60-219 220-379 380-539 / 0-199 200-399";
        // Turned: 3.75 x 2 in, a 600 x 320 window from row 40.
        QTest::newRow("tif turned") << turned << "600x400" << -1 << int(ImageFormat::Tiff) << 160
                                    << none << "0-199 200-399 400-599 / 40-199 200-359";
        QTest::newRow("jpg") << small << "600x400" << -1 << int(ImageFormat::Jpeg) << 160
                             << QList<int>{} << "";
        // Trims in 64ths of an inch. Kodak (3, 4, 3, 2): 400 px over 2 x (1.25 - 6/64) in is
        // 172.97 dpi, so pads of floor(172.97 x 3/64) = 8, 10, 8 and 5 pixels. The window is
        // 470.27 x 400 (2.71875 x 2.3125 in), so 470 columns from 65, a tile 156.67 wide.
        QTest::newRow("compensated")
            << small << "600x400" << 1 << int(ImageFormat::Bmp) << 173 << QList<int>{8, 10, 8, 5}
            << "65-221 222-378 378-534 / 0-199 200-399";
        // Wide (16, 0, 8, 1), turned: 400 px over 2 x (1 - 1/64) in is 203.17 dpi; pads 50, 0,
        // 25, 3. The window is 533.33 x 400 (2.625 x 1.96875 in): 533 columns from 34.
        QTest::newRow("turned and compensated")
            << turned << "600x400" << 2 << int(ImageFormat::Bmp) << 203 << QList<int>{50, 0, 25, 3}
            << "34-211 212-389 389-566 / 0-199 200-399";
        QTest::newRow("compensated below 64 dpi")
            << kSixTiles << "60x40" << 1 << int(ImageFormat::Bmp) << 64 << QList<int>{} << "";
        // 11 of 12 columns from column 1: the second tile reaches column 12, one past the image.
        QTest::newRow("one past the right edge")
            << QStringLiteral("--tiles 2x1 --custom 5.5x10 --margins 0 --hcenter 200").split(u' ')
            << "12x10" << -1 << int(ImageFormat::Tiff) << 2 << none << "1-6 7-12 / 0-9";
        // Turned 10 x 5.5 in tiles, one above the other: a 2.75-column window, 3 from column 4.
        QTest::newRow("narrow, turned")
            << QStringLiteral(
                   "--tiles 1x2 --custom 10x5.5 --margins 0 --vcenter 200 --rotate-tiles")
                   .split(u' ')
            << "12x10" << -1 << int(ImageFormat::Bmp) << 2 << none << "4-6 / 0-4 5-9";
    }

    // Each file is the source rectangle (its last column and row repeated past the image's edge),
    // turned counter-clockwise when asked, padded by the profile's trims, stamped, in the format.
    void tilesEqualSourceRectangles() {
        QFETCH(QStringList, options);
        QFETCH(QString, size);
        QFETCH(int, profile);
        QFETCH(int, format);
        QFETCH(QList<int>, pads);
        auto poster = Poster(options, size);
        QVERIFY(poster);
        const ProfileTable table = Profiles();
        poster->SetProfileTable(&table);
        if (profile >= 0) {
            poster->SetCurrentProfile(profile);
            poster->SetPrinterClips(true);
        }
        const ImageObject img = PatternImage(poster->lImgWidth, poster->lImgHeight);
        const QImage src = img.ReadPixels().Image();
        QFETCH(QString, cuts);
        QList<QList<int>> spans[2]; // columns, rows
        for (int axis = 0; axis < 2 && !cuts.isEmpty(); ++axis)
            for (const QString& span : cuts.split(QStringLiteral(" / "))[axis].split(u' '))
                spans[axis] << QList<int>{span.section(u'-', 0, 0).toInt(),
                                          span.section(u'-', 1, 1).toInt()};
        const int count = poster->GetNumTilesWide() * poster->GetNumTilesHigh();
        QTemporaryDir dir;
        RecordingMessageService messages;
        RecordingProgress progress;
        TileSaver saver(messages, progress);
        saver.SetThreadCount(4); // more threads than cores: the files still match
        const SaveOutcome outcome =
            saver.processSaveNow(*poster, img, Request(dir.path(), *FormatFromCode(format)));
        QCOMPARE(outcome.status, SaveOutcome::Status::Saved);
        QCOMPARE(outcome.tilesWritten, count);
        const QStringList files =
            FilesIn(outcome.folder, QDir::AllEntries); // only the tiles: no temporary files
        QCOMPARE(files.size(), count);
        for (int t = 0; t < count; ++t) {
            const QImage back(outcome.folder + u'/' + files[t]);
            QTEST(qRound(back.dotsPerMeterX() * 0.0254), "stamp");
            QCOMPARE(back.dotsPerMeterX(), back.dotsPerMeterY());
            if (pads.isEmpty())
                continue;
            const QList<int>& c = spans[0][t % spans[0].size()];
            const QList<int>& r = spans[1][t / spans[0].size()];
            QImage expected = Cut(src, c[0], r[0], c[1], r[1]);
            if (poster->bTileRotated)
                expected = expected.transformed(QTransform().rotate(-90));
            expected = Extend(expected, pads[0], pads[1], pads[2], pads[3]);
            QCOMPARE(back.convertToFormat(QImage::Format_RGB888), expected);
        }
    }

    void progressAndCancel_data() {
        QTest::addColumn<int>("cancelAt"); // 0: never
        QTest::addColumn<int>("threads");
        QTest::addColumn<int>("answer"); // to "Folder Exists"; -1: the folder is new
        QTest::newRow("no cancel") << 0 << 2 << -1;
        QTest::newRow("first tile") << 1 << 2 << -1;
        QTest::newRow("middle, many threads") << 3 << 8 << -1;
        QTest::newRow("last tile, one thread") << 6 << 1 << -1;
        QTest::newRow("folder exists, yes") << 0 << 2 << int(Answer::Yes);
        QTest::newRow("folder exists, no") << 0 << 2 << int(Answer::No);
        QTest::newRow("folder exists, cancel") << 0 << 2 << int(Answer::Cancel);
    }

    // The cancel is seen after the tile in progress is written; no later tile is written, the
    // written ones stay, and even a cancel during the last tile reports the cancel. An existing
    // folder is used only when the user says yes.
    void progressAndCancel() {
        QFETCH(int, cancelAt);
        QFETCH(int, threads);
        QFETCH(int, answer);
        auto poster = Poster(kSixTiles, QStringLiteral("60x40"));
        QVERIFY(poster);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("Poster1"));
        RecordingMessageService messages;
        if (answer >= 0) {
            QVERIFY(QDir().mkdir(folder));
            messages.QueueAnswer(Answer(answer));
        }
        RecordingProgress progress(cancelAt);
        TileSaver saver(messages, progress);
        saver.SetThreadCount(threads);
        const SaveOutcome outcome =
            saver.processSaveNow(*poster, PatternImage(60, 40), Request(dir.path()));
        if (answer >= 0) {
            const auto& q = messages.Messages().value(0);
            QCOMPARE(q.kind, Kind::YesNoCancel);
            QCOMPARE(q.title, QStringLiteral("Folder Exists"));
            QVERIFY(q.text.contains(folder));
        }
        if (answer >= 0 && answer != int(Answer::Yes)) {
            QCOMPARE(outcome.status, SaveOutcome::Status::Declined);
            QCOMPARE(FilesIn(folder, QDir::AllEntries), QStringList());
            QCOMPARE(progress.shown, QStringList());
            QCOMPARE(messages.Messages().size(), 1);
            return;
        }
        const int written = cancelAt ? cancelAt : 6;
        QCOMPARE(outcome.status,
                 cancelAt ? SaveOutcome::Status::Canceled : SaveOutcome::Status::Saved);
        QCOMPARE(outcome.tilesWritten, written);
        QStringList expected;
        for (int i = 1; i <= written; ++i)
            expected << QStringLiteral("poster00%1.bmp").arg(i);
        QCOMPARE(FilesIn(folder, QDir::AllEntries), expected);
        QCOMPARE(progress.shown, QStringList{QStringLiteral("Saving Images Now")});
        QCOMPARE(progress.values.size(), cancelAt ? cancelAt - 1 : 6);
        for (int i = 0; i < progress.values.size(); ++i)
            QCOMPARE(progress.values[i], (i + 1) / 6.0);
        QVERIFY(progress.closed >= 1);
        QCOMPARE(progress.okFolders, cancelAt ? QStringList() : QStringList{folder});
        QCOMPARE(messages.Messages().size(), (answer >= 0) + (cancelAt ? 1 : 0));
        if (cancelAt)
            QCOMPARE(messages.Messages().back().kind, Kind::Critical);
    }

    void failures_data() {
        QTest::addColumn<QStringList>("setup"); // what goes wrong, the message's title
        QTest::addColumn<QString>("text");      // the message's end
        QTest::addColumn<bool>("folderCreated");
        using L = QStringList;
        const auto row = [](const char* tag, const L& setup, const char* text, bool created) {
            QTest::newRow(tag) << setup << QString::fromLatin1(text) << created;
        };
        row("no image", {"noImage", "Error"}, "Error calculating tile coordinates", false);
        // The doubled full stop is the program's own.
        row("folder cannot be created", {"underFile", "Can not continue"},
            "invalid folder name..  \nReason: Not a directory", false);
        row("parent missing", {"parentMissing", "Can not continue"},
            "folder name..  \nReason: No such file or directory", false);
        row("tiles below one pixel", {"oneByOne", "Error"},
            "smaller than one pixel of the image.  Use fewer tiles, a lower zoom or a larger "
            "image.",
            false);
        row("no file type", {"noFormat", "Error"}, "Problem: File extension not selected", false);
        row("disk full", {"noSpace", "Out of disk space"},
            "Not enough space on selected drive.  Can not save images.", false);
        row("file cannot be written", {"blocked", "Error"},
            "Can not continue.\nReason: The file could not be created: it is a folder", true);
        row("no space read, but the file is blocked", {"noSpaceBlocked", "Error"},
            "Can not continue.\nReason: Filename refers to a directory", true);
        row("name too long", {"longName", "Error"},
            "Can not continue.\nReason: The file could not be created: File name too long", false);
        // 120000 x 80000 pixels on 24 x 20 inches: 4000 pixels per inch, tiles of 8 x 10 inches.
        row("tile beyond one JPEG", {"hugeJpeg", "Error"},
            "A tile of 32000 x 40000 pixels is too large for one JPEG picture (at most about 715 "
            "megapixels).  Use more tiles, or TIFF or BMP files.",
            false);
        row("image does not match the poster", {"wrongImage", "Error"},
            "Error reading the source image", false);
    }

    void failures() {
        QFETCH(QStringList, setup);
        const QString title = setup.takeLast(), what = setup.first();
        QFETCH(QString, text);
        QFETCH(bool, folderCreated);
        auto poster = Poster(kSixTiles, QStringLiteral("60x40"));
        QVERIFY(poster);
        QTemporaryDir dir;
        SaveTilesRequest request = Request(dir.path());
        ImageObject img = PatternImage(60, 40);
        RecordingMessageService messages;
        RecordingProgress progress;
        TileSaver saver(messages, progress);
        QString folder = dir.filePath(QStringLiteral("Poster1"));
        if (what == u"noImage") {
            poster->lImgHeight = 0;
        } else if (what == u"underFile") {
            QVERIFY(WriteAll(dir.filePath(QStringLiteral("plain_file")), "x"));
            request.folder = dir.filePath(QStringLiteral("plain_file"));
            folder = request.folder + QStringLiteral("/Poster1");
        } else if (what == u"parentMissing") {
            request.folder = dir.filePath(QStringLiteral("missing/deeper"));
            folder = request.folder + QStringLiteral("/Poster1");
        } else if (what == u"noFormat") {
            request.format.reset();
        } else if (what == u"oneByOne") {
            poster->lImgWidth = poster->lImgHeight = 1;
            img = PatternImage(1, 1);
        } else if (what == u"longName") {
            request.baseFileName = QString(300, u'n');
        } else if (what == u"hugeJpeg") {
            poster->lImgWidth = 120000;
            poster->lImgHeight = 80000;
            request.format = ImageFormat::Jpeg;
        } else if (what == u"wrongImage") {
            img = PatternImage(50, 40);
        }
        if (what.startsWith(u"noSpace"))
            saver.SetFreeSpaceQuery([](const QString&) { return std::optional<qint64>(0); });
        // A folder where the first tile file should go: writing it must fail.
        if (what.contains(u"locked", Qt::CaseInsensitive))
            QVERIFY(QDir().mkpath(folder + QStringLiteral("/poster001.bmp")));
        const SaveOutcome outcome = saver.processSaveNow(*poster, img, request);
        QCOMPARE(outcome.status, SaveOutcome::Status::Failed);
        // A blocked tile file sits in a folder that exists already: asked about first.
        QCOMPARE(messages.Messages().size(), folderCreated ? 2 : 1);
        const auto& m = messages.Messages().back();
        QCOMPARE(m.kind, Kind::Critical);
        QCOMPARE(m.title, title);
        QVERIFY2(m.text.endsWith(text), qPrintable(m.text));
        if (what == u"underFile" || what == u"parentMissing")
            QVERIFY(m.text.startsWith(
                QStringLiteral("Could not create the folder \"%1\"").arg(folder)));
        QCOMPARE(outcome.text, m.text);
        QCOMPARE(outcome.tilesWritten, 0);
        QVERIFY(progress.okFolders.isEmpty());
        if (!progress.shown.isEmpty())
            QVERIFY(progress.closed >= 1);
        QCOMPARE(QFileInfo(folder).isDir(), folderCreated);
    }

    void splitPathLabel_data() {
        QTest::addColumn<QString>("orig");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* tag, const QString& orig, int start, int end,
                            const QString& expected) {
            QTest::newRow(tag) << N(orig) << start << end << N(expected);
        };
        row("short path unchanged", "/home/pics/P1/", 55, 78, "/home/pics/P1/");
        row("empty", "", 55, 78, "");
        row("separator past start", "abcd/efg", 3, 100, "abcd/|efg");
        row("separator at start count", "abc/de", 4, 100, "abc/de");
        row("only first separator past start", "abcd/e/fghij/k", 3, 100, "abcd/|e/fghij/|k");
        row("blank resets count", "ab cd/ef", 3, 100, "ab cd/ef");
        row("end window repeats", "abcdefghij", 55, 4, "abcd|efgh|ij");
        row("end window at last char", "abcdefgh", 55, 4, "abcd|efgh|");
        row("blank restarts end window", "abc defgh", 55, 4, "abc defg|h");
        row("separator break resets end window", "abcd/efgh", 2, 5, "abcd/|efgh");
        row("one break when both meet", "abcd/", 2, 5, "abcd/|");
        // The save window's limits: 60 characters without a blank, then a separator, break
        // after it; 100 without a separator, after 78.
        const QString x59(59, u'x'), y22(22, u'y'), y78(78, u'y');
        row("60 without a blank", u'/' + x59 + "/tail", 55, 78, u'/' + x59 + "/|tail");
        row("no separator", y78 + y22, 55, 78, y78 + u'|' + y22);
        // The other notation's separator is an ordinary character.
        const QString foreign = QDir::separator() == u'/' ? "abcd\\efg" : "abcd/efg";
        QTest::newRow("foreign separator") << foreign << 3 << 100 << foreign;
    }

    void splitPathLabel() {
        QFETCH(QString, orig);
        QFETCH(int, start);
        QFETCH(int, end);
        QTEST(SplitPathLabel(orig, short(start), short(end)), "expected");
    }

    void folderText() {
        const QString root = QDir::rootPath(), shown = QDir::toNativeSeparators(root);
        const QList<std::tuple<QString, QString, QString>> cases{
            {"/home/u/Pics", "Poster1", N("/home/u/Pics/Poster1/")},
            {root, "Poster1", shown + N("Poster1/")},
            {"/home/u/", "P", N("/home/u/P/")}, // the folder ends in a separator
            {"/home/u/Pics", "", N("/home/u/Pics/")},
            {root, "", shown}};
        for (const auto& [folder, name, expected] : cases)
            QCOMPARE(SaveFolderLabel::FolderText(folder, name), expected);
    }

    void opening_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("fault"); // 1: no image size, 2: and a tile below the smallest
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("shown"); // base name and format, or the message's title and text
        using S = SaveTilesOpening::Status;
        const auto row = [](const char* tag, const char* file, int fault, S status,
                            const char* shown) {
            QTest::newRow(tag) << QString::fromLatin1(file) << fault << int(status)
                               << QString::fromLatin1(shown);
        };
        row("five characters", "a.jpg", 0, S::Ok, "a_|1");
        row("capital ending", "Holiday.JPG", 0, S::Ok, "Holiday_|1");
        row("tif", "scan.tif", 0, S::Ok, "scan_|3");
        row("bmp", "x.Bmp", 0, S::Ok, "x_|6");
        row("four characters", ".jpg", 0, S::InvalidFile,
            "Problem|Invalid file chosen.  Can not continue.");
        row("long ending", "Holiday.jpeg", 0, S::Ok, "Holiday_|1");
        row("png gives jpg", "shot.PNG", 0, S::Ok, "shot_|1");
        row("webp gives jpg", "web.webp", 0, S::Ok, "web_|1");
        row("heic gives jpg", "IMG_0001.HEIC", 0, S::Ok, "IMG_0001_|1");
        row("hif gives jpg", "cam.hif", 0, S::Ok, "cam_|1");
        row("avif gives jpg", "pic.avif", 0, S::Ok, "pic_|1");
        row("other type", "photo.gif", 0, S::InvalidType,
            "Error|Unable to save - invalid image file type");
        row("no tiles", "a.jpg", 1, S::NoTiles,
            "Can Not Continue|Invalid image/tile information.  Can not continue.");
        row("no tiles before a bad name", "abc", 1, S::NoTiles,
            "Can Not Continue|Invalid image/tile information.  Can not continue.");
        row("tile sizes first", "ab", 2, S::InvalidTileSizes,
            "Invalid Tile Print Size Entered|You have entered invalid print tile sizes.  The width "
            "and height need to be in the range of 0.75 to 50.00 inches.");
    }

    void opening() {
        QFETCH(QString, fileName);
        QFETCH(int, fault);
        QFETCH(int, status);
        QFETCH(QString, shown);
        PosterState poster; // two by two tiles of 6 x 4 inches over a 120 x 80 image
        poster.lImgWidth = fault == 0 ? 120 : 0;
        poster.lImgHeight = 80;
        poster.bImgSelected = true;
        poster.dTileWidth = fault == 2 ? 0.5 : poster.dTileWidth;
        RecordingMessageService messages;
        const SaveTilesOpening o = SaveTilesOpening::Check(poster, fileName, messages);
        QCOMPARE(int(o.status), status);
        QCOMPARE(o.ok(), status == int(SaveTilesOpening::Status::Ok));
        if (o.ok()) {
            QVERIFY(messages.Messages().isEmpty());
            QCOMPARE(o.defaults.baseFileName + u'|' + QString::number(int(*o.defaults.format)),
                     shown);
            QCOMPARE(o.defaults.newFolderName,
                     o.defaults.baseFileName + QStringLiteral("poster_images"));
        } else {
            QCOMPARE(messages.Messages().size(), 1);
            const auto& m = messages.Messages().front();
            QCOMPARE(m.kind, Kind::Critical);
            QCOMPARE(m.title + u'|' + m.text, shown);
        }
    }
};

QTEST_MAIN(TestTileSaver)
#include "tst_tile_saver.moc"
