#include "export_test_support.h"

#include "calibration/edge_trim.h"
#include "calibration/profile_table.h"
#include "common/recording_message_service.h"
#include "export/save_tiles_texts.h"
#include "export/tile_saver.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessellon;
using namespace tessellon::testing;

namespace {

using Kind = RecordingMessageService::Kind;
using Answer = MessageService::Answer;

ProfileTable Profiles() {
    return ProfileTable({{QStringLiteral("No clipping"), {0, 0, 0, 0}},
                         {QStringLiteral("Kodak photo lab default"), {3, 4, 3, 2}},
                         {QStringLiteral("Wide"), {16, 0, 8, 1}}});
}

// The tile as the save defines it, step by step: cut into a buffer (the image's last column
// and row repeated past its edge), turn, compensate, stamp, encode.
QByteArray ReferenceTile(const PixelArray& src, const TileRect& r, bool rotate, bool compensate,
                         double resolution, int rounded, const std::array<double, 4>& trims,
                         ImageFormat format) {
    PixelArray buf(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x)
            for (int c = 0; c < 3; ++c)
                buf.Set(c, x, y,
                        src(c, std::min(r.left + x, src.Width() - 1),
                            std::min(r.top + y, src.Height() - 1)));
    ImageObject tile;
    if (!tile.LoadPixels(buf))
        return {};
    if (rotate && !TileSaver::RotateTileCcw(tile))
        return {};
    if (compensate && TileSaver::ApplyEdgeCompensation(tile, resolution, trims) < 1)
        return {};
    (void)tile.SetImageInfo(ImageAttribute::HorizontalResolution, rounded);
    (void)tile.SetImageInfo(ImageAttribute::VerticalResolution, rounded);
    const auto bytes = tile.EncodeToMemory(format);
    return bytes ? *bytes : QByteArray();
}

SaveTilesRequest Request(const QString& folder, ImageFormat format = ImageFormat::Bmp) {
    return SaveTilesRequest{folder, QStringLiteral("Poster1"), QStringLiteral("poster"), format};
}

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

} // namespace

class TestTileSaver : public QObject {
    Q_OBJECT
private slots:
    void tileFilePath_data();
    void tileFilePath();
    void targetFolderPath_data();
    void targetFolderPath();
    void tileResolution_data();
    void tileResolution();
    void rotateTileCcw();
    void edgeCompensation_data();
    void edgeCompensation();
    void edgeCompensationFailure();
    void hasRoomForTile();
    void tilesEqualSourceRectangles_data();
    void tilesEqualSourceRectangles();
    void tilePastImageEdgeRepeatsLastColumn();
    void threadsWriteTheSameBytes_data();
    void threadsWriteTheSameBytes();
    void progressAndSuccess();
    void cancel_data();
    void cancel();
    void existingFolder_data();
    void existingFolder();
    void failures_data();
    void failures();
    void texts_data();
    void texts();
};

void TestTileSaver::tileFilePath_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("newFolder");
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("format"); // 0: none chosen
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("path");    // empty when it fails
    QTest::addColumn<QString>("message"); // on failure
    QTest::newRow("example") << "/Pics"
                             << "Poster1"
                             << "poster" << 1 << 1 << "/Pics/Poster1/poster001.jpg"
                             << "";
    QTest::newRow("root gets no second separator") << "/"
                                                   << "Poster1"
                                                   << "poster" << 1 << 1 << "/Poster1/poster001.jpg"
                                                   << "";
    QTest::newRow("folder ending in separator") << "/Pics/"
                                                << "P"
                                                << "b_" << 6 << 45 << "/Pics/P/b_045.bmp"
                                                << "";
    QTest::newRow("four digits stay") << "/Pics"
                                      << "P"
                                      << "b" << 3 << 1234 << "/Pics/P/b1234.tif"
                                      << "";
    QTest::newRow("999") << "/Pics"
                         << "P"
                         << "b" << 3 << 999 << "/Pics/P/b999.tif"
                         << "";
    QTest::newRow("no new folder") << "/Pics"
                                   << ""
                                   << "b" << 1 << 7 << "/Pics/b007.jpg"
                                   << "";
    QTest::newRow("empty base") << "/Pics"
                                << "P"
                                << "" << 1 << 2 << "/Pics/P/002.jpg"
                                << "";
    QTest::newRow("no format") << "/Pics"
                               << "P"
                               << "b" << 0 << 1 << ""
                               << "File extension not selected";
    QTest::newRow("no folder")
        << ""
        << "P"
        << "b" << 1 << 1 << ""
        << "You must select the location where the new poster tile image folder will be created";
    QTest::newRow("format before folder") << ""
                                          << "P"
                                          << "b" << 0 << 1 << ""
                                          << "File extension not selected";
    QTest::newRow("base with slash")
        << "/Pics"
        << "P"
        << "../b" << 1 << 1 << ""
        << "The base file name must not contain a folder separator (/ or \\)";
    QTest::newRow("base with backslash")
        << "/Pics"
        << "P"
        << "a\\b" << 1 << 1 << ""
        << "The base file name must not contain a folder separator (/ or \\)";
}

void TestTileSaver::tileFilePath() {
    QFETCH(QString, folder);
    QFETCH(QString, newFolder);
    QFETCH(QString, base);
    QFETCH(int, format);
    QFETCH(int, n);
    QFETCH(QString, path);
    QFETCH(QString, message);
    const SaveTilesRequest request{folder, newFolder, base, FormatFromCode(format)};
    const TileSaver::TilePath p = TileSaver::MakeTileFilePath(request, static_cast<short>(n));
    if (path.isEmpty()) {
        QCOMPARE(p.result, short(-1));
        QCOMPARE(p.message, message);
    } else {
        QCOMPARE(p.result, short(1));
        QCOMPARE(p.path, path);
    }
}

void TestTileSaver::targetFolderPath_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("newFolder");
    QTest::addColumn<QString>("target");
    QTest::newRow("plain") << "/Pics"
                           << "Poster1"
                           << "/Pics/Poster1";
    QTest::newRow("root") << "/"
                          << "Poster1"
                          << "/Poster1";
    QTest::newRow("no new folder") << "/Pics"
                                   << ""
                                   << "/Pics/";
}

void TestTileSaver::targetFolderPath() {
    QFETCH(QString, folder);
    QFETCH(QString, newFolder);
    QFETCH(QString, target);
    QCOMPARE(TileSaver::TargetFolderPath({folder, newFolder, {}, ImageFormat::Jpeg}), target);
}

void TestTileSaver::tileResolution_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("rotate");
    QTest::addColumn<double>("dW");
    QTest::addColumn<double>("exact");
    QTest::addColumn<int>("rounded");
    QTest::newRow("width across") << 800 << 1000 << false << 8.0 << 100.0 << 100;
    QTest::newRow("height across when turned") << 800 << 1000 << true << 8.0 << 125.0 << 125;
    QTest::newRow("half to even down") << 5 << 1 << false << 2.0 << 2.5 << 2;
    QTest::newRow("half to even up") << 7 << 1 << false << 2.0 << 3.5 << 4;
    QTest::newRow("below two") << 1 << 1 << false << 1.0 << 1.0 << 2;
    QTest::newRow("trimmed width") << 160 << 200 << false << 0.90625 << 160 / 0.90625 << 177;
}

void TestTileSaver::tileResolution() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, rotate);
    QFETCH(double, dW);
    QFETCH(double, exact);
    QFETCH(int, rounded);
    const auto r =
        TileSaver::TileResolutionFor(TileRect{10, 20, 10 + width - 1, 20 + height - 1}, rotate, dW);
    QCOMPARE(r.exact, exact);
    QCOMPARE(r.rounded, rounded);
}

void TestTileSaver::rotateTileCcw() {
    const int W = 4, H = 3;
    ImageObject tile = PatternImage(W, H);
    QVERIFY(TileSaver::RotateTileCcw(tile));
    QCOMPARE(tile.ImageWidth(), H);
    QCOMPARE(tile.ImageHeight(), W);
    const PixelArray old = PatternPixels(W, H);
    const PixelArray now = tile.ReadPixels();
    // new(c, y, x) = old(c, W-1-x, y)
    for (int x = 0; x < W; ++x)
        for (int y = 0; y < H; ++y)
            for (int c = 0; c < 3; ++c)
                QCOMPARE(now(c, y, x), old(c, W - 1 - x, y));
    // The old right column is the new top row.
    QCOMPARE(now(0, 0, 0), old(0, W - 1, 0));
    QCOMPARE(now(1, 2, 0), old(1, W - 1, 2));
}

void TestTileSaver::edgeCompensation_data() {
    QTest::addColumn<double>("resolution");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("right");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("left");
    QTest::addColumn<int>("scaledW"); // size after any resampling
    QTest::addColumn<int>("scaledH");
    QTest::addColumn<int>("t0");
    QTest::addColumn<int>("t1");
    QTest::addColumn<int>("t2");
    QTest::addColumn<int>("t3");
    QTest::newRow("100 dpi") << 100.0 << 0.05 << 0.0 << 0.02 << 0.1 << 20 << 10 << 5 << 0 << 2
                             << 10;
    QTest::newRow("64 dpi keeps scale")
        << 64.0 << 0.046875 << 0.0625 << 0.046875 << 0.03125 << 20 << 10 << 3 << 4 << 3 << 2;
    QTest::newRow("no trim") << 300.0 << 0.0 << 0.0 << 0.0 << 0.0 << 20 << 10 << 0 << 0 << 0 << 0;
    QTest::newRow("32 dpi resampled to 64")
        << 32.0 << 0.25 << 0.125 << 0.0 << 0.0625 << 40 << 20 << 16 << 8 << 0 << 4;
    QTest::newRow("30 dpi rounds halves to even")
        << 30.0 << 0.0 << 0.0 << 0.0 << 0.0 << 43 << 21 << 0 << 0 << 0 << 0;
}

void TestTileSaver::edgeCompensation() {
    QFETCH(double, resolution);
    QFETCH(double, top);
    QFETCH(double, right);
    QFETCH(double, bottom);
    QFETCH(double, left);
    QFETCH(int, scaledW);
    QFETCH(int, scaledH);
    QFETCH(int, t0);
    QFETCH(int, t1);
    QFETCH(int, t2);
    QFETCH(int, t3);
    ImageObject tile = PatternImage(20, 10);
    ImageObject scaled = tile;
    if (resolution < 64)
        QVERIFY(scaled.Resample(scaledW, scaledH));
    QCOMPARE(TileSaver::ApplyEdgeCompensation(tile, resolution, {top, right, bottom, left}),
             short(1));
    QCOMPARE(tile.ImageWidth(), scaledW + t1 + t3);
    QCOMPARE(tile.ImageHeight(), scaledH + t0 + t2);
    const PixelArray in = scaled.ReadPixels();
    const PixelArray out = tile.ReadPixels();
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) {
            const int sx = std::clamp(x - t3, 0, scaledW - 1);
            const int sy = std::clamp(y - t0, 0, scaledH - 1);
            for (int c = 0; c < 3; ++c)
                QCOMPARE(out(c, x, y), in(c, sx, sy));
        }
}

void TestTileSaver::edgeCompensationFailure() {
    ImageObject empty;
    QCOMPARE(TileSaver::ApplyEdgeCompensation(empty, 100, {0, 0, 0, 0}), short(-1));
    ImageObject tile = PatternImage(4, 4);
    QCOMPARE(TileSaver::ApplyEdgeCompensation(tile, 0, {0, 0, 0, 0}), short(-1));
}

void TestTileSaver::hasRoomForTile() {
    RecordingMessageService messages;
    RecordingProgress progress;
    TileSaver saver(messages, progress);
    const QByteArray bytes(1000, 'x');
    saver.SetFreeSpaceQuery([](const QString&) { return std::optional<qint64>(1000); });
    QVERIFY(saver.HasRoomForTile(QStringLiteral("/x"), bytes));
    saver.SetFreeSpaceQuery([](const QString&) { return std::optional<qint64>(999); });
    QVERIFY(!saver.HasRoomForTile(QStringLiteral("/x"), bytes));
    // Unknown free space counts as enough.
    saver.SetFreeSpaceQuery([](const QString&) { return std::optional<qint64>(); });
    QVERIFY(saver.HasRoomForTile(QStringLiteral("/x"), bytes));
    // The real file system has room for a kilobyte.
    saver.SetFreeSpaceQuery({});
    QTemporaryDir dir;
    QVERIFY(TileSaver(messages, progress).HasRoomForTile(dir.path(), bytes));
}

void TestTileSaver::tilesEqualSourceRectangles_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("size");
    QTest::addColumn<int>("profile"); // -1: no compensation
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("expectedDpi");
    QTest::addColumn<int>("stamp"); // the resolution in the files; 0: the rounded one
    const QStringList small{"--tiles", "3x2", "--custom", "1x1.25", "--margins", "0"};
    QTest::newRow("plain bmp") << small << "600x400" << -1 << int(ImageFormat::Bmp) << 160 << 0;
    QTest::newRow("plain tif") << small << "600x400" << -1 << int(ImageFormat::Tiff) << 160 << 0;
    QTest::newRow("plain jpg") << small << "600x400" << -1 << int(ImageFormat::Jpeg) << 160 << 0;
    QTest::newRow("turned") << (small + QStringList{"--rotate-tiles"}) << "600x400" << -1
                            << int(ImageFormat::Bmp) << 0 << 0;
    QTest::newRow("compensated") << small << "600x400" << 1 << int(ImageFormat::Bmp) << 173 << 0;
    QTest::newRow("turned and compensated") << (small + QStringList{"--rotate-tiles"}) << "600x400"
                                            << 2 << int(ImageFormat::Bmp) << 0 << 0;
    QTest::newRow("compensated below 64 dpi")
        << QStringList{"--tiles", "3x2", "--custom", "8x10", "--margins", "0"} << "60x40" << 1
        << int(ImageFormat::Bmp) << 2 << 64;
    QTest::newRow("one past the right edge")
        << QStringList{"--tiles", "2x1", "--custom", "5.5x10", "--margins", "0", "--hcenter", "200"}
        << "12x10" << -1 << int(ImageFormat::Tiff) << 2 << 0;
    QTest::newRow("one past the bottom, turned")
        << QStringList{"--tiles", "1x2",       "--custom", "10x5.5",        "--margins",
                       "0",       "--vcenter", "200",      "--rotate-tiles"}
        << "12x10" << -1 << int(ImageFormat::Bmp) << 2 << 0;
}

void TestTileSaver::tilesEqualSourceRectangles() {
    QFETCH(QStringList, options);
    QFETCH(QString, size);
    QFETCH(int, profile);
    QFETCH(int, format);
    QFETCH(int, expectedDpi);
    QFETCH(int, stamp);
    auto poster = Poster(options, size);
    QVERIFY(poster);
    const ProfileTable table = Profiles();
    poster->SetProfileTable(&table);
    if (profile >= 0) {
        poster->SetCurrentProfile(profile);
        poster->SetPrinterClips(true);
    }
    const ImageObject img = PatternImage(poster->lImgWidth, poster->lImgHeight);
    const TileCoordTable coords = poster->CalcTileCoord();
    QVERIFY(coords.count > 0);

    QTemporaryDir dir;
    RecordingMessageService messages;
    RecordingProgress progress;
    TileSaver saver(messages, progress);
    const auto f = *FormatFromCode(format);
    const SaveTilesRequest request = Request(dir.path(), f);
    const SaveOutcome outcome = saver.processSaveNow(*poster, img, request);
    QCOMPARE(outcome.status, SaveOutcome::Status::Saved);
    QCOMPARE(outcome.tilesWritten, int(coords.count));
    QVERIFY(messages.Messages().isEmpty());

    std::array<double, 4> trims{};
    if (profile >= 0)
        QVERIFY(FillCurEdgeTrimInches(table, profile, trims));
    const auto res = TileSaver::TileResolutionFor(coords.tiles.front(), poster->bTileRotated,
                                                  poster->CheckTileSizes().dW);
    if (expectedDpi > 0)
        QCOMPARE(res.rounded, expectedDpi);
    if (stamp == 0)
        stamp = res.rounded;
    const PixelArray src = img.ReadPixels();
    for (int t = 0; t < coords.count; ++t) {
        const QString path = TileSaver::MakeTileFilePath(request, short(t + 1)).path;
        const TileRect& r = coords.tiles[size_t(t)];
        QCOMPARE(ReadAll(path), ReferenceTile(src, r, poster->bTileRotated, profile >= 0, res.exact,
                                              stamp, trims, f));
        ImageObject back;
        QVERIFY(back.LoadImageFile(path));
        QCOMPARE(back.ImageInfo(ImageAttribute::HorizontalResolution), stamp);
        QCOMPARE(back.ImageInfo(ImageAttribute::VerticalResolution), stamp);
        if (profile < 0 && f != ImageFormat::Jpeg) {
            // Without compensation the tile is the rectangle itself, turned when asked.
            const PixelArray p = back.ReadPixels();
            const int w = r.Width(), h = r.Height();
            QCOMPARE(p.Width(), poster->bTileRotated ? h : w);
            QCOMPARE(p.Height(), poster->bTileRotated ? w : h);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const int px = poster->bTileRotated ? y : x;
                    const int py = poster->bTileRotated ? w - 1 - x : y;
                    const int sx = std::min(r.left + x, src.Width() - 1);
                    const int sy = std::min(r.top + y, src.Height() - 1);
                    for (int c = 0; c < 3; ++c)
                        QCOMPARE(p(c, px, py), src(c, sx, sy));
                }
        }
    }
    // Only the tiles: no temporary files remain.
    QCOMPARE(FilesIn(outcome.folder).size(), int(coords.count));
}

// The second tile of a 12-pixel-wide image runs from column 7 to column 12: its last column
// repeats column 11 instead of being black.
void TestTileSaver::tilePastImageEdgeRepeatsLastColumn() {
    auto poster =
        Poster({"--tiles", "2x1", "--custom", "5.5x10", "--margins", "0", "--hcenter", "200"},
               QStringLiteral("12x10"));
    QVERIFY(poster);
    const TileCoordTable coords = poster->CalcTileCoord();
    QCOMPARE(coords.tiles[1], (TileRect{7, 0, 12, 9}));
    QTemporaryDir dir;
    RecordingMessageService messages;
    RecordingProgress progress;
    TileSaver saver(messages, progress);
    const ImageObject img = PatternImage(12, 10);
    QCOMPARE(saver.processSaveNow(*poster, img, Request(dir.path())).status,
             SaveOutcome::Status::Saved);
    ImageObject tile;
    QVERIFY(tile.LoadImageFile(dir.filePath(QStringLiteral("Poster1/poster002.bmp"))));
    QCOMPARE(tile.ImageWidth(), 6);
    const PixelArray p = tile.ReadPixels();
    for (int y = 0; y < 10; ++y) {
        QCOMPARE(p(0, 5, y), std::uint8_t(11));
        QCOMPARE(p(1, 5, y), std::uint8_t(y));
        QCOMPARE(p(0, 4, y), std::uint8_t(11));
        QCOMPARE(p(0, 0, y), std::uint8_t(7));
    }
}

void TestTileSaver::threadsWriteTheSameBytes_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("rotate");
    QTest::newRow("jpg") << int(ImageFormat::Jpeg) << false;
    QTest::newRow("jpg turned") << int(ImageFormat::Jpeg) << true;
    QTest::newRow("tif") << int(ImageFormat::Tiff) << false;
}

void TestTileSaver::threadsWriteTheSameBytes() {
    QFETCH(int, format);
    QFETCH(bool, rotate);
    QStringList options{"--tiles", "5x4", "--custom", "1x1", "--margins", "0"};
    if (rotate)
        options << QStringLiteral("--rotate-tiles");
    auto poster = Poster(options, QStringLiteral("500x400"));
    QVERIFY(poster);
    const ProfileTable table = Profiles();
    poster->SetProfileTable(&table);
    poster->SetCurrentProfile(1);
    poster->SetPrinterClips(true);
    const ImageObject img = PatternImage(500, 400);
    QTemporaryDir dir;
    QStringList folders;
    for (int threads : {1, 2, 4}) {
        RecordingMessageService messages;
        RecordingProgress progress;
        TileSaver saver(messages, progress);
        saver.SetThreadCount(threads);
        SaveTilesRequest request = Request(dir.path(), *FormatFromCode(format));
        request.newFolderName = QStringLiteral("t%1").arg(threads);
        const SaveOutcome outcome = saver.processSaveNow(*poster, img, request);
        QCOMPARE(outcome.status, SaveOutcome::Status::Saved);
        QCOMPARE(outcome.tilesWritten, 20);
        folders << outcome.folder;
    }
    const QStringList names = FilesIn(folders[0]);
    QCOMPARE(names.size(), 20);
    for (const QString& other : folders.mid(1)) {
        QCOMPARE(FilesIn(other), names);
        for (const QString& name : names)
            QCOMPARE(ReadAll(other + u'/' + name), ReadAll(folders[0] + u'/' + name));
    }
}

void TestTileSaver::progressAndSuccess() {
    auto poster =
        Poster({"--tiles", "3x2", "--custom", "8x10", "--margins", "0"}, QStringLiteral("60x40"));
    QVERIFY(poster);
    QTemporaryDir dir;
    RecordingMessageService messages;
    RecordingProgress progress;
    TileSaver saver(messages, progress);
    const SaveOutcome outcome =
        saver.processSaveNow(*poster, PatternImage(60, 40), Request(dir.path()));
    QCOMPARE(outcome.status, SaveOutcome::Status::Saved);
    QCOMPARE(outcome.folder, dir.path() + QStringLiteral("/Poster1"));
    QCOMPARE(progress.shown, QStringList{QStringLiteral("Saving Images Now")});
    QCOMPARE(progress.values.size(), 6);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(progress.values[i], (i + 1) / 6.0);
    QCOMPARE(progress.okFolders, QStringList{outcome.folder});
    QVERIFY(progress.closed >= 1);
    QCOMPARE(FilesIn(outcome.folder),
             (QStringList{"poster001.bmp", "poster002.bmp", "poster003.bmp", "poster004.bmp",
                          "poster005.bmp", "poster006.bmp"}));
}

void TestTileSaver::cancel_data() {
    QTest::addColumn<int>("cancelAt");
    QTest::addColumn<int>("threads");
    QTest::newRow("first tile") << 1 << 2;
    QTest::newRow("middle") << 3 << 2;
    QTest::newRow("middle, many threads") << 3 << 8;
    QTest::newRow("last tile") << 6 << 2;
    QTest::newRow("middle, one thread") << 4 << 1;
}

// The cancel is seen after the tile in progress is written; no later tile is written, the
// written ones stay, and even a cancel during the last tile reports the cancel.
void TestTileSaver::cancel() {
    QFETCH(int, cancelAt);
    QFETCH(int, threads);
    auto poster =
        Poster({"--tiles", "3x2", "--custom", "8x10", "--margins", "0"}, QStringLiteral("60x40"));
    QVERIFY(poster);
    QTemporaryDir dir;
    RecordingMessageService messages;
    RecordingProgress progress(cancelAt);
    TileSaver saver(messages, progress);
    saver.SetThreadCount(threads);
    const SaveOutcome outcome =
        saver.processSaveNow(*poster, PatternImage(60, 40), Request(dir.path()));
    QCOMPARE(outcome.status, SaveOutcome::Status::Canceled);
    QCOMPARE(outcome.tilesWritten, cancelAt);
    QStringList expected;
    for (int i = 1; i <= cancelAt; ++i)
        expected << QStringLiteral("poster%1.bmp").arg(i, 3, 10, QChar(u'0'));
    QCOMPARE(FilesIn(outcome.folder), expected);
    QCOMPARE(messages.Messages().size(), 1);
    QCOMPARE(messages.Messages()[0].kind, Kind::Critical);
    QCOMPARE(messages.Messages()[0].title, QStringLiteral("Canceled"));
    QCOMPARE(messages.Messages()[0].text, QStringLiteral("Canceled by user"));
    QVERIFY(progress.okFolders.isEmpty());
    QCOMPARE(progress.values.size(), cancelAt - 1);
    QVERIFY(progress.closed >= 1);
}

void TestTileSaver::existingFolder_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("written");
    QTest::newRow("yes") << int(Answer::Yes) << true;
    QTest::newRow("no") << int(Answer::No) << false;
    QTest::newRow("cancel") << int(Answer::Cancel) << false;
}

void TestTileSaver::existingFolder() {
    QFETCH(int, answer);
    QFETCH(bool, written);
    auto poster =
        Poster({"--tiles", "3x2", "--custom", "8x10", "--margins", "0"}, QStringLiteral("60x40"));
    QVERIFY(poster);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Poster1")));
    const QString folder = dir.path() + QStringLiteral("/Poster1");
    RecordingMessageService messages;
    messages.QueueAnswer(Answer(answer));
    RecordingProgress progress;
    TileSaver saver(messages, progress);
    const SaveOutcome outcome =
        saver.processSaveNow(*poster, PatternImage(60, 40), Request(dir.path()));
    QVERIFY(!messages.Messages().isEmpty());
    const auto& q = messages.Messages()[0];
    QCOMPARE(q.kind, Kind::YesNoCancel);
    QCOMPARE(q.title, QStringLiteral("Folder Exists"));
    QCOMPARE(q.text, QStringLiteral("The folder \"") + folder +
                         QStringLiteral("\" already exists Some files could be overwritten.  Do "
                                        "you want to continue?"));
    QCOMPARE(outcome.status, written ? SaveOutcome::Status::Saved : SaveOutcome::Status::Declined);
    QCOMPARE(FilesIn(folder).size(), written ? 6 : 0);
    QCOMPARE(messages.Messages().size(), 1);
    QCOMPARE(progress.shown.size(), written ? 1 : 0);
}

void TestTileSaver::failures_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text"); // "%1" stands for the target folder
    QTest::addColumn<bool>("folderCreated");
    QTest::newRow("no image") << "noImage"
                              << "Error"
                              << "Error calculating tile coordinates" << false;
    const QString noFolder =
        "Could not create the folder \"%1\" to save your poster tile images into.  Possible "
        "causes of this are that you do not have access rights to the drive that you "
        "selected, the disk drive is full, or that you provided an invalid folder name..  ";
    QTest::newRow("folder cannot be created")
        << "underFile"
        << "Can not continue" << noFolder + "\nReason: Not a directory" << false;
    QTest::newRow("parent missing")
        << "parentMissing"
        << "Can not continue" << noFolder + "\nReason: No such file or directory" << false;
    QTest::newRow("tiles below one pixel")
        << "oneByOne"
        << "Error"
        << "The tiles would be smaller than one pixel of the image.  Use fewer tiles, a lower "
           "zoom or a larger image."
        << false;
    QTest::newRow("no file type") << "noFormat"
                                  << "Error"
                                  << "Problem: File extension not selected" << false;
    QTest::newRow("no location") << "noFolder"
                                 << "Error"
                                 << "Problem: You must select the location where the new poster "
                                    "tile image folder will be created"
                                 << false;
    QTest::newRow("base name with separator")
        << "baseSeparator"
        << "Error"
        << "Problem: The base file name must not contain a folder separator (/ or \\)" << false;
    QTest::newRow("disk full") << "noSpace"
                               << "Out of disk space"
                               << "Not enough space on selected drive.  Can not save images."
                               << false;
    const QString saveFailed = "Error saving tile image file to disk.  A possible cause is that "
                               "the disk is full.  Can not continue.\nReason: ";
    QTest::newRow("file cannot be written")
        << "blockedFile"
        << "Error" << saveFailed + "The file could not be created: Filename refers to a directory"
        << true;
    QTest::newRow("no space read, but the file is blocked")
        << "noSpaceBlocked"
        << "Error" << saveFailed + "Filename refers to a directory" << true;
    QTest::newRow("name too long")
        << "longName"
        << "Error" << saveFailed + "The file could not be completed: File name too long" << false;
    QTest::newRow("out of memory") << "outOfMemory"
                                   << "Error" << saveFailed + "Not enough memory" << false;
    QTest::newRow("image does not match the poster") << "wrongImage"
                                                     << "Error"
                                                     << "Error reading the source image" << false;
}

void TestTileSaver::failures() {
    QFETCH(QString, setup);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(bool, folderCreated);
    auto poster =
        Poster({"--tiles", "3x2", "--custom", "8x10", "--margins", "0"}, QStringLiteral("60x40"));
    QVERIFY(poster);
    QTemporaryDir dir;
    SaveTilesRequest request = Request(dir.path());
    ImageObject img = PatternImage(60, 40);
    RecordingMessageService messages;
    RecordingProgress progress;
    TileSaver saver(messages, progress);
    if (setup == u"noImage") {
        poster->lImgHeight = 0;
    } else if (setup == u"underFile") {
        QVERIFY(WriteAll(dir.filePath(QStringLiteral("plain_file")), "x"));
        request.folder = dir.filePath(QStringLiteral("plain_file"));
    } else if (setup == u"parentMissing") {
        request.folder = dir.filePath(QStringLiteral("missing/deeper"));
    } else if (setup == u"noFormat") {
        request.format.reset();
    } else if (setup == u"noFolder") {
        request.folder.clear();
    } else if (setup == u"baseSeparator") {
        request.baseFileName = QStringLiteral("sub/poster");
    } else if (setup == u"oneByOne") {
        poster->lImgWidth = poster->lImgHeight = 1;
        img = PatternImage(1, 1);
    } else if (setup.startsWith(u"noSpace")) {
        saver.SetFreeSpaceQuery([](const QString&) { return std::optional<qint64>(0); });
    } else if (setup == u"longName") {
        request.baseFileName = QString(300, u'n');
    } else if (setup == u"outOfMemory") {
        saver.SetRenderFunction(
            [](const PixelArray&, const TileSaver::TileJob&) -> TileSaver::RenderedTile {
                throw std::bad_alloc();
            });
    }
    if (setup.contains(u"locked")) {
        // A folder where the first tile file should go: writing it must fail.
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Poster1/poster001.bmp")));
    } else if (setup == u"wrongImage") {
        img = PatternImage(50, 40);
    }
    const QString folder = TileSaver::TargetFolderPath(request);
    const SaveOutcome outcome = saver.processSaveNow(*poster, img, request);
    QCOMPARE(outcome.status, SaveOutcome::Status::Failed);
    QVERIFY(!messages.Messages().isEmpty());
    const auto& m = messages.Messages().back();
    QCOMPARE(m.kind, Kind::Critical);
    QCOMPARE(m.title, title);
    QCOMPARE(m.text, text.contains(u"%1") ? text.arg(folder) : text);
    QCOMPARE(outcome.title, title);
    QCOMPARE(outcome.text, m.text);
    QCOMPARE(outcome.tilesWritten, 0);
    QVERIFY(progress.okFolders.isEmpty());
    if (!progress.shown.isEmpty())
        QVERIFY(progress.closed >= 1);
    if (setup != u"noFolder")
        QCOMPARE(QFileInfo(folder).isDir(), folderCreated);
    if (folderCreated)
        QCOMPARE(FilesIn(folder), QStringList{QStringLiteral("poster001.bmp")});
}

void TestTileSaver::texts_data() {
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    QTest::newRow("error title") << SaveTilesTexts::ErrorTitle() << "Error";
    QTest::newRow("file system object")
        << SaveTilesTexts::FileSystemObjectError()
        << "Error creating FileSystemObject - Windows component missing";
    QTest::newRow("image object") << SaveTilesTexts::ImageObjectError()
                                  << "Error creating image object";
    QTest::newRow("tile sizes") << SaveTilesTexts::InvalidTileSizes()
                                << "Can not continue - Invalid tile print sizes entered";
    QTest::newRow("compensation") << SaveTilesTexts::CompensationError()
                                  << "Error applying printer edge clipping compensation";
    QTest::newRow("problem") << SaveTilesTexts::Problem(QStringLiteral("x")) << "Problem: x";
    QTest::newRow("canceled title") << SaveTilesTexts::CanceledTitle() << "Canceled";
    QTest::newRow("saving") << SaveTilesTexts::SavingImagesNow() << "Saving Images Now";
    QTest::newRow("create folder title")
        << SaveTilesTexts::CreateFolderTitle() << "Can not continue";
}

void TestTileSaver::texts() {
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

QTEST_MAIN(TestTileSaver)
#include "tst_tile_saver.moc"
