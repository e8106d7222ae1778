#include "../calibration/profile_test_support.h" // WriteAll
#include "layout/poster_state.h"
#include "layout/preview_renderer.h"
#include "source/file_browser.h"
#include "source/image_loader.h"
#include "source/source_image.h"
#include "source/status_pictures.h"

#include <QPainter>
#include <QtTest>

#include <sys/stat.h>

using namespace tessellon;
using tessellon::testing::WriteAll;

namespace {

bool IsRed(const QImage& img, int x, int y) {
    return img.pixel(x, y) == 0xffff0000u;
}

// The red pixels of row `at` (or of column `at`, down).
QList<int> Red(const QImage& img, int at, bool column = false) {
    QList<int> found;
    for (int i = 0; i < (column ? img.height() : img.width()); ++i)
        if (column ? IsRed(img, at, i) : IsRed(img, i, at))
            found.append(i);
    return found;
}

QImage Grey(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(128, 128, 128));
    return img;
}

// 3000 x 2000 image, 8 x 10 inch tiles, 3 x 2 tiles: crop 2400 x 2000 centred at x 300.
PosterState WorkedExample(double tileW = 8, double tileH = 10) {
    PosterState s;
    s.bImgSelected = true;
    s.lImgWidth = 3000;
    s.lImgHeight = 2000;
    s.dTileWidth = s.dPaperWidth = tileW;
    s.dTileHeight = s.dPaperHeight = tileH;
    s.SelectTilesWide(2);
    s.SelectTilesHigh(1);
    return s;
}

} // namespace

class TstSource : public QObject {
    Q_OBJECT
private slots:
    // Image sizes fitted into a 400 x 300 picture: a wide image, a tall one (2000 / 3001 x 300 =
    // 199.93: rounded, not cut) and a small one enlarged.
    void buildPreviewCopy() {
        for (const auto& [img, expected] : QList<std::pair<QSize, QSize>>{
                 {{3000, 2000}, {400, 267}}, {{2000, 3001}, {200, 300}}, {{30, 25}, {360, 300}}}) {
            // The source may be a reduced decode: the fit follows the full size.
            const QImage reduced = Grey(img.width() / 2 + 1, img.height() / 2 + 1);
            const PreviewCopy copy = PreviewRenderer::BuildPreviewCopy(
                reduced, img.width(), img.height(), QSize(400, 300));
            QCOMPARE(copy.image.size(), expected);
            QCOMPARE(copy.dPreviewScale, double(expected.width()) / img.width());
            QCOMPARE(copy.image.format(), QImage::Format_RGB32);
        }
    }

    // 3000 x 2000 pixels shown at 0.1. The worked example's tiles at x 300, 1100, 1900 (right
    // 2699) and y 0, 1000 (bottom 1999); 3 x 3 tiles of 6 x 4 inches: the image's own 3:2 shape,
    // the window clipped to the picture.
    void tileGrid() {
        // Tile (inches), tiles high; the window's left, top, right, bottom; columns; rows.
        const QList<std::tuple<QSizeF, int, QList<int>, QList<int>, QList<int>>> cases{
            {{8, 10}, 2, {30, 0, 270, 199}, {30, 110, 190, 270}, {0, 100, 199}},
            {{6, 4}, 3, {0, 0, 299, 199}, {0, 100, 200, 299}, {0, 67, 133, 199}}};
        for (const auto& [tile, high, window, columns, rows] : cases) {
            PosterState s = WorkedExample(tile.width(), tile.height());
            s.SelectTilesHigh(high - 1);
            const PreviewCopy copy =
                PreviewRenderer::BuildPreviewCopy(Grey(300, 200), 3000, 2000, QSize(300, 200));
            const auto g = PreviewRenderer::DrawTileGrid(copy.image, copy.dPreviewScale,
                                                         s.CalcTileCoord(), 3, high);
            QVERIFY(g);
            const PreviewGeometry& w = g->geometry;
            QCOMPARE((QList<int>{w.iWinLeft, w.iWinTop, w.iWinRight, w.iWinBottom}), window);
            QCOMPARE(Red(g->image, 50), columns);
            QCOMPARE(Red(g->image, 60, true), rows);
            // Nothing outside the window is painted, and the source copy stays clean.
            QCOMPARE(Red(g->image, 0).size(), window[2] - window[0] + 1);
            QVERIFY(!IsRed(copy.image, window[0], 50));
        }
    }

    void gridRoundsHalvesToEven() {
        // At scale 0.5 columns 5, 7, 9, 13 fall on 2.5, 3.5, 4.5, 6.5, rows 1 and 5 on 0.5, 2.5.
        const TileCoordTable t{3, {{5, 1, 6, 5}, {7, 1, 8, 5}, {9, 1, 13, 5}}};
        const auto d = PreviewRenderer::DrawTileGrid(Grey(20, 10), 0.5, t, 3, 1);
        QVERIFY(d);
        QCOMPARE(Red(d->image, 1), (QList<int>{2, 4, 6}));
        QCOMPARE(d->geometry, (PreviewGeometry{0.5, 20, 10, 2, 0, 6, 2}));
        QCOMPARE(Red(d->image, 3, true), (QList<int>{0, 2}));
    }

    void invalidTableDrawsNothing() {
        for (const TileCoordTable& t : {TileCoordTable{}, WorkedExample().CalcTileCoord()})
            QVERIFY(!PreviewRenderer::DrawTileGrid(Grey(30, 20), 0.1, t, 2, 2));
    }

    void fillPreview() {
        // Left half black, right half white; a poster window over the right half only.
        QImage img(200, 100, QImage::Format_RGB32);
        img.fill(Qt::black);
        QPainter(&img).fillRect(QRect(100, 0, 100, 100), Qt::white);
        TileCoordTable t{1, {{100, 0, 199, 99}}};
        const QImage out = PreviewRenderer::FillPreview(img, t, QSize(400, 300), false, 1, 1);
        QCOMPARE(out.size(), QSize(300, 300));
        QCOMPARE(out.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(out.pixel(299, 299), qRgb(255, 255, 255));
        // A very wide window still gives a picture at least one pixel high.
        const QImage wide = Grey(40000, 40);
        t = {2, {{0, 0, 19999, 39}, {20000, 0, 39999, 39}}};
        QCOMPARE(PreviewRenderer::FillPreview(wide, t, QSize(800, 600), true, 2, 1).size(),
                 QSize(800, 1));
        QVERIFY(PreviewRenderer::FillPreview(wide, TileCoordTable{}, QSize(800, 600), true, 2, 1)
                    .isNull());
    }

    void evenGrid() {
        // Lines at i / 4 of 10 and of 6 pixels: 2.5 -> 2, 7.5 -> 8, 1.5 -> 2, 4.5 -> 4.
        QImage img = Grey(11, 7);
        PreviewRenderer::ShowImageWithGrid(img, 4, 4);
        QCOMPARE(Red(img, 1), (QList<int>{0, 2, 5, 8, 10}));
        QCOMPARE(Red(img, 1, true), (QList<int>{0, 2, 3, 4, 6}));
    }

    void fitToNewSizeForPic() {
        // Client 1000 x 640, button 80 x 40: gap 10, 580 pixels for a square or a wide picture.
        for (const auto& [ratio, picture] : QList<std::pair<double, QRect>>{
                 {1.0, {210, 0, 580, 580}}, {4.0, {0, 165, 1000, 250}}}) {
            const auto l =
                PreviewRenderer::FitToNewSizeForPic(ratio, QSize(1000, 640), QSize(80, 40));
            QVERIFY(l);
            QCOMPARE(l->picture, picture);
            QCOMPARE(l->buttonTopLeft, QPoint(460, 590));
        }
        QVERIFY(!PreviewRenderer::FitToNewSizeForPic(0, QSize(1000, 640), QSize(80, 40)));
    }

    void fileFilter() {
        const QList<std::tuple<const char*, int, bool>> cases{
            {"X.JPG", 0, true},  {"d.JPEG", 1, true},  {"d.tiff", 2, true}, {"c.PNG", 5, true},
            {"c.jpg", 5, false}, {"a.tif", 1, false},  {"a.bmp", 3, true},  {"d.jpe", 1, true},
            {"c.webp", 5, true}, {"a.jpg", -1, false}, {"I.HEIC", 6, true}, {"a.Avif", 6, true},
            {"a.hif", 6, true},  {"x.heif", 0, false}, {"a.PNG", 6, true},  {"a.txt", 6, false},
            {"a.jpg", 7, false}};
        for (const auto& [name, filter, match] : cases)
            QVERIFY2(FileBrowser::MatchesFileFilter(QLatin1String(name), filter) == match, name);
    }

    void fillFileList() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const char* n : {"b.TIF", "a.jpg", ".jpg", "c.bmp", "d.png", "notes.txt"})
            QVERIFY(WriteAll(dir.filePath(QString::fromLatin1(n)), "x"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub.jpg")));
        // A named pipe is no file to show: opening it would wait for a writer.
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.jpg"))), 0600), 0);
        QCOMPARE(*FileBrowser::FillFileList(dir.path(), 0),
                 (QStringList{"a.jpg", "b.TIF", "c.bmp"}));
        QCOMPARE(*FileBrowser::FillFileList(dir.path(), 1), (QStringList{"a.jpg"}));
        QCOMPARE(*FileBrowser::FillFileList(dir.path(), 4),
                 (QStringList{"a.jpg", "b.TIF", "c.bmp", "d.png", "notes.txt"}));
        QVERIFY(!FileBrowser::FillFileList(dir.filePath(QStringLiteral("missing")), 0));
        const QList<Volume> volumes = FileBrowser::Volumes();
        QVERIFY(std::any_of(volumes.begin(), volumes.end(),
                            [](const Volume& v) { return v.rootPath == QDir::rootPath(); }));
        QCOMPARE(FileBrowser::DriveOf(QDir::rootPath()), QDir::rootPath());
        QVERIFY(FileBrowser::DriveOf(QStringLiteral("/no/such/folder/here")).isEmpty());
    }

    // The jumps themselves are tested with the main window's buttons.
    void specialFolders() {
        QTemporaryDir dir;
        const QString desk = dir.filePath(QStringLiteral("Desktop"));
        QVERIFY(QDir().mkpath(desk));
        const SpecialFolders found(desk, desk);
        QVERIFY(found.Found() && !found.JumpToDesktop().drive.isEmpty());
        const SpecialFolders noDocs(desk, dir.filePath(QStringLiteral("gone")));
        QVERIFY(!noDocs.Found());
        QVERIFY(noDocs.JumpToMyDocuments().errorText.contains(u"the My Documents folder.  Please"));
        const SpecialFolders noDesk(dir.filePath(QStringLiteral("none")), desk);
        QVERIFY(noDesk.JumpToDesktop().errorText.contains(u"the Desktop folder.  Please"));
        QCOMPARE(noDesk.JumpToMyDocuments().folder, desk); // the documents still work
    }

    // 25 x 25 and 24 x 200 are tried in the main window.
    void minimumSize() { QVERIFY(!ImageLoader::IsLargeEnough(QSize(200, 24))); }

    void statusPictures() {
        for (int k = StatusPictures::kPickFolder; k <= StatusPictures::kLoading4; ++k)
            QCOMPARE(StatusPictures::Draw(k, QSize(320, 240)).size(), QSize(320, 240));
        QVERIFY(StatusPictures::Draw(0, QSize(160, 120)).isNull() &&
                StatusPictures::Draw(8, QSize(160, 120)).isNull());
        QVERIFY(StatusPictures::Draw(StatusPictures::kLoading1, QSize(160, 120)) !=
                StatusPictures::Draw(StatusPictures::kLoading2, QSize(160, 120)));
        QCOMPARE((QList<int>{StatusPictures::NextLoadingFrame(StatusPictures::kLoading4),
                             StatusPictures::NextLoadingFrame(StatusPictures::kLoading2)}),
                 (QList<int>{StatusPictures::kLoading1, StatusPictures::kLoading3}));
    }
};

QTEST_MAIN(TstSource)
#include "tst_source.moc"
