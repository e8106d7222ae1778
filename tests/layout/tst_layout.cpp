#include "layout/poster_state.h"
#include "layout/preview_renderer.h"
#include "layout/quality_rating.h"
#include "layout/tile_placement.h"
#include "tests/support/recording_message_service.h"

#include <QtTest>

#include <cmath>

using namespace tessellon;

namespace {

void SetTile(PosterState& s, UnitCode units, double w, double h) {
    s.setNewTileVals(QString(), units, w, h, w, h, QString());
}

PosterState ImageState(int w = 3000, int h = 2000) {
    PosterState s;
    s.bImgSelected = true;
    s.lImgWidth = w;
    s.lImgHeight = h;
    return s;
}

// The worked example: 3000 x 2000, 3 x 2 tiles of 8 x 10 inches.
PosterState Example() {
    PosterState s = ImageState();
    SetTile(s, kUnitInches, 8, 10);
    s.SelectTilesWide(2);
    s.SelectTilesHigh(1);
    return s;
}

const ProfileTable kProfiles({{"None", {0, 0, 0, 0}},
                              {"Kodak photo lab default", {3, 4, 3, 2}},
                              {"LeftRight", {0, 4, 0, 8}}});

// Labels follow the system decimal separator; compare them with a point.
QString Dot(QString s) {
    return s.replace(u',', u'.');
}

// A preview at 0.1 scale whose crop window is 100 x 80 preview pixels at (50, 60).
const PreviewGeometry kGeo{0.1, 300, 200, 50, 60, 149, 139};

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    // The lock itself is tried through the main window's lists.
    void lockRule() {
        PosterState s;
        s.SetLockWh(true);
        QVERIFY(s.SelectTilesHigh(6));
        QCOMPARE(s.GetNumTilesWide(), short(7));
        // While preferences are applied the lists change alone.
        s.bApplyingPrefs = true;
        QVERIFY(!s.SelectTilesWide(4));
        QCOMPARE(s.GetNumTilesHigh(), short(7));
        QVERIFY(!s.UpdateOutputSize().has_value());
    }

    void tileSizeLimits() {
        // Units, a side, whether it is allowed: 0.75 to 50 inches, 19.05 to 1270 mm.
        const QList<std::tuple<UnitCode, double, bool>> cases{
            {0, 0.75, true},    {0, 50.0, true},    {0, 0.749, false},
            {0, 50.001, false}, {1, 19.05, true},   {1, 19.0, false},
            {1, 1270.0, true},  {1, 1271.0, false}, {0, std::nan(""), false}};
        for (const auto& [units, side, ok] : cases) {
            PosterState s;
            const double other = units ? 100.0 : 4.0;
            SetTile(s, units, side, other);
            QCOMPARE(s.CheckTileSizes().ok, ok);
            QCOMPARE(s.CheckTileSizesNoTrim().ok, ok);
            SetTile(s, units, other, side); // the height the same way
            QCOMPARE(s.CheckTileSizes().ok, ok);
        }
    }

    void trimmedSizes() {
        const auto size = [](const TileSizeResult& r) { return QSizeF(r.dW, r.dH); };
        PosterState s;
        s.SetProfileTable(&kProfiles);
        s.SetCurrentProfile(2); // 2/16 inch on the left, 1/16 on the right
        s.SetPrinterClips(true);
        SetTile(s, kUnitInches, 7.5, 5);
        QCOMPARE(size(s.CheckTileSizes()), QSizeF(7.3125, 5));
        // Trimmed below the smallest tile: the limits apply before trimming.
        s.SetCurrentProfile(1);
        SetTile(s, kUnitInches, 0.75, 0.75);
        QVERIFY(s.CheckTileSizes().ok);
        QCOMPARE(size(s.CheckTileSizes()), QSizeF(0.65625, 0.65625));
        SetTile(s, kUnitMillimeters, 101.6, 152.4);
        QCOMPARE(size(s.CheckTileSizesNoTrim()), QSizeF(4, 6));
        s.SetPrinterClips(false);
        QCOMPARE(s.CheckTileSizes().dW, 4.0);
        // Compensation without a profile table cannot be computed: the check fails.
        PosterState lonely;
        lonely.SetPrinterClips(true);
        QVERIFY(!lonely.CheckTileSizes().ok && lonely.CheckTileSizesNoTrim().ok);
    }

    // The inch form is checked where saving starts; here the millimetre limits.
    void refusedSizes() {
        PosterState s;
        SetTile(s, kUnitMillimeters, 0.1, 0.1);
        RecordingMessageService rec;
        QVERIFY(!s.bTileSizesOk(rec));
        QCOMPARE(rec.Messages().size(), 1);
        QCOMPARE(rec.Messages().first().kind, RecordingMessageService::Kind::Critical);
        QVERIFY(rec.Messages().first().text.endsWith(
            QStringLiteral("  The width and height need to be in the range of 19.05 to 1270.00 "
                           "millimeters.")));
        QCOMPARE(Dot(PosterState::GetTileMin()) + u' ' + PosterState::GetTileMax(), "0.75 50");
        // A refused size still gives the sides it converted: the width in inches, not the height.
        SetTile(s, kUnitMillimeters, 254, 10);
        const TileSizeResult r = s.CheckTileSizes();
        QVERIFY(!r.ok);
        QCOMPARE(QSizeF(r.dW, r.dH), QSizeF(10, 10));
        SetTile(s, kUnitMillimeters, 10, 254);
        QCOMPARE(s.CheckTileSizes().dW, 10.0); // untrimmed, current unit
    }

    void tileTable_data() {
        // Image w, h, tiles wide, high, tile w, h (in), zoom, centring h, v, turned; overlap (in),
        // trimmed by the profile clipping 1/16 in on the right and 1/8 on the left.
        QTest::addColumn<QList<double>>("input");
        QTest::addColumn<QList<int>>("window"); // W, H, x0, y0
        QTest::addColumn<QList<int>>("spots");  // tile number, left, top, right, bottom; repeated
        using D = QList<double>;
        using I = QList<int>;
        // The worked example: a 2400 x 2000 crop.
        const D example{3000, 2000, 3, 2, 8, 10, 0, 100, 100, 0};
        QTest::newRow("worked example")
            << example << I{2400, 2000, 300, 0}
            << I{0, 300, 0, 1099, 999, 1, 1100, 0, 1899, 999, 5, 1900, 1000, 2699, 1999};
        const auto with = [&](int at, double v) {
            D d = example;
            d[at] = v;
            return d;
        };
        QTest::newRow("zoom 100") << with(6, 100) << I{1200, 1000, 900, 500}
                                  << I{0, 900, 500, 1299, 999};
        QTest::newRow("flush left") << with(7, 0) << I{2400, 2000, 0, 0} << I{};
        QTest::newRow("flush right") << with(7, 200) << I{2400, 2000, 600, 0} << I{};
        QTest::newRow("zoom 400 bottom right")
            << D{3000, 2000, 3, 2, 8, 10, 400, 200, 200, 0} << I{480, 400, 2520, 1600} << I{};
        // R = (3 x 10) / (2 x 8) = 1.875 > 1.5: full width.
        QTest::newRow("turned tiles")
            << with(9, 1) << I{3000, 1600, 0, 200} << I{5, 2000, 1000, 2999, 1799};
        QTest::newRow("wide image, square poster")
            << D{3000, 500, 1, 1, 8, 8, 0, 200, 200, 0} << I{500, 500, 2500, 0}
            << I{0, 2500, 0, 2999, 499};
        // A 1001-pixel window with a column to spare, halves to even: x0 = 0.5 -> 0, the second
        // column starts at 500.5 -> 500, the first ends at 499.5 -> 500, the second at 999.5.
        QTest::newRow("halves to even")
            << D{1002, 1001, 2, 2, 10, 10, 0, 100, 100, 0} << I{1001, 1001, 0, 0}
            << I{0, 0, 0, 500, 500, 1, 500, 0, 1000, 500, 3, 500, 500, 1000, 1000};
        // 1003 / 2 = 501.5: columns end at 500.5 -> 500 and 1002.5 -> 1002 (not 501 and 1003).
        QTest::newRow("right edges halves to even")
            << D{1004, 1003, 2, 2, 10, 10, 0, 100, 100, 0} << I{1003, 1003, 0, 0}
            << I{0, 0, 0, 500, 500, 1, 502, 0, 1002, 500, 3, 502, 502, 1002, 1002};
        // Tiles and image both 91 / 68: full height gives 11220 x 1.338.. = 8937.4999.. after zoom
        // 68 (full width 8937.5, so 8938). x0 = (15015 - 8937) x 0.42, y0 = (11220 - 6679) x 0.615.
        QTest::newRow("equal ratio uses the full height")
            << D{15015, 11220, 13, 4, 7, 17, 68, 84, 123, 0} << I{8937, 6679, 2553, 2793}
            << I{0, 2553, 2793, 3239, 4462, 51, 10803, 7802, 11489, 9471};
        // Overlap o: a poster n x t - (n - 1) x o, tile k from (t - o) x k. 22 x 19: window 2316 x
        // 2000 at 342, columns from 7/22 and 14/22 of it, 8/22 wide, the second row from 9/19.
        const I overlapSpots{0,    342,  0, 1183, 1052, 1,    1079, 0,
                             1920, 1052, 5, 1816, 947,  2657, 1999};
        QTest::newRow("overlap 1in") << example + D{1} << I{2316, 2000, 342, 0} << overlapSpots;
        // Tiles of 8.1875 less 1/16 and 1/8 inch of trims print 8 inches: the same as above.
        QTest::newRow("overlap after trims")
            << with(4, 8.1875) + D{1, 1} << I{2316, 2000, 342, 0} << overlapSpots;
        // Turned: 10 x 8 tiles, 28 x 15 poster, window 3000 x 1607 at y 196 (196.5 to even);
        // columns at 9/28 and 18/28 of 3000, the second row at 7/15 of 1607 (750).
        QTest::newRow("overlap rotated")
            << with(9, 1) + D{1} << I{3000, 1607, 0, 196}
            << I{0, 0, 196, 1070, 1052, 1, 964, 196, 2034, 1052, 5, 1929, 946, 2999, 1802};
        // 2 x 2, 14 x 18 poster; window 1555.56 halved -> 778 x 1000, left edge, bottom edge;
        // the second column at 6/14 of 778 (333), the second row at 8/18 of 1000 (444).
        QTest::newRow("overlap zoom and centring")
            << D{3000, 2000, 2, 2, 8, 10, 100, 0, 200, 0, 2} << I{778, 1000, 0, 1000}
            << I{0, 0, 1000, 444, 1555, 1, 333, 1000, 777, 1555, 3, 333, 1444, 777, 1999};
    }

    void tileTable() {
        QFETCH(QList<double>, input);
        QFETCH(QList<int>, spots);
        PosterState s = Example();
        SetTile(s, kUnitInches, input[4], input[5]);
        s.lImgWidth = std::int32_t(input[0]);
        s.lImgHeight = std::int32_t(input[1]);
        s.SelectTilesWide(int(input[2]) - 1);
        s.SelectTilesHigh(int(input[3]) - 1);
        s.SetZoom(int(input[6]));
        s.iHorzCenter = short(input[7]);
        s.iVertCenter = short(input[8]);
        s.bTileRotated = input[9] != 0;
        s.dOverlap = input.value(10);
        s.SetProfileTable(&kProfiles);
        s.SetCurrentProfile(2);
        s.SetPrinterClips(input.size() > 11);
        const TileCoordTable t = s.CalcTileCoord();
        QCOMPARE(int(t.count), int(input[2] * input[3]));
        QTEST((QList<int>{t.windowWidth, t.windowHeight, t.x0, t.y0}), "window");
        for (int i = 0; i + 4 < spots.size(); i += 5) {
            const int n = spots[i];
            QCOMPARE((QList<int>{t.Coord(0, n), t.Coord(1, n), t.Coord(2, n), t.Coord(3, n)}),
                     spots.mid(i + 1, 4));
        }
    }

    void ratioAndInvalidInputs() {
        PosterState s = Example();
        QCOMPARE(s.GetFinalImgWhRatio(), 1.2);
        s.bTileRotated = true;
        QCOMPARE(s.GetFinalImgWhRatio(), 1.875);
        PosterState noImage = Example();
        noImage.lImgHeight = 0;
        QCOMPARE(noImage.CalcTileCoord().count, short(-1));
        PosterState bad = Example();
        SetTile(bad, kUnitInches, 0.5, 10);
        const TileCoordTable b = bad.CalcTileCoord();
        QCOMPARE(b.count, short(-1));
        QCOMPARE(int(b.tiles.size()), 6); // resized and zero
        QCOMPARE(b.tiles[5], TileRect{});
        QCOMPARE(bad.GetFinalImgWhRatio(), 0.0);
        QVERIFY(!bad.UpdateOutputSize() && !bad.OutputButtonsEnabled());
        // An overlap of half the shorter tile side still fits.
        PosterState strip = Example();
        strip.dOverlap = 4;
        QCOMPARE(strip.CalcTileCoord().count, short(6));
        strip.dOverlap = 4.01;
        QCOMPARE(strip.CalcTileCoord().count, short(-1));
        QVERIFY(!strip.UpdateOutputSize() && !strip.OutputButtonsEnabled());
        QCOMPARE(strip.GetFinalImgWhRatio(), 0.0);
    }

    // Columns start at exactly col / n of the window: 6 x 7 tiles of 186 x 273 mm over 25 x 25
    // give a window 15 wide at x 5, 1/6 of it 2.5 -> 2 (186 / 1116 of it a hair more, 3).
    void buttedTilesKeepTheirRounding() {
        PosterState s = ImageState(25, 25);
        SetTile(s, kUnitMillimeters, 186, 273);
        s.SelectTilesWide(5);
        s.SelectTilesHigh(6);
        const TileRect r = s.CalcTileCoord().tiles[1];
        QCOMPARE((QList<int>{r.left, r.top, r.right, r.bottom}), (QList<int>{7, 0, 8, 3}));
    }

    // Turned and overlapping: 28 x 15 inches, the window 3000 x 1607 of the overlap table above.
    void outputLabels() {
        const QList<std::pair<QList<int>, const char*>> cases{
            // Millimetres, zoom, turned, overlap (in); size, resolution, megapixels, quality.
            {{0, 0, 0, 0}, "24.00 x 20.00 inches|100.0 dpi|4.80|Good"},
            {{0, 100, 0, 0}, "24.00 x 20.00 inches|50.0 dpi|1.20|Good from a distance"},
            {{1, 0, 0, 0}, "61.0 x 50.8 cm|39.4 dots/cm|4.80|Good"},
            {{0, 0, 1, 0}, "30.00 x 16.00 inches|100.0 dpi|4.80|Good"},
            {{0, 0, 1, 1}, "28.00 x 15.00 inches|107.1 dpi|4.82|Good"},
            {{0, 0, 0, 0}, "24.00 x 20.00 inches|---|---|---"}};
        for (const auto& [input, labels] : cases) {
            PosterState s = Example();
            s.bImgSelected = !QByteArray(labels).contains("---");
            if (input[0])
                SetTile(s, kUnitMillimeters, 203.2, 254);
            s.SetZoom(input[1]);
            s.bTileRotated = input[2];
            s.dOverlap = input[3];
            const auto out = s.UpdateOutputSize();
            QVERIFY(out.has_value());
            QCOMPARE((QStringList{out->finalSize, Dot(out->resolution), Dot(out->megaPixels),
                                  out->quality}),
                     QString::fromLatin1(labels).split(u'|'));
            QCOMPARE(s.OutputButtonsEnabled(), s.bImgSelected);
        }
    }

    void qualityRating() {
        QStringList ratings;
        for (const double r : {200.01, 200.0, 140.0, 90.0, 70.0, 35.1, 35.0})
            ratings << QualityRating(r);
        QCOMPARE(ratings,
                 (QStringList{"Excellent", "Very Good", "Good", "Fair", "Good from a distance",
                              "Good from a distance", "Fair from a distance"}));
    }

    // The millimetre labels are read in the main window.
    void paperLabels() {
        PosterState s;
        s.setNewTileVals(QString(), kUnitInches, 7.5, 10, 8.5, 11, QStringLiteral("line"));
        const PaperLabels l = s.UpdatePaperLabels();
        QCOMPARE(Dot(l.paperSize) + u'|' + Dot(l.tileSize), "8.50 x 11.00|7.50 x 10.00");
        QCOMPARE(s.getPaperRegLine(), QStringLiteral("line"));
    }

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

    // A window as large as the image forces its centring to the middle; one more row of the image
    // leaves room. A 30 x 20 image at 4 preview pixels per pixel has a window over it that ends
    // at 29 x 4, 45 of 80 rows high.
    void placementLabels() {
        const PreviewGeometry wide{0.1, 300, 200, 0, 60, 299, 139},
            full{0.1, 300, 200, 0, 0, 299, 199}, room{0.1, 300, 200, 0, 0, 299, 198},
            small{4, 120, 80, 0, 8, 116, 52};
        const QSize photo(3000, 2000);
        const QList<std::tuple<QPoint, QSize, PreviewGeometry, QString, QPoint>> cases{
            {{100, 100}, photo, kGeo, "(center) (center)", {100, 100}},
            {{150, 0}, photo, kGeo, "(right 50%) (up 100%)", {150, 0}},
            {{70, 107}, photo, kGeo, "(left 30%) (down 7%)", {70, 107}},
            {{180, 20}, photo, wide, "(full width) (up 80%)", {100, 20}},
            {{180, 20}, photo, full, "(full width) (full height)", {100, 100}},
            {{100, 100}, photo, room, "(full width) (center)", {100, 100}},
            {{100, 100}, {30, 20}, small, "(full width) (center)", {100, 100}}};
        for (const auto& [centre, image, g, labels, after] : cases) {
            PosterState s = ImageState(image.width(), image.height());
            s.iHorzCenter = short(centre.x());
            s.iVertCenter = short(centre.y());
            const PlacementLabels l = TilePlacement::UpdatePlacementLabels(s, g);
            QCOMPARE(l.horizontal + u' ' + l.vertical, labels);
            QCOMPARE(QPoint(s.iHorzCenter, s.iVertCenter), after);
            s.bImgSelected = false;
            const PlacementLabels none = TilePlacement::UpdatePlacementLabels(s, g);
            QCOMPARE(none.horizontal + none.vertical, QStringLiteral("------"));
        }
    }

    void inPosterWindow() {
        // Positions round to whole pixels, halves to even.
        const QList<std::tuple<double, double, bool>> cases{
            {50, 60, true},   {149, 139, true},  {49.5, 100, true}, {150.5, 100, false},
            {49, 100, false}, {100, 140, false}, {149.4, 100, true}};
        for (const auto& [x, y, inside] : cases)
            QCOMPARE(TilePlacement::IsInPosterWindow(x, y, kGeo), inside);
    }

    void dragFollowsPointer() {
        PosterState s = ImageState();
        // Free room in kGeo: 300 - 100 = 200 across, 200 - 80 = 120 down.
        const DragStart start = TilePlacement::BeginDrag(s, 100, 100);
        const auto drag = [&](double x, double y, const PreviewGeometry& geo = kGeo) {
            TilePlacement::DragPosterWindow(s, geo, start, x, y);
            return QPoint(s.iHorzCenter, s.iVertCenter);
        };
        QCOMPARE(drag(150, 70), QPoint(150, 50));
        // Far beyond the picture the centring pins at its limits.
        QCOMPARE(drag(5000, -5000), QPoint(200, 0));
        QCOMPARE(drag(-5000, 5000), QPoint(0, 200));
        // Half a pixel is half a centring unit here, and halves go to even.
        QCOMPARE(drag(100.5, 100), QPoint(100, 100));
        QCOMPARE(drag(101.5, 100), QPoint(102, 100));
        // Without room the window can only sit centred.
        QCOMPARE(drag(200, 100, {0.1, 300, 200, 0, 60, 299, 139}).x(), 100);
    }

    void previewShadesSharedStrips() {
        QImage grey(100, 50, QImage::Format_RGB32);
        grey.fill(qRgb(100, 100, 100));
        const TileCoordTable t{2, {{0, 0, 59, 49}, {40, 0, 99, 49}}}; // columns 40..59 shared
        const QRgb shade = qRgb(146, 146, 146), plain = qRgb(100, 100, 100), red = qRgb(255, 0, 0);
        const auto d = PreviewRenderer::DrawTileGrid(grey, 1.0, t, 2, 1, true);
        QVERIFY(d);
        const QImage& i = d->image; // 100 + 155 * 3 / 10 in the strip, its near and far edge red
        QCOMPARE((QList<QRgb>{i.pixel(50, 25), i.pixel(30, 25), i.pixel(70, 25), i.pixel(59, 25),
                              i.pixel(40, 25)}),
                 (QList<QRgb>{shade, plain, plain, red, red}));
        QCOMPARE(PreviewRenderer::DrawTileGrid(grey, 1.0, t, 2, 1, false)->image.pixel(50, 25),
                 plain);
        // The large preview follows the tiles too (its picture here is the window, 1:1).
        const QImage l = PreviewRenderer::FillPreview(grey, t, grey.size(), true, 2, 1, true);
        QCOMPARE((QList<QRgb>{l.pixel(50, 25), l.pixel(40, 25), l.pixel(60, 25), l.pixel(70, 25)}),
                 (QList<QRgb>{shade, red, red, plain}));
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

QTEST_GUILESS_MAIN(TestLayout)
#include "tst_layout.moc"
