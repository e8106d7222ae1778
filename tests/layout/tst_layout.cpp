#include "common/recording_message_service.h"
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

ProfileTable Profiles() {
    return ProfileTable({{QStringLiteral("None"), {0, 0, 0, 0}},
                         {QStringLiteral("Kodak photo lab default"), {3, 4, 3, 2}},
                         {QStringLiteral("LeftRight"), {0, 4, 0, 8}}});
}

// Labels follow the system decimal separator; compare them with a point.
QString Dot(QString s) { return s.replace(u',', u'.'); }

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void lockRule();
    void applyingPrefsSkipsLock();
    void tileSizeLimits_data();
    void tileSizeLimits();
    void partialResultsOnFailure();
    void trimmedSizes_data();
    void trimmedSizes();
    void noTrimCheck();
    void invalidSizeMessage_data();
    void invalidSizeMessage();
    void limitTexts();
    void workedExampleTiles_data();
    void workedExampleTiles();
    void windowPlacement_data();
    void windowPlacement();
    void tileTableProperties_data();
    void tileTableProperties();
    void wideImageSquarePoster();
    void equalRatioUsesFullHeight();
    void rotatedTiles();
    void invalidInputsGiveMinusOne();
    void finalImgRatio();
    void outputLabels_data();
    void outputLabels();
    void outputWithoutImage();
    void outputSkipped();
    void qualityRating_data();
    void qualityRating();
    void paperLabels_data();
    void paperLabels();
};

void TestLayout::lockRule() {
    PosterState s;
    s.SelectTilesWide(2);
    s.SelectTilesHigh(4);
    s.SetLockWh(true); // width wins
    QCOMPARE(s.GetNumTilesWide(), short(3));
    QCOMPARE(s.GetNumTilesHigh(), short(3));
    QVERIFY(s.SelectTilesHigh(6));
    QCOMPARE(s.GetNumTilesWide(), short(7));
    s.SetLockWh(false);
    s.SelectTilesWide(0);
    QCOMPARE(s.GetNumTilesHigh(), short(7));
    QCOMPARE(s.GetNumTilesWide(), short(1));
}

void TestLayout::applyingPrefsSkipsLock() {
    PosterState s;
    s.SetLockWh(true);
    s.bApplyingPrefs = true;
    QVERIFY(!s.SelectTilesWide(4));
    QCOMPARE(s.GetNumTilesWide(), short(5));
    QCOMPARE(s.GetNumTilesHigh(), short(2));
    QVERIFY(!s.UpdateOutputSize().has_value());
}

void TestLayout::tileSizeLimits_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<double>("width");
    QTest::addColumn<bool>("ok");
    QTest::newRow("min inch") << 0 << 0.75 << true;
    QTest::newRow("max inch") << 0 << 50.0 << true;
    QTest::newRow("below min") << 0 << 0.749 << false;
    QTest::newRow("above max") << 0 << 50.001 << false;
    QTest::newRow("0.74 inch") << 0 << 0.74 << false;
    QTest::newRow("min mm") << 1 << 19.05 << true;
    QTest::newRow("19 mm") << 1 << 19.0 << false;
    QTest::newRow("1270 mm") << 1 << 1270.0 << true;
    QTest::newRow("1271 mm") << 1 << 1271.0 << false;
    QTest::newRow("nan") << 0 << std::nan("") << false;
}

void TestLayout::tileSizeLimits() {
    QFETCH(int, units);
    QFETCH(double, width);
    QFETCH(bool, ok);
    PosterState s;
    const double h = units ? 100.0 : 4.0;
    s.setNewTileVals(QString(), static_cast<UnitCode>(units), width, h, width, h, QString());
    QCOMPARE(s.CheckTileSizes().ok, ok);
    QCOMPARE(s.CheckTileSizesNoTrim().ok, ok);
    // The height is tested the same way.
    s.setNewTileVals(QString(), static_cast<UnitCode>(units), h, width, h, width, QString());
    QCOMPARE(s.CheckTileSizes().ok, ok);
}

void TestLayout::partialResultsOnFailure() {
    PosterState s;
    s.setNewTileVals(QString(), kUnitMillimeters, 254, 10, 254, 10, QString());
    const TileSizeResult r = s.CheckTileSizes();
    QVERIFY(!r.ok);
    QCOMPARE(r.dW, 10.0); // inches
    QCOMPARE(r.dH, 10.0); // still millimetres
    s.setNewTileVals(QString(), kUnitMillimeters, 10, 254, 10, 254, QString());
    QCOMPARE(s.CheckTileSizes().dW, 10.0); // untrimmed, current unit
}

void TestLayout::trimmedSizes_data() {
    QTest::addColumn<int>("profile");
    QTest::addColumn<bool>("clips");
    QTest::addColumn<double>("tileW");
    QTest::addColumn<double>("tileH");
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("h");
    QTest::newRow("kodak 4x6") << 1 << true << 4.0 << 6.0 << 3.90625 << 5.90625;
    QTest::newRow("kodak off") << 1 << false << 4.0 << 6.0 << 4.0 << 6.0;
    QTest::newRow("2/16 left 1/16 right") << 2 << true << 7.5 << 5.0 << 7.3125 << 5.0;
    QTest::newRow("min survives trim") << 1 << true << 0.75 << 0.75 << 0.65625 << 0.65625;
}

void TestLayout::trimmedSizes() {
    QFETCH(int, profile);
    QFETCH(bool, clips);
    QFETCH(double, tileW);
    QFETCH(double, tileH);
    QFETCH(double, w);
    QFETCH(double, h);
    const ProfileTable table = Profiles();
    PosterState s;
    s.SetProfileTable(&table);
    s.SetCurrentProfile(profile);
    s.SetPrinterClips(clips);
    s.setNewTileVals(QString(), kUnitInches, tileW, tileH, tileW, tileH, QString());
    const TileSizeResult r = s.CheckTileSizes();
    QVERIFY(r.ok);
    QCOMPARE(r.dW, w);
    QCOMPARE(r.dH, h);
}

void TestLayout::noTrimCheck() {
    const ProfileTable table = Profiles();
    PosterState s;
    s.SetProfileTable(&table);
    s.SetCurrentProfile(1);
    s.SetPrinterClips(true);
    s.setNewTileVals(QString(), kUnitMillimeters, 101.6, 152.4, 101.6, 152.4, QString());
    const TileSizeResult r = s.CheckTileSizesNoTrim();
    QVERIFY(r.ok);
    QCOMPARE(r.dW, 4.0);
    QCOMPARE(r.dH, 6.0);
    // Compensation without a profile table cannot be computed: the check fails.
    PosterState lonely;
    lonely.SetPrinterClips(true);
    QVERIFY(!lonely.CheckTileSizes().ok);
    QVERIFY(lonely.CheckTileSizesNoTrim().ok);
}

void TestLayout::invalidSizeMessage_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("ending");
    QTest::newRow("inches") << 0 << "range of 0.75 to 50.00 inches.";
    QTest::newRow("millimetres") << 1 << "range of 19.05 to 1270.00 millimeters.";
}

void TestLayout::invalidSizeMessage() {
    QFETCH(int, units);
    QFETCH(QString, ending);
    PosterState s;
    s.setNewTileVals(QString(), static_cast<UnitCode>(units), 0.1, 0.1, 1, 1, QString());
    RecordingMessageService rec;
    QVERIFY(!s.bTileSizesOk(rec));
    QCOMPARE(rec.Messages().size(), 1);
    const auto& m = rec.Messages().first();
    QCOMPARE(m.kind, RecordingMessageService::Kind::Critical);
    QCOMPARE(m.title, QStringLiteral("Invalid Tile Print Size Entered"));
    QVERIFY2(m.text.startsWith(QStringLiteral("You have entered invalid print tile sizes.  The "
                                              "width and height need to be in the ")),
             qPrintable(m.text));
    QVERIFY2(m.text.endsWith(ending), qPrintable(m.text));
}

void TestLayout::limitTexts() {
    QCOMPARE(PosterState::GetTileMin().replace(u',', u'.'), QStringLiteral("0.75"));
    QCOMPARE(PosterState::GetTileMax(), QStringLiteral("50"));
}

void TestLayout::workedExampleTiles_data() {
    QTest::addColumn<int>("tile");
    QTest::addColumn<QList<int>>("rect");
    QTest::newRow("tile 0") << 0 << QList<int>{300, 0, 1099, 999};
    QTest::newRow("tile 1") << 1 << QList<int>{1100, 0, 1899, 999};
    QTest::newRow("tile 2") << 2 << QList<int>{1900, 0, 2699, 999};
    QTest::newRow("tile 3") << 3 << QList<int>{300, 1000, 1099, 1999};
    QTest::newRow("tile 5") << 5 << QList<int>{1900, 1000, 2699, 1999};
}

void TestLayout::workedExampleTiles() {
    QFETCH(int, tile);
    QFETCH(QList<int>, rect);
    const TileCoordTable t = Example().CalcTileCoord();
    QCOMPARE(t.count, short(6));
    for (int c = 0; c < 4; ++c)
        QCOMPARE(t.Coord(c, tile), rect[c]);
}

void TestLayout::windowPlacement_data() {
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("hcenter");
    QTest::addColumn<int>("vcenter");
    QTest::addColumn<int>("W");
    QTest::addColumn<int>("H");
    QTest::addColumn<int>("x0");
    QTest::addColumn<int>("y0");
    QTest::newRow("zoom 0") << 0 << 100 << 100 << 2400 << 2000 << 300 << 0;
    QTest::newRow("zoom 100") << 100 << 100 << 100 << 1200 << 1000 << 900 << 500;
    QTest::newRow("flush left") << 0 << 0 << 100 << 2400 << 2000 << 0 << 0;
    QTest::newRow("flush right") << 0 << 200 << 100 << 2400 << 2000 << 600 << 0;
    QTest::newRow("zoom 400 bottom right") << 400 << 200 << 200 << 480 << 400 << 2520 << 1600;
}

void TestLayout::windowPlacement() {
    QFETCH(int, zoom);
    QFETCH(int, hcenter);
    QFETCH(int, vcenter);
    QFETCH(int, W);
    QFETCH(int, H);
    QFETCH(int, x0);
    QFETCH(int, y0);
    PosterState s = Example();
    s.SetZoom(zoom);
    s.iHorzCenter = static_cast<short>(hcenter);
    s.iVertCenter = static_cast<short>(vcenter);
    const TileCoordTable t = s.CalcTileCoord();
    QVERIFY(t.IsValid());
    QCOMPARE(t.windowWidth, W);
    QCOMPARE(t.windowHeight, H);
    QCOMPARE(t.x0, x0);
    QCOMPARE(t.y0, y0);
    QCOMPARE(t.Coord(0, 0), x0);
    QCOMPARE(t.Coord(1, 0), y0);
}

void TestLayout::tileTableProperties_data() {
    QTest::addColumn<int>("imgW");
    QTest::addColumn<int>("imgH");
    QTest::addColumn<int>("wide");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("zoom");
    QTest::newRow("1x1") << 3000 << 2000 << 1 << 1 << 0;
    QTest::newRow("25x25") << 6000 << 4000 << 25 << 25 << 0;
    QTest::newRow("odd sizes") << 1001 << 777 << 7 << 3 << 37;
    QTest::newRow("tiny image") << 25 << 25 << 25 << 25 << 0;
    QTest::newRow("tall") << 500 << 3000 << 4 << 2 << 250;
}

void TestLayout::tileTableProperties() {
    QFETCH(int, imgW);
    QFETCH(int, imgH);
    QFETCH(int, wide);
    QFETCH(int, high);
    QFETCH(int, zoom);
    PosterState s = Example();
    s.lImgWidth = imgW;
    s.lImgHeight = imgH;
    s.SelectTilesWide(wide - 1);
    s.SelectTilesHigh(high - 1);
    s.SetZoom(zoom);
    const TileCoordTable t = s.CalcTileCoord();
    QCOMPARE(int(t.count), wide * high);
    QCOMPARE(int(t.tiles.size()), wide * high);
    QVERIFY(t.x0 >= 0 && t.x0 + t.windowWidth <= imgW);
    QVERIFY(t.y0 >= 0 && t.y0 + t.windowHeight <= imgH);
    for (int row = 0; row < high; ++row) {
        for (int col = 0; col < wide; ++col) {
            const TileRect& r = t.tiles[static_cast<size_t>(row * wide + col)];
            const TileRect& first = t.tiles[static_cast<size_t>(row * wide)];
            const TileRect& top = t.tiles[static_cast<size_t>(col)];
            QCOMPARE(r.top, first.top);
            QCOMPARE(r.bottom, first.bottom);
            QCOMPARE(r.left, top.left);
            QCOMPARE(r.right, top.right);
            if (col + 1 < wide) // neighbours meet up to one pixel
                QVERIFY(std::abs(t.tiles[static_cast<size_t>(row * wide + col + 1)].left -
                                 (r.right + 1)) <= 1);
            // at most one column / row past the image
            QVERIFY(r.right <= imgW && r.bottom <= imgH);
        }
    }
    if (wide == 1 && high == 1) {
        QCOMPARE(t.tiles[0].right, t.x0 + t.windowWidth - 1);
        QCOMPARE(t.tiles[0].bottom, t.y0 + t.windowHeight - 1);
    }
}

void TestLayout::wideImageSquarePoster() {
    PosterState s = Example();
    s.setNewTileVals(QString(), kUnitInches, 8, 8, 8, 8, QString());
    s.SelectTilesWide(0);
    s.SelectTilesHigh(0);
    s.lImgWidth = 3000;
    s.lImgHeight = 500;
    for (short v : {short(0), short(100), short(200)}) {
        s.iVertCenter = v;
        s.iHorzCenter = v;
        const TileCoordTable t = s.CalcTileCoord();
        QCOMPARE(t.windowWidth, 500);
        QCOMPARE(t.windowHeight, 500);
        QCOMPARE(t.y0, 0);
        QCOMPARE(t.x0, 2500 * v / 200);
    }
}

void TestLayout::equalRatioUsesFullHeight() {
    PosterState s = Example();
    s.lImgWidth = 2400;
    s.lImgHeight = 2000; // ratio 1.2 exactly
    const TileCoordTable t = s.CalcTileCoord();
    QCOMPARE(t.windowHeight, 2000);
    QCOMPARE(t.windowWidth, 2400);
    QCOMPARE(t.x0, 0);
}

void TestLayout::rotatedTiles() {
    PosterState s = Example();
    const TileCoordTable plain = s.CalcTileCoord();
    s.bTileRotated = true;
    const TileCoordTable turned = s.CalcTileCoord();
    // R = (3 x 10) / (2 x 8) = 1.875 > 1.5: full width.
    QCOMPARE(turned.windowWidth, 3000);
    QCOMPARE(turned.windowHeight, 1600);
    QVERIFY(plain.tiles != turned.tiles);

    s.setNewTileVals(QString(), kUnitInches, 8, 8, 8, 8, QString());
    s.bTileRotated = false;
    const TileCoordTable a = s.CalcTileCoord();
    s.bTileRotated = true;
    QVERIFY(a.tiles == s.CalcTileCoord().tiles);
}

void TestLayout::invalidInputsGiveMinusOne() {
    PosterState noImage = Example();
    noImage.lImgHeight = 0;
    noImage.lImgWidth = 0;
    const TileCoordTable t = noImage.CalcTileCoord();
    QCOMPARE(t.count, short(-1));
    QCOMPARE(int(t.tiles.size()), 6);

    PosterState bad = Example();
    bad.setNewTileVals(QString(), kUnitInches, 0.5, 10, 0.5, 10, QString());
    const TileCoordTable b = bad.CalcTileCoord();
    QCOMPARE(b.count, short(-1));
    QCOMPARE(int(b.tiles.size()), 6); // resized and zero
    QCOMPARE(b.tiles[5], TileRect{});
    QCOMPARE(bad.GetFinalImgWhRatio(), 0.0);
}

void TestLayout::finalImgRatio() {
    PosterState s = Example();
    QCOMPARE(s.GetFinalImgWhRatio(), 1.2);
    s.bTileRotated = true;
    QCOMPARE(s.GetFinalImgWhRatio(), 1.875);
}

void TestLayout::outputLabels_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("rotated");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QString>("mpix");
    QTest::addColumn<QString>("quality");
    QTest::newRow("inches") << 0 << 0 << false << "24.00 x 20.00 inches" << "100.0 dpi" << "4.80"
                            << "Good";
    QTest::newRow("zoom 100") << 0 << 100 << false << "24.00 x 20.00 inches" << "50.0 dpi"
                              << "1.20" << "Good from a distance";
    QTest::newRow("millimetres") << 1 << 0 << false << "61.0 x 50.8 cm" << "39.4 dots/cm"
                                 << "4.80" << "Good";
    QTest::newRow("rotated") << 0 << 0 << true << "30.00 x 16.00 inches" << "100.0 dpi" << "4.80"
                             << "Good";
}

void TestLayout::outputLabels() {
    QFETCH(int, units);
    QFETCH(int, zoom);
    QFETCH(bool, rotated);
    QFETCH(QString, size);
    QFETCH(QString, resolution);
    QFETCH(QString, mpix);
    QFETCH(QString, quality);
    PosterState s = Example();
    if (units)
        s.setNewTileVals(QString(), kUnitMillimeters, 203.2, 254, 203.2, 254, QString());
    s.SetZoom(zoom);
    s.bTileRotated = rotated;
    const auto out = s.UpdateOutputSize();
    QVERIFY(out.has_value());
    QCOMPARE(out->finalSize, size);
    QCOMPARE(Dot(out->resolution), resolution);
    QCOMPARE(Dot(out->megaPixels), mpix);
    QCOMPARE(out->quality, quality);
    QVERIFY(s.OutputButtonsEnabled());
}

void TestLayout::outputWithoutImage() {
    PosterState s = Example();
    s.bImgSelected = false;
    const auto out = s.UpdateOutputSize();
    QVERIFY(out.has_value());
    QCOMPARE(out->finalSize, QStringLiteral("24.00 x 20.00 inches"));
    QCOMPARE(out->resolution, QStringLiteral("---"));
    QCOMPARE(out->megaPixels, QStringLiteral("---"));
    QCOMPARE(out->quality, QStringLiteral("---"));
    QVERIFY(!s.OutputButtonsEnabled());
}

void TestLayout::outputSkipped() {
    PosterState s = Example();
    s.setNewTileVals(QString(), kUnitInches, 60, 10, 60, 10, QString());
    QVERIFY(!s.UpdateOutputSize().has_value());
    QVERIFY(!s.OutputButtonsEnabled());

    // Compensation shrinks the poster by the trims of every tile.
    const ProfileTable table = Profiles();
    PosterState c = Example();
    c.SetProfileTable(&table);
    c.SetCurrentProfile(1);
    c.SetPrinterClips(true);
    const auto out = c.UpdateOutputSize();
    QVERIFY(out.has_value());
    QCOMPARE(out->finalSize, QStringLiteral("23.72 x 19.81 inches"));
}

void TestLayout::qualityRating_data() {
    QTest::addColumn<double>("r");
    QTest::addColumn<QString>("rating");
    QTest::newRow("200.01") << 200.01 << "Excellent";
    QTest::newRow("200") << 200.0 << "Very Good";
    QTest::newRow("140") << 140.0 << "Good";
    QTest::newRow("90") << 90.0 << "Fair";
    QTest::newRow("70") << 70.0 << "Good from a distance";
    QTest::newRow("35.1") << 35.1 << "Good from a distance";
    QTest::newRow("35") << 35.0 << "Fair from a distance";
    QTest::newRow("0") << 0.0 << "Fair from a distance";
}

void TestLayout::qualityRating() {
    QFETCH(double, r);
    QFETCH(QString, rating);
    QCOMPARE(QualityRating(r), rating);
}

void TestLayout::paperLabels_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("h");
    QTest::addColumn<QString>("paper");
    QTest::addColumn<QString>("word");
    QTest::newRow("mm") << 1 << 210.0 << 297.0 << "210.0 x 297.0" << "Millimeters";
    QTest::newRow("inches") << 0 << 8.5 << 11.0 << "8.50 x 11.00" << "Inches";
}

void TestLayout::paperLabels() {
    QFETCH(int, units);
    QFETCH(double, w);
    QFETCH(double, h);
    QFETCH(QString, paper);
    QFETCH(QString, word);
    PosterState s;
    s.setNewTileVals(QStringLiteral("Letter"), static_cast<UnitCode>(units), w - 1, h - 1, w, h,
                     QStringLiteral("line"));
    const PaperLabels l = s.UpdatePaperLabels();
    QCOMPARE(Dot(l.paperSize), paper);
    QCOMPARE(l.units, word);
    QCOMPARE(l.paperName, QStringLiteral("Letter"));
    QCOMPARE(s.getPaperRegLine(), QStringLiteral("line"));
}

QTEST_GUILESS_MAIN(TestLayout)
#include "tst_layout.moc"
