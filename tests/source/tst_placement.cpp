#include "layout/poster_state.h"
#include "layout/tile_placement.h"

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
    void arrowStep_data() {
        QTest::addColumn<int>("repeat");
        QTest::addColumn<int>("step");
        QTest::newRow("first") << 0 << 1;
        QTest::newRow("1") << 1 << 2;
        QTest::newRow("4") << 4 << 2;
        QTest::newRow("5") << 5 << 5;
        QTest::newRow("15") << 15 << 5;
        QTest::newRow("16") << 16 << 10;
        QTest::newRow("25") << 25 << 10;
        QTest::newRow("26") << 26 << 20;
        QTest::newRow("35") << 35 << 20;
        QTest::newRow("36") << 36 << 0;
        QTest::newRow("100") << 100 << 0;
    }
    void arrowStep() {
        QFETCH(int, repeat);
        QFETCH(int, step);
        QCOMPARE(TilePlacement::ArrowStep(repeat), step);
    }

    void holdingRightFromCentre() {
        PosterState s = ImageState();
        int repeat = 0;
        QList<int> after;
        for (int i = 1; i <= 22; ++i) {
            TilePlacement::StepArrow(s, kArrowRight, repeat);
            after.append(s.iHorzCenter);
        }
        QCOMPARE(after[0], 101);
        QCOMPARE(after[4], 109);
        QCOMPARE(after[15], 164);
        QCOMPARE(after.mid(16, 4), (QList<int>{174, 184, 194, 200}));
        QCOMPARE(after[21], 200);
        // The stop at the limit leaves the repeat count where it was.
        QCOMPARE(repeat, 20);
        QVERIFY(!TilePlacement::StepArrow(s, kArrowRight, repeat));
        QCOMPARE(repeat, 20);
        QCOMPARE(s.iVertCenter, 100);
    }

    void fromZeroReachesLimitOn28thStep() {
        PosterState s = ImageState();
        s.iVertCenter = 0;
        int repeat = 0;
        int steps = 0;
        while (s.iVertCenter < 200 && steps < 100) {
            QVERIFY(TilePlacement::StepArrow(s, kArrowDown, repeat));
            ++steps;
        }
        QCOMPARE(steps, 28);
    }

    void upAndLeftStopAtZero() {
        PosterState s = ImageState();
        s.iVertCenter = 1;
        s.iHorzCenter = 3;
        int repeat = 5;
        QVERIFY(TilePlacement::StepArrow(s, kArrowUp, repeat));
        QCOMPARE(s.iVertCenter, 0);
        QVERIFY(TilePlacement::StepArrow(s, kArrowLeft, repeat));
        QCOMPARE(s.iHorzCenter, 0);
        QVERIFY(!TilePlacement::StepArrow(s, kArrowUp, repeat));
        QCOMPARE(repeat, 7);
    }

    void arrowHitTest_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("direction"); // -1: nothing
        QTest::newRow("top-left corner") << 2.0 << 2.0 << -1;
        QTest::newRow("bottom-right corner") << 38.0 << 38.0 << -1;
        QTest::newRow("centre moves right") << 20.0 << 20.0 << int(kArrowRight);
        QTest::newRow("just left of centre") << 19.0 << 20.0 << int(kArrowLeft);
        QTest::newRow("top band") << 20.0 << 3.0 << int(kArrowUp);
        QTest::newRow("bottom band") << 18.0 << 35.0 << int(kArrowDown);
        QTest::newRow("right edge of middle") << 39.0 << 15.0 << int(kArrowRight);
        QTest::newRow("left edge of middle") << 0.0 << 25.0 << int(kArrowLeft);
    }
    void arrowHitTest() {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(int, direction);
        const auto d = TilePlacement::ArrowHitTest(x, y, 40, 40);
        QCOMPARE(d ? int(*d) : -1, direction);
    }

    void placementLabels_data() {
        QTest::addColumn<int>("horz");
        QTest::addColumn<int>("vert");
        QTest::addColumn<QString>("lr");
        QTest::addColumn<QString>("tb");
        QTest::newRow("centred") << 100 << 100 << "(center)"
                                 << "(center)";
        QTest::newRow("right 50, up 100") << 150 << 0 << "(right 50%)"
                                          << "(up 100%)";
        QTest::newRow("left 30, down 7") << 70 << 107 << "(left 30%)"
                                         << "(down 7%)";
    }
    void placementLabels() {
        QFETCH(int, horz);
        QFETCH(int, vert);
        PosterState s = ImageState();
        s.iHorzCenter = short(horz);
        s.iVertCenter = short(vert);
        const PlacementLabels l = TilePlacement::UpdatePlacementLabels(s, Geo());
        QTEST(l.horizontal, "lr");
        QTEST(l.vertical, "tb");
        QCOMPARE(s.iHorzCenter, horz);
    }

    void fullWidthForcesCentre() {
        PosterState s = ImageState();
        s.iHorzCenter = 180;
        s.iVertCenter = 20;
        PreviewGeometry g = Geo();
        g.iWinLeft = 0;
        g.iWinRight = 299; // as wide as the 300-pixel image at scale 0.1
        const PlacementLabels l = TilePlacement::UpdatePlacementLabels(s, g);
        QCOMPARE(l.horizontal, QStringLiteral("(full width)"));
        QCOMPARE(s.iHorzCenter, 100);
        QCOMPARE(l.vertical, QStringLiteral("(up 80%)"));
        g.iWinTop = 0;
        g.iWinBottom = 199;
        QCOMPARE(TilePlacement::UpdatePlacementLabels(s, g).vertical,
                 QStringLiteral("(full height)"));
        QCOMPARE(s.iVertCenter, 100);
    }

    void enlargedPreviewStillSpansTheImage() {
        // A 30 x 20 image shown at 4 preview pixels per image pixel: the window spanning it ends
        // on the first preview column of the last image pixel.
        PosterState s = ImageState(30, 20);
        s.iHorzCenter = 150;
        PreviewGeometry g;
        g.dPreviewScale = 4;
        g.iWinLeft = 0;
        g.iWinRight = 116; // Nearest(29 * 4)
        g.iWinTop = 8;
        g.iWinBottom = 52; // a window 45 pixels high in an 80-pixel picture
        const PlacementLabels l = TilePlacement::UpdatePlacementLabels(s, g);
        QCOMPARE(l.horizontal, QStringLiteral("(full width)"));
        QCOMPARE(l.vertical, QStringLiteral("(center)"));
    }

    void noImageShowsDashes() {
        PosterState s;
        s.iHorzCenter = 150;
        const PlacementLabels l = TilePlacement::UpdatePlacementLabels(s, Geo());
        QCOMPARE(l.horizontal, QStringLiteral("---"));
        QCOMPARE(l.vertical, QStringLiteral("---"));
        QCOMPARE(s.iHorzCenter, 150);
    }

    void inPosterWindow_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<bool>("inside");
        QTest::newRow("top-left corner") << 50.0 << 60.0 << true;
        QTest::newRow("bottom-right corner") << 149.0 << 139.0 << true;
        QTest::newRow("half rounds to even, inside") << 49.5 << 100.0 << true;
        QTest::newRow("half rounds to even, outside") << 150.5 << 100.0 << false;
        QTest::newRow("left of window") << 49.0 << 100.0 << false;
        QTest::newRow("below window") << 100.0 << 140.0 << false;
        QTest::newRow("rounds to right edge") << 149.4 << 100.0 << true;
    }
    void inPosterWindow() {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(bool, inside);
        QCOMPARE(TilePlacement::IsInPosterWindow(x, y, Geo()), inside);
    }

    void dragFollowsPointer() {
        PosterState s = ImageState();
        const PreviewGeometry g = Geo(); // free room 300 - 100 = 200 across, 200 - 80 = 120 down
        const DragStart start = TilePlacement::BeginDrag(s, 100, 100);
        TilePlacement::DragPosterWindow(s, g, start, 150, 100);
        QCOMPARE(s.iHorzCenter, 150);
        QCOMPARE(s.iVertCenter, 100);
        TilePlacement::DragPosterWindow(s, g, start, 100, 70);
        QCOMPARE(s.iHorzCenter, 100);
        QCOMPARE(s.iVertCenter, 50);
        // Far beyond the picture the centring pins at its limits.
        TilePlacement::DragPosterWindow(s, g, start, 5000, -5000);
        QCOMPARE(s.iHorzCenter, 200);
        QCOMPARE(s.iVertCenter, 0);
        TilePlacement::DragPosterWindow(s, g, start, -5000, 5000);
        QCOMPARE(s.iHorzCenter, 0);
        QCOMPARE(s.iVertCenter, 200);
    }

    void dragWithoutRoomStaysCentred() {
        PosterState s = ImageState();
        s.iHorzCenter = 40;
        PreviewGeometry g = Geo();
        g.iWinLeft = 0;
        g.iWinRight = 299;
        const DragStart start = TilePlacement::BeginDrag(s, 10, 100);
        TilePlacement::DragPosterWindow(s, g, start, 200, 100);
        QCOMPARE(s.iHorzCenter, 100);
    }

    void rotationList() {
        QCOMPARE(TilePlacement::RotationItems(),
                 (QStringList{"No Rotate", "CW Rotate", "CCW Rotate", "180 Rotate"}));
        QCOMPARE(TilePlacement::RotationAngle(0), 0);
        QCOMPARE(TilePlacement::RotationAngle(1), 90);
        QCOMPARE(TilePlacement::RotationAngle(2), 270);
        QCOMPARE(TilePlacement::RotationAngle(3), 180);
    }

    void rotationDelta_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("delta");
        QTest::newRow("same") << 90 << 90 << 0;
        QTest::newRow("cw") << 0 << 90 << 90;
        QTest::newRow("cw then 180") << 90 << 180 << 90;
        QTest::newRow("back to none") << 90 << 0 << 270;
        QTest::newRow("ccw from 180") << 180 << 270 << 90;
        QTest::newRow("none from ccw") << 270 << 0 << 90;
    }
    void rotationDelta() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, delta);
        QCOMPARE(TilePlacement::RotationDelta(short(from), short(to)), delta);
        QCOMPARE(TilePlacement::SwapsSize(delta), delta == 90 || delta == 270);
    }

    void zoomLabel() {
        QCOMPARE(TilePlacement::ZoomLabel(0), QStringLiteral("(0%)"));
        QCOMPARE(TilePlacement::ZoomLabel(400), QStringLiteral("(400%)"));
    }
};

QTEST_GUILESS_MAIN(TstPlacement)
#include "tst_placement.moc"
