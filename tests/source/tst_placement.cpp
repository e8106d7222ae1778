#include "layout/poster_state.h"
#include "layout/tile_placement.h"
#include "source/preview_renderer.h"

#include <QTest>

using namespace tessellon;

class TstPlacement : public QObject {
    Q_OBJECT
private:
    static PosterState ImageState(int w = 3000, int h = 2000) {
        PosterState s;
        s.bImgSelected = true;
        s.lImgWidth = w;
        s.lImgHeight = h;
        return s;
    }
    // A preview at 0.1 scale whose crop window is 100 x 80 preview pixels at (50, 60).
    static PreviewGeometry Geo() {
        PreviewGeometry g;
        g.dPreviewScale = 0.1;
        g.iPicWidthPx = 300;
        g.iPicHeightPx = 200;
        g.iWinLeft = 50;
        g.iWinTop = 60;
        g.iWinRight = 149;
        g.iWinBottom = 139;
        return g;
    }

private slots:
    void arrowStep() {
        // The step after 0, 1..4, 5..15, 16..25, 26..35 and 36 or more steps already taken.
        const QList<std::pair<int, int>> table{{0, 1},   {1, 2},   {4, 2},   {5, 5},   {15, 5},
                                               {16, 10}, {25, 10}, {26, 20}, {35, 20}, {36, 0}};
        for (const auto& [repeat, step] : table)
            QCOMPARE(TilePlacement::ArrowStep(repeat), step);
    }

    void holdingAnArrow() {
        PosterState s = ImageState();
        int repeat = 0;
        QList<int> after;
        for (int i = 1; i <= 21; ++i) {
            TilePlacement::StepArrow(s, kArrowRight, repeat);
            after.append(s.iHorzCenter);
        }
        QCOMPARE(after.mid(0, 6), (QList<int>{101, 103, 105, 107, 109, 114}));
        QCOMPARE(after.mid(15), (QList<int>{164, 174, 184, 194, 200, 200}));
        // The stop at the limit leaves the repeat count where it was.
        QCOMPARE(repeat, 20);
        QCOMPARE(s.iVertCenter, 100);
        // From 0 the limit is reached on the 28th step.
        s.iVertCenter = 0;
        repeat = 0;
        int steps = 0;
        while (TilePlacement::StepArrow(s, kArrowDown, repeat))
            ++steps;
        QCOMPARE(steps, 28);
        // Up and left stop at 0.
        s.iVertCenter = 1;
        s.iHorzCenter = 3;
        repeat = 5;
        QVERIFY(TilePlacement::StepArrow(s, kArrowUp, repeat));
        QVERIFY(TilePlacement::StepArrow(s, kArrowLeft, repeat));
        QCOMPARE(QPoint(s.iHorzCenter, s.iVertCenter), QPoint(0, 0));
        QVERIFY(!TilePlacement::StepArrow(s, kArrowUp, repeat));
        QCOMPARE(repeat, 7);
    }

    void arrowHitTest() {
        // A 40 x 40 picture: corners do nothing, the middle band goes left or right.
        const QList<std::tuple<double, double, int>> cases{
            {2, 2, -1},        {38, 38, -1},         {20, 20, kArrowRight}, {19, 20, kArrowLeft},
            {20, 3, kArrowUp}, {18, 35, kArrowDown}, {39, 15, kArrowRight}, {0, 25, kArrowLeft}};
        for (const auto& [x, y, direction] : cases) {
            const auto d = TilePlacement::ArrowHitTest(x, y, 40, 40);
            QCOMPARE(d ? int(*d) : -1, direction);
        }
    }

    void placementLabels_data() {
        QTest::addColumn<int>("horz");
        QTest::addColumn<int>("vert");
        QTest::addColumn<QString>("labels");
        QTest::newRow("centred") << 100 << 100 << "(center) (center)";
        QTest::newRow("right 50, up 100") << 150 << 0 << "(right 50%) (up 100%)";
        QTest::newRow("left 30, down 7") << 70 << 107 << "(left 30%) (down 7%)";
    }
    void placementLabels() {
        QFETCH(int, horz);
        QFETCH(int, vert);
        PosterState s = ImageState();
        s.iHorzCenter = short(horz);
        s.iVertCenter = short(vert);
        const PlacementLabels l = TilePlacement::UpdatePlacementLabels(s, Geo());
        QTEST(l.horizontal + u' ' + l.vertical, "labels");
        QCOMPARE(s.iHorzCenter, horz);
        s.bImgSelected = false;
        const PlacementLabels none = TilePlacement::UpdatePlacementLabels(s, Geo());
        QCOMPARE(none.horizontal + none.vertical, QStringLiteral("------"));
    }

    void windowAsLargeAsTheImageForcesCentre() {
        PosterState s = ImageState();
        s.iHorzCenter = 180;
        s.iVertCenter = 20;
        PreviewGeometry g = Geo();
        g.iWinLeft = 0;
        g.iWinRight = 299; // as wide as the 300-pixel image at scale 0.1
        PlacementLabels l = TilePlacement::UpdatePlacementLabels(s, g);
        QCOMPARE(l.horizontal + u' ' + l.vertical, QStringLiteral("(full width) (up 80%)"));
        QCOMPARE(s.iHorzCenter, 100);
        g.iWinTop = 0;
        g.iWinBottom = 199;
        QCOMPARE(TilePlacement::UpdatePlacementLabels(s, g).vertical,
                 QStringLiteral("(full height)"));
        QCOMPARE(s.iVertCenter, 100);
        // A 30 x 20 image shown at 4 preview pixels per image pixel: the window spanning it ends
        // on the first preview column of the last image pixel, 29 x 4.
        PosterState small = ImageState(30, 20);
        g = {4, 120, 80, 0, 8, 116, 52}; // 45 of 80 rows high
        l = TilePlacement::UpdatePlacementLabels(small, g);
        QCOMPARE(l.horizontal + u' ' + l.vertical, QStringLiteral("(full width) (center)"));
    }

    void inPosterWindow() {
        // Positions round to whole pixels, halves to even.
        const QList<std::tuple<double, double, bool>> cases{
            {50, 60, true},   {149, 139, true},  {49.5, 100, true}, {150.5, 100, false},
            {49, 100, false}, {100, 140, false}, {149.4, 100, true}};
        for (const auto& [x, y, inside] : cases)
            QCOMPARE(TilePlacement::IsInPosterWindow(x, y, Geo()), inside);
    }

    void dragFollowsPointer() {
        PosterState s = ImageState();
        const PreviewGeometry g = Geo(); // free room 300 - 100 = 200 across, 200 - 80 = 120 down
        const DragStart start = TilePlacement::BeginDrag(s, 100, 100);
        TilePlacement::DragPosterWindow(s, g, start, 150, 70);
        QCOMPARE(QPoint(s.iHorzCenter, s.iVertCenter), QPoint(150, 50));
        // Far beyond the picture the centring pins at its limits.
        TilePlacement::DragPosterWindow(s, g, start, 5000, -5000);
        QCOMPARE(QPoint(s.iHorzCenter, s.iVertCenter), QPoint(200, 0));
        TilePlacement::DragPosterWindow(s, g, start, -5000, 5000);
        QCOMPARE(QPoint(s.iHorzCenter, s.iVertCenter), QPoint(0, 200));
        // Half a pixel is half a centring unit here, and halves go to even.
        TilePlacement::DragPosterWindow(s, g, start, 100.5, 100);
        QCOMPARE(s.iHorzCenter, 100);
        TilePlacement::DragPosterWindow(s, g, start, 101.5, 100);
        QCOMPARE(s.iHorzCenter, 102);
        // Without room the window can only sit centred.
        PreviewGeometry full = g;
        full.iWinLeft = 0;
        full.iWinRight = 299;
        TilePlacement::DragPosterWindow(s, full, start, 200, 100);
        QCOMPARE(s.iHorzCenter, 100);
    }

    void gridRoundsHalvesToEven() {
        // At scale 0.5 the columns 5, 7, 9 and 13 fall on 2.5, 3.5, 4.5 and 6.5, the rows 1 and 5
        // on 0.5 and 2.5.
        QImage preview(20, 10, QImage::Format_RGB32);
        preview.fill(Qt::white);
        TileCoordTable t;
        t.count = 3;
        t.tiles = {{5, 1, 6, 5}, {7, 1, 8, 5}, {9, 1, 13, 5}};
        const auto d = PreviewRenderer::DrawTileGrid(preview, 0.5, t, 3, 1);
        QVERIFY(d);
        QList<int> red;
        for (int x = 0; x < 20; ++x)
            if (d->image.pixel(x, 1) == qRgb(255, 0, 0))
                red << x;
        QCOMPARE(red, (QList<int>{2, 4, 6}));
        const PreviewGeometry& g = d->geometry;
        QCOMPARE((QList<int>{g.iWinLeft, g.iWinTop, g.iWinRight, g.iWinBottom}),
                 (QList<int>{2, 0, 6, 2}));
        QCOMPARE(d->image.pixel(3, 0), qRgb(255, 0, 0));
        QCOMPARE(d->image.pixel(3, 1), qRgb(255, 255, 255));
    }

    void rotation() {
        QCOMPARE((QList<short>{TilePlacement::RotationAngle(0), TilePlacement::RotationAngle(1),
                               TilePlacement::RotationAngle(2), TilePlacement::RotationAngle(3)}),
                 (QList<short>{0, 90, 270, 180}));
        // The image is always turned on from its current angle.
        const QList<std::tuple<short, short, int>> cases{
            {90, 90, 0}, {0, 90, 90}, {90, 180, 90}, {90, 0, 270}, {180, 270, 90}, {270, 0, 90}};
        for (const auto& [from, to, delta] : cases) {
            QCOMPARE(TilePlacement::RotationDelta(from, to), delta);
            QCOMPARE(TilePlacement::SwapsSize(delta), delta % 180 != 0);
        }
    }
};

QTEST_GUILESS_MAIN(TstPlacement)
#include "tst_placement.moc"
