#include "layout/poster_state.h"
#include "paper/paper_model.h"
#include "settings/pref_formats.h"
#include "source/preview_renderer.h"
#include "tests/support/recording_message_service.h"

#include <QtTest>

using namespace tessellon;

namespace {

// Only the third profile clips: 1/16 inch on the right, 1/8 on the left.
const ProfileTable kProfiles({{QStringLiteral("None"), {0, 0, 0, 0}},
                              {QStringLiteral("LeftRight"), {0, 4, 0, 8}}});

QList<int> Rect(const TileRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

} // namespace

class TestOverlap : public QObject {
    Q_OBJECT
private slots:
    void geometry_data();
    void geometry();
    void buttedTilesKeepTheirRounding();
    void tooWideStripIsInvalid();
    void paperDialogAndPreference();
    void previewShadesSharedStrips();
};

// Expected values worked out by hand: poster n*t - (n - 1)*o, window fitted to its ratio,
// tile k starting (t - o)*k inches after the first (see the comments per row).
void TestOverlap::geometry_data() {
    QTest::addColumn<double>("tileW");
    QTest::addColumn<double>("tileH");
    QTest::addColumn<bool>("trimmed");
    QTest::addColumn<bool>("rotated");
    QTest::addColumn<double>("overlap");
    QTest::addColumn<QList<int>>("zoomHcVc");
    QTest::addColumn<int>("tilesWide");
    QTest::addColumn<QList<int>>("first");
    QTest::addColumn<QList<int>>("second");
    QTest::addColumn<QList<int>>("last");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("resolution");

    // 3000 x 2000 image throughout. Butted: 24 x 20 poster, window 2400 x 2000 at x 300.
    QTest::newRow("butted 3x2") << 8.0 << 10.0 << false << false << 0.0 << QList<int>{0, 100, 100}
                                << 3 << QList<int>{300, 0, 1099, 999}
                                << QList<int>{1100, 0, 1899, 999}
                                << QList<int>{1900, 1000, 2699, 1999} << "24.00 x 20.00 inches"
                                << "100.0 dpi";
    // 22 x 19 poster; window 2315.79 -> 2316 x 2000 at x 342; columns start at 7/22 and 14/22
    // of 2316 (737, 1474) and span 8/22 of it (842.18); the second row starts at 9/19 of 2000.
    QTest::newRow("overlap 1in") << 8.0 << 10.0 << false << false << 1.0 << QList<int>{0, 100, 100}
                                 << 3 << QList<int>{342, 0, 1183, 1052}
                                 << QList<int>{1079, 0, 1920, 1052}
                                 << QList<int>{1816, 947, 2657, 1999} << "22.00 x 19.00 inches"
                                 << "105.3 dpi";
    // Tiles of 8.1875 less 1/16 and 1/8 inch of trims print 8 inches: the same as above.
    QTest::newRow("overlap after trims")
        << 8.1875 << 10.0 << true << false << 1.0 << QList<int>{0, 100, 100} << 3
        << QList<int>{342, 0, 1183, 1052} << QList<int>{1079, 0, 1920, 1052}
        << QList<int>{1816, 947, 2657, 1999} << "22.00 x 19.00 inches"
        << "105.3 dpi";
    // Turned: 10 x 8 tiles, 28 x 15 poster, window 3000 x 1607 at y 196 (196.5 to even);
    // columns at 9/28 and 18/28 of 3000, the second row at 7/15 of 1607 (750).
    QTest::newRow("overlap rotated")
        << 8.0 << 10.0 << false << true << 1.0 << QList<int>{0, 100, 100} << 3
        << QList<int>{0, 196, 1070, 1052} << QList<int>{964, 196, 2034, 1052}
        << QList<int>{1929, 946, 2999, 1802} << "28.00 x 15.00 inches"
        << "107.1 dpi";
    // 2 x 2, 14 x 18 poster; window 1555.56 halved -> 778 x 1000, left edge, bottom edge;
    // the second column at 6/14 of 778 (333), the second row at 8/18 of 1000 (444).
    QTest::newRow("overlap zoom and centring")
        << 8.0 << 10.0 << false << false << 2.0 << QList<int>{100, 0, 200} << 2
        << QList<int>{0, 1000, 444, 1555} << QList<int>{333, 1000, 777, 1555}
        << QList<int>{333, 1444, 777, 1999} << "14.00 x 18.00 inches"
        << "55.6 dpi";
}

void TestOverlap::geometry() {
    QFETCH(double, tileW);
    QFETCH(double, tileH);
    QFETCH(bool, trimmed);
    QFETCH(bool, rotated);
    QFETCH(double, overlap);
    QFETCH(QList<int>, zoomHcVc);
    QFETCH(int, tilesWide);
    PosterState s;
    s.setNewTileVals(QString(), kUnitInches, tileW, tileH, tileW, tileH, QString());
    s.SetProfileTable(&kProfiles);
    s.SetCurrentProfile(1);
    s.SetPrinterClips(trimmed);
    s.lImgWidth = 3000;
    s.lImgHeight = 2000;
    s.bImgSelected = true;
    s.bTileRotated = rotated;
    s.dOverlap = overlap;
    s.SelectTilesWide(tilesWide - 1);
    s.SelectTilesHigh(1);
    s.SetZoom(zoomHcVc[0]);
    s.iHorzCenter = static_cast<short>(zoomHcVc[1]);
    s.iVertCenter = static_cast<short>(zoomHcVc[2]);

    const TileCoordTable t = s.CalcTileCoord();
    QCOMPARE(t.count, short(tilesWide * 2));
    QTEST(Rect(t.tiles.front()), "first");
    QTEST(Rect(t.tiles[1]), "second");
    QTEST(Rect(t.tiles.back()), "last");
    const auto labels = s.UpdateOutputSize();
    QVERIFY(labels);
    QTEST(labels->finalSize, "size");
    QTEST(QString(labels->resolution).replace(u',', u'.'), "resolution");
}

// Without overlap the columns start at col / n of the window, exactly: 25 x 25 pixels, 6 x 7
// tiles of 186 x 273 mm give a window 15 wide at x 5, and 1/6 of 15 is 2.5, which rounds to 2.
// (186 / 1116 of 15 lies a hair above 2.5 and would give 3.)
void TestOverlap::buttedTilesKeepTheirRounding() {
    PosterState s;
    s.setNewTileVals(QString(), kUnitMillimeters, 186, 273, 210, 297, QString());
    s.lImgWidth = s.lImgHeight = 25;
    s.SelectTilesWide(5);
    s.SelectTilesHigh(6);
    QCOMPARE(Rect(s.CalcTileCoord().tiles[1]), (QList<int>{7, 0, 8, 3}));
}

void TestOverlap::tooWideStripIsInvalid() {
    PosterState s;
    s.setNewTileVals(QString(), kUnitInches, 8, 10, 8, 10, QString());
    s.lImgWidth = 3000;
    s.lImgHeight = 2000;
    s.bImgSelected = true;
    s.dOverlap = 4; // half the shorter side still fits
    QCOMPARE(s.CalcTileCoord().count, short(4));
    s.dOverlap = 4.01;
    QCOMPARE(s.CalcTileCoord().count, short(-1));
    QVERIFY(!s.UpdateOutputSize());
    QCOMPARE(s.GetFinalImgWhRatio(), 0.0);
    QVERIFY(!s.OutputButtonsEnabled());
}

void TestOverlap::paperDialogAndPreference() {
    PaperModel m;
    m.initPaperSizes();
    QVERIFY(m.EnterPaper(kUnitInches, 2, std::nullopt, MarginValues{0, 0, 0, 0}).ok()); // 8 x 10
    QVERIFY(m.OverlapChanged(QStringLiteral("4")));
    QVERIFY(!m.OverlapChanged(QStringLiteral("4.01")));
    QCOMPARE(m.Overlap(), 4.0); // the last valid value stays
    RecordingMessageService messages;
    PosterState poster;
    QCOMPARE(m.ApplyPaperValues(poster, messages).dOverlap, 4.0);
    QCOMPARE(poster.dOverlap, 4.0);
    QCOMPARE(messages.Messages().size(), 1); // the refused text is reported
    QVERIFY(m.OverlapChanged(QStringLiteral("0.5")));
    m.ChangeUnits(kUnitMillimeters, messages);
    QCOMPARE(m.OverlapText().replace(u',', u'.'), QStringLiteral("12.7"));
    QCOMPARE(m.Overlap(), 0.5);
    // Moving to a smaller paper: the strip handed on is cut down to half the 6 x 4 inch tile.
    m.ChangeUnits(kUnitInches, messages);
    QVERIFY(m.OverlapChanged(QStringLiteral("3")));
    QVERIFY(m.EnterPaper(kUnitInches, 0, std::nullopt, MarginValues{0, 0, 0, 0}).ok());
    QCOMPARE(m.ApplyPaperValues().dOverlap, 2.0);
    // "Adjust edges" leaves a 5.75 x 3.5 inch tile, and the limit follows it.
    m.SetTileTrims(0.25, 0.5);
    QVERIFY(!m.OverlapChanged(QStringLiteral("1.76")));
    QCOMPARE(m.ApplyPaperValues().dOverlap, 1.75);

    // Stored in ten-thousandths of an inch; unusable values give 0.
    QCOMPARE(FormatOverlapPref(0.5), 5000);
    QCOMPARE(ParseOverlapPref(QStringLiteral("3937")), 0.3937);
    for (const char* bad : {"", "x", "-1", "250001"})
        QCOMPARE(ParseOverlapPref(QString::fromLatin1(bad)), 0.0);
}

void TestOverlap::previewShadesSharedStrips() {
    QImage grey(100, 50, QImage::Format_RGB32);
    grey.fill(qRgb(100, 100, 100));
    TileCoordTable t;
    t.count = 2;
    t.tiles = {TileRect{0, 0, 59, 49}, TileRect{40, 0, 99, 49}}; // columns 40..59 shared
    const auto d = PreviewRenderer::DrawTileGrid(grey, 1.0, t, 2, 1, true);
    QVERIFY(d);
    QCOMPARE(d->image.pixel(50, 25), qRgb(146, 146, 146)); // 100 + 155 * 3 / 10
    QCOMPARE(d->image.pixel(30, 25), qRgb(100, 100, 100));
    QCOMPARE(d->image.pixel(70, 25), qRgb(100, 100, 100));
    QCOMPARE(d->image.pixel(59, 25), qRgb(255, 0, 0)); // the strip's far edge
    QCOMPARE(d->image.pixel(40, 25), qRgb(255, 0, 0));
    QCOMPARE(PreviewRenderer::DrawTileGrid(grey, 1.0, t, 2, 1, false)->image.pixel(50, 25),
             qRgb(100, 100, 100));
    // The large preview follows the tiles too (its picture here is the window, 1:1).
    const QImage large = PreviewRenderer::FillPreview(grey, t, grey.size(), true, 2, 1, true);
    QCOMPARE(large.pixel(50, 25), qRgb(146, 146, 146));
    QCOMPARE(large.pixel(40, 25), qRgb(255, 0, 0));
    QCOMPARE(large.pixel(60, 25), qRgb(255, 0, 0));
    QCOMPARE(large.pixel(70, 25), qRgb(100, 100, 100));
}

QTEST_GUILESS_MAIN(TestOverlap)
#include "tst_overlap.moc"
