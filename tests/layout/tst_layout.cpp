#include "tests/support/recording_message_service.h"
#include "layout/poster_state.h"
#include "layout/quality_rating.h"

#include <QtTest>

#include <cmath>

using namespace tessellon;

namespace {

// The worked example: 3000 x 2000, 3 x 2 tiles of 8 x 10 inches.
PosterState Example() {
    PosterState s;
    s.setNewTileVals(QStringLiteral("Custom (inches)"), kUnitInches, 8, 10, 8, 10, QString());
    s.lImgWidth = 3000;
    s.lImgHeight = 2000;
    s.bImgSelected = true;
    s.SelectTilesWide(2);
    s.SelectTilesHigh(1);
    return s;
}

void SetTile(PosterState& s, UnitCode units, double w, double h) {
    s.setNewTileVals(QString(), units, w, h, w, h, QString());
}

const ProfileTable kProfiles({{QStringLiteral("None"), {0, 0, 0, 0}},
                              {QStringLiteral("Kodak photo lab default"), {3, 4, 3, 2}},
                              {QStringLiteral("LeftRight"), {0, 4, 0, 8}}});

// Labels follow the system decimal separator; compare them with a point.
QString Dot(QString s) {
    return s.replace(u',', u'.');
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void lockRule();
    void tileSizeLimits_data();
    void tileSizeLimits();
    void partialResultsOnFailure();
    void trimmedSizes();
    void invalidSizeMessage();
    void workedExampleTiles();
    void halvesRoundToEven();
    void windowPlacement_data();
    void windowPlacement();
    void tileTableProperties_data();
    void tileTableProperties();
    void wideImageSquarePoster();
    void equalRatioUsesFullHeight();
    void rotatedTiles();
    void invalidInputsGiveMinusOne();
    void outputLabels_data();
    void outputLabels();
    void outputWithoutImageOrValidSize();
    void qualityRating();
    void paperLabels();
};

void TestLayout::lockRule() {
    PosterState s;
    s.SelectTilesWide(2);
    s.SelectTilesHigh(4);
    s.SetLockWh(true); // width wins
    QCOMPARE(s.GetNumTilesHigh(), short(3));
    QVERIFY(s.SelectTilesHigh(6));
    QCOMPARE(s.GetNumTilesWide(), short(7));
    s.SetLockWh(false);
    s.SelectTilesWide(0);
    QCOMPARE(s.GetNumTilesHigh(), short(7));
    // While preferences are applied the lists change alone.
    s.SetLockWh(true);
    s.bApplyingPrefs = true;
    QVERIFY(!s.SelectTilesWide(4));
    QCOMPARE(s.GetNumTilesHigh(), short(1));
    QVERIFY(!s.UpdateOutputSize().has_value());
}

void TestLayout::tileSizeLimits_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<double>("side");
    QTest::addColumn<bool>("ok");
    const auto row = [](const char* tag, int units, double side, bool ok) {
        QTest::newRow(tag) << units << side << ok;
    };
    row("min inch", 0, 0.75, true);
    row("max inch", 0, 50, true);
    row("below min", 0, 0.749, false);
    row("above max", 0, 50.001, false);
    row("min mm", 1, 19.05, true);
    row("19 mm", 1, 19, false);
    row("1270 mm", 1, 1270, true);
    row("1271 mm", 1, 1271, false);
    row("nan", 0, std::nan(""), false);
}

void TestLayout::tileSizeLimits() {
    QFETCH(int, units);
    QFETCH(double, side);
    QFETCH(bool, ok);
    PosterState s;
    const double other = units ? 100.0 : 4.0;
    SetTile(s, static_cast<UnitCode>(units), side, other);
    QCOMPARE(s.CheckTileSizes().ok, ok);
    QCOMPARE(s.CheckTileSizesNoTrim().ok, ok);
    SetTile(s, static_cast<UnitCode>(units), other, side); // the height the same way
    QCOMPARE(s.CheckTileSizes().ok, ok);
}

void TestLayout::partialResultsOnFailure() {
    PosterState s;
    SetTile(s, kUnitMillimeters, 254, 10);
    const TileSizeResult r = s.CheckTileSizes();
    QVERIFY(!r.ok);
    QCOMPARE(r.dW, 10.0); // inches
    QCOMPARE(r.dH, 10.0); // still millimetres
    SetTile(s, kUnitMillimeters, 10, 254);
    QCOMPARE(s.CheckTileSizes().dW, 10.0); // untrimmed, current unit
}

void TestLayout::trimmedSizes() {
    PosterState s;
    s.SetProfileTable(&kProfiles);
    s.SetCurrentProfile(2); // 2/16 inch on the left, 1/16 on the right
    s.SetPrinterClips(true);
    SetTile(s, kUnitInches, 7.5, 5);
    QCOMPARE(s.CheckTileSizes().dW, 7.3125);
    QCOMPARE(s.CheckTileSizes().dH, 5.0);
    // Trimmed below the smallest tile: the limits apply before trimming.
    s.SetCurrentProfile(1);
    SetTile(s, kUnitInches, 0.75, 0.75);
    QVERIFY(s.CheckTileSizes().ok);
    QCOMPARE(s.CheckTileSizes().dW, 0.65625);
    QCOMPARE(s.CheckTileSizes().dH, 0.65625);
    SetTile(s, kUnitMillimeters, 101.6, 152.4);
    QCOMPARE(s.CheckTileSizesNoTrim().dW, 4.0);
    QCOMPARE(s.CheckTileSizesNoTrim().dH, 6.0);
    s.SetPrinterClips(false);
    QCOMPARE(s.CheckTileSizes().dW, 4.0);
    // Compensation without a profile table cannot be computed: the check fails.
    PosterState lonely;
    lonely.SetPrinterClips(true);
    QVERIFY(!lonely.CheckTileSizes().ok);
    QVERIFY(lonely.CheckTileSizesNoTrim().ok);
}

void TestLayout::invalidSizeMessage() {
    PosterState s;
    for (const UnitCode units : {kUnitInches, kUnitMillimeters}) {
        SetTile(s, units, 0.1, 0.1);
        RecordingMessageService rec;
        QVERIFY(!s.bTileSizesOk(rec));
        QCOMPARE(rec.Messages().size(), 1);
        const auto& m = rec.Messages().first();
        QCOMPARE(m.kind, RecordingMessageService::Kind::Critical);
        QCOMPARE(m.title, QStringLiteral("Invalid Tile Print Size Entered"));
        QCOMPARE(m.text, QStringLiteral("You have entered invalid print tile sizes.  The width and "
                                        "height need to be in the range of ") +
                             (units ? QStringLiteral("19.05 to 1270.00 millimeters.")
                                    : QStringLiteral("0.75 to 50.00 inches.")));
    }
    QCOMPARE(PosterState::GetTileMin().replace(u',', u'.'), QStringLiteral("0.75"));
    QCOMPARE(PosterState::GetTileMax(), QStringLiteral("50"));
}

void TestLayout::workedExampleTiles() {
    const TileCoordTable t = Example().CalcTileCoord();
    QCOMPARE(t.count, short(6));
    QCOMPARE(t.tiles[0], (TileRect{300, 0, 1099, 999}));
    QCOMPARE(t.tiles[1], (TileRect{1100, 0, 1899, 999}));
    QCOMPARE(t.tiles[2], (TileRect{1900, 0, 2699, 999}));
    QCOMPARE(t.tiles[3], (TileRect{300, 1000, 1099, 1999}));
    QCOMPARE(t.tiles[5], (TileRect{1900, 1000, 2699, 1999}));
}

// Inputs whose exact halves decide every rounding: 2 x 2 tiles of 10 x 10 inches over 1002 x 1001
// pixels give a 1001-pixel window with one column to spare. Halves to even: x0 = 0.5 -> 0, the
// second column starts at 500.5 -> 500, the first ends at 499.5 -> 500, the second at 999.5 ->
// 1000.
void TestLayout::halvesRoundToEven() {
    PosterState s = Example();
    SetTile(s, kUnitInches, 10, 10);
    s.SelectTilesWide(1);
    s.lImgWidth = 1002;
    s.lImgHeight = 1001;
    const TileCoordTable t = s.CalcTileCoord();
    QCOMPARE(t.x0, 0);
    QCOMPARE(t.tiles[0], (TileRect{0, 0, 500, 500}));
    QCOMPARE(t.tiles[1], (TileRect{500, 0, 1000, 500}));
    QCOMPARE(t.tiles[3], (TileRect{500, 500, 1000, 1000}));
}

void TestLayout::windowPlacement_data() {
    QTest::addColumn<QList<int>>("zoomAndCentre");
    QTest::addColumn<QList<int>>("window"); // W, H, x0, y0
    QTest::newRow("zoom 0") << QList<int>{0, 100, 100} << QList<int>{2400, 2000, 300, 0};
    QTest::newRow("zoom 100") << QList<int>{100, 100, 100} << QList<int>{1200, 1000, 900, 500};
    QTest::newRow("flush left") << QList<int>{0, 0, 100} << QList<int>{2400, 2000, 0, 0};
    QTest::newRow("flush right") << QList<int>{0, 200, 100} << QList<int>{2400, 2000, 600, 0};
    QTest::newRow("zoom 400 bottom right")
        << QList<int>{400, 200, 200} << QList<int>{480, 400, 2520, 1600};
}

void TestLayout::windowPlacement() {
    QFETCH(QList<int>, zoomAndCentre);
    QFETCH(QList<int>, window);
    PosterState s = Example();
    s.SetZoom(zoomAndCentre[0]);
    s.iHorzCenter = static_cast<short>(zoomAndCentre[1]);
    s.iVertCenter = static_cast<short>(zoomAndCentre[2]);
    const TileCoordTable t = s.CalcTileCoord();
    QCOMPARE((QList<int>{t.windowWidth, t.windowHeight, t.x0, t.y0}), window);
    QCOMPARE(t.Coord(0, 0), window[2]);
    QCOMPARE(t.Coord(1, 0), window[3]);
}

void TestLayout::tileTableProperties_data() {
    QTest::addColumn<QList<int>>("input"); // image width and height, tiles wide and high, zoom
    QTest::newRow("1x1") << QList<int>{3000, 2000, 1, 1, 0};
    QTest::newRow("25x25") << QList<int>{6000, 4000, 25, 25, 0};
    QTest::newRow("odd sizes") << QList<int>{1001, 777, 7, 3, 37};
    QTest::newRow("tiny image") << QList<int>{25, 25, 25, 25, 0};
    QTest::newRow("tall") << QList<int>{500, 3000, 4, 2, 250};
}

void TestLayout::tileTableProperties() {
    QFETCH(QList<int>, input);
    const int imgW = input[0], imgH = input[1], wide = input[2], high = input[3];
    PosterState s = Example();
    s.lImgWidth = imgW;
    s.lImgHeight = imgH;
    s.SelectTilesWide(wide - 1);
    s.SelectTilesHigh(high - 1);
    s.SetZoom(input[4]);
    const TileCoordTable t = s.CalcTileCoord();
    QCOMPARE(int(t.count), wide * high);
    QCOMPARE(int(t.tiles.size()), wide * high);
    QVERIFY(t.x0 >= 0 && t.x0 + t.windowWidth <= imgW);
    QVERIFY(t.y0 >= 0 && t.y0 + t.windowHeight <= imgH);
    const auto at = [&](int row, int col) {
        return t.tiles[static_cast<size_t>(row * wide + col)];
    };
    for (int row = 0; row < high; ++row) {
        for (int col = 0; col < wide; ++col) {
            const TileRect r = at(row, col);
            QCOMPARE(r.top, at(row, 0).top);
            QCOMPARE(r.bottom, at(row, 0).bottom);
            QCOMPARE(r.left, at(0, col).left);
            QCOMPARE(r.right, at(0, col).right);
            if (col + 1 < wide) // neighbours meet up to one pixel
                QVERIFY(std::abs(at(row, col + 1).left - (r.right + 1)) <= 1);
            QVERIFY(r.right <= imgW && r.bottom <= imgH); // at most one past the image
        }
    }
    if (wide == 1 && high == 1)
        QCOMPARE(t.tiles[0],
                 (TileRect{t.x0, t.y0, t.x0 + t.windowWidth - 1, t.y0 + t.windowHeight - 1}));
}

void TestLayout::wideImageSquarePoster() {
    PosterState s = Example();
    SetTile(s, kUnitInches, 8, 8);
    s.SelectTilesWide(0);
    s.SelectTilesHigh(0);
    s.lImgWidth = 3000;
    s.lImgHeight = 500;
    for (const int v : {0, 100, 200}) {
        s.iVertCenter = s.iHorzCenter = short(v);
        const TileCoordTable t = s.CalcTileCoord();
        QCOMPARE((QList<int>{t.windowWidth, t.windowHeight, t.x0, t.y0}),
                 (QList<int>{500, 500, 2500 * v / 200, 0}));
    }
}

// 13 x 4 tiles of 7 x 17 inches have the ratio 91 / 68 of a 15015 x 11220 image exactly. The full
// height branch gives a window of 11220 x 1.338.. = 15015 pixels (8937.4999.. after zoom 68, so
// 8937); the full width branch would give 15015 exactly (8937.5, so 8938).
void TestLayout::equalRatioUsesFullHeight() {
    PosterState s = Example();
    SetTile(s, kUnitInches, 7, 17);
    s.SelectTilesWide(12);
    s.SelectTilesHigh(3);
    s.lImgWidth = 15015;
    s.lImgHeight = 11220;
    s.SetZoom(68);
    s.iHorzCenter = 84;
    s.iVertCenter = 123;
    const TileCoordTable t = s.CalcTileCoord();
    QCOMPARE(t.windowWidth, 8937);
    QCOMPARE(t.windowHeight, 6679);
    QCOMPARE(t.x0, 2553); // (15015 - 8937) x 0.42 = 2552.76
    QCOMPARE(t.y0, 2793); // (11220 - 6679) x 0.615 = 2792.7
    QCOMPARE(t.tiles[0], (TileRect{2553, 2793, 3239, 4462}));
    QCOMPARE(t.tiles[51], (TileRect{10803, 7802, 11489, 9471}));
}

void TestLayout::rotatedTiles() {
    PosterState s = Example();
    s.bTileRotated = true;
    // R = (3 x 10) / (2 x 8) = 1.875 > 1.5: full width.
    const TileCoordTable turned = s.CalcTileCoord();
    QCOMPARE(turned.windowWidth, 3000);
    QCOMPARE(turned.windowHeight, 1600);
    QCOMPARE(s.GetFinalImgWhRatio(), 1.875);
    s.bTileRotated = false;
    QCOMPARE(s.GetFinalImgWhRatio(), 1.2);
    // A square tile gives the same table either way.
    SetTile(s, kUnitInches, 8, 8);
    const TileCoordTable a = s.CalcTileCoord();
    s.bTileRotated = true;
    QVERIFY(a.tiles == s.CalcTileCoord().tiles);
}

void TestLayout::invalidInputsGiveMinusOne() {
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
}

void TestLayout::outputLabels_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("rotated");
    QTest::addColumn<QStringList>("labels"); // size, resolution, megapixels, quality
    const auto row = [](const char* tag, int units, int zoom, bool rotated, const char* labels) {
        QTest::newRow(tag) << units << zoom << rotated << QString::fromLatin1(labels).split(u'|');
    };
    row("inches", 0, 0, false, "24.00 x 20.00 inches|100.0 dpi|4.80|Good");
    row("zoom 100", 0, 100, false, "24.00 x 20.00 inches|50.0 dpi|1.20|Good from a distance");
    row("millimetres", 1, 0, false, "61.0 x 50.8 cm|39.4 dots/cm|4.80|Good");
    row("rotated", 0, 0, true, "30.00 x 16.00 inches|100.0 dpi|4.80|Good");
}

void TestLayout::outputLabels() {
    QFETCH(int, units);
    QFETCH(int, zoom);
    QFETCH(bool, rotated);
    QFETCH(QStringList, labels);
    PosterState s = Example();
    if (units)
        SetTile(s, kUnitMillimeters, 203.2, 254);
    s.SetZoom(zoom);
    s.bTileRotated = rotated;
    const auto out = s.UpdateOutputSize();
    QVERIFY(out.has_value());
    QCOMPARE(
        (QStringList{out->finalSize, Dot(out->resolution), Dot(out->megaPixels), out->quality}),
        labels);
    QVERIFY(s.OutputButtonsEnabled());
}

void TestLayout::outputWithoutImageOrValidSize() {
    PosterState s = Example();
    s.bImgSelected = false;
    const auto out = s.UpdateOutputSize();
    QVERIFY(out.has_value());
    QCOMPARE((QStringList{out->finalSize, out->resolution, out->megaPixels, out->quality}),
             (QStringList{"24.00 x 20.00 inches", "---", "---", "---"}));
    QVERIFY(!s.OutputButtonsEnabled());
    SetTile(s, kUnitInches, 60, 10);
    s.bImgSelected = true;
    QVERIFY(!s.UpdateOutputSize().has_value());
    QVERIFY(!s.OutputButtonsEnabled());
    // Compensation shrinks the poster by the trims of every tile.
    PosterState c = Example();
    c.SetProfileTable(&kProfiles);
    c.SetCurrentProfile(1);
    c.SetPrinterClips(true);
    QCOMPARE(c.UpdateOutputSize()->finalSize, QStringLiteral("23.72 x 19.81 inches"));
}

void TestLayout::qualityRating() {
    const QList<std::pair<double, QString>> cases{{200.01, "Excellent"},
                                                  {200, "Very Good"},
                                                  {140, "Good"},
                                                  {90, "Fair"},
                                                  {70, "Good from a distance"},
                                                  {35.1, "Good from a distance"},
                                                  {35, "Fair from a distance"}};
    for (const auto& [r, rating] : cases)
        QCOMPARE(QualityRating(r), rating);
}

void TestLayout::paperLabels() {
    PosterState s;
    s.setNewTileVals(QStringLiteral("A4"), kUnitMillimeters, 190, 277, 210, 297,
                     QStringLiteral("line"));
    PaperLabels l = s.UpdatePaperLabels();
    QCOMPARE(Dot(l.paperSize), QStringLiteral("210.0 x 297.0"));
    QCOMPARE(Dot(l.tileSize), QStringLiteral("190.0 x 277.0"));
    QCOMPARE(l.units, QStringLiteral("Millimeters"));
    QCOMPARE(l.paperName, QStringLiteral("A4"));
    QCOMPARE(s.getPaperRegLine(), QStringLiteral("line"));
    s.setNewTileVals(QString(), kUnitInches, 7.5, 10, 8.5, 11, QString());
    l = s.UpdatePaperLabels();
    QCOMPARE(Dot(l.paperSize), QStringLiteral("8.50 x 11.00"));
    QCOMPARE(l.units, QStringLiteral("Inches"));
}

QTEST_GUILESS_MAIN(TestLayout)
#include "tst_layout.moc"
