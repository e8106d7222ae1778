#include "common/number_format.h"
#include "layout/poster_arrangement.h"
#include "layout/poster_state.h"
#include "layout/refresh_table.h"

#include <QtTest>

#include <algorithm>

using namespace tessellon;

Q_DECLARE_METATYPE(Arrangement)
Q_DECLARE_METATYPE(PosterGeometryInput)
Q_DECLARE_METATYPE(PosterSizeRequest)

namespace {

// A poster of upright sheets printing `w` x `h` inches, sharing `overlap`, over a photo.
PosterGeometryInput Upright(double w, double h, double overlap, int imgW, int imgH) {
    return {1, 1, w, h, overlap, imgW, imgH};
}

// `wide` x `high` sheets printing `w` x `h` of `units` over a `imgW` x `imgH` photo.
PosterState Poster(UnitCode units, double w, double h, int wide, int high, int imgW, int imgH) {
    PosterState s;
    s.setNewTileVals(QString(), units, w, h, w, h, QString());
    s.bImgSelected = true;
    s.lImgWidth = imgW;
    s.lImgHeight = imgH;
    s.SelectTilesWide(wide - 1);
    s.SelectTilesHigh(high - 1);
    return s;
}

} // namespace

class TestArrangement : public QObject {
    Q_OBJECT
private slots:
    // Arrangements worked out by hand. 8 x 10 in sheets upright print 8n wide and 10m high,
    // turned 10n x 8m; the photo keeps the part of the poster's shape that fits it.
    void reaching_data() {
        QTest::addColumn<PosterGeometryInput>("poster");
        QTest::addColumn<PosterSizeRequest>("request");
        QTest::addColumn<QList<Arrangement>>("first");
        QTest::addColumn<QSizeF>("size");        // of the first, inches
        QTest::addColumn<QList<int>>("percent"); // of the first: width, height
        // 30 in: turned 3 across exactly (upright 4, 32). Turned 3 x 3 (30 x 24) keeps 2500 x 2000,
        // 3 x 2 (30 x 16) 3000 x 1600, 3 x 4 (30 x 32) 1875 x 2000.
        QTest::newRow("landscape photo, portrait paper")
            << Upright(8, 10, 0, 3000, 2000) << PosterSizeRequest{30, {}, {}, false}
            << QList<Arrangement>{{3, 3, true}, {3, 2, true}, {3, 4, true}} << QSizeF(30, 24)
            << QList<int>{83, 100};
        // Turned 6 x 5 (60 x 40) shows all of 3:2 nearer to 30 wide than upright 15 x 8 (120 x 80).
        QTest::newRow("whole photo")
            << Upright(8, 10, 0, 3000, 2000) << PosterSizeRequest{30, {}, {}, true}
            << QList<Arrangement>{{6, 5, true}} << QSizeF(60, 40) << QList<int>{100, 100};
        // Upright one row is 10 high; 5 x 1 (40 x 10) is 4:1, 6 x 1 keeps 4000 x 833, 4 x 1 3200.
        QTest::newRow("panorama, height exactly reached")
            << Upright(8, 10, 0, 4000, 1000) << PosterSizeRequest{{}, 10, {}, false}
            << QList<Arrangement>{{5, 1, false}, {6, 1, false}, {4, 1, false}} << QSizeF(40, 10)
            << QList<int>{100, 100};
        // Upright 5 x 4 and turned 4 x 5 are both 40 x 40 of 20 sheets: upright first.
        QTest::newRow("square photo, both sides")
            << Upright(8, 10, 0, 2000, 2000) << PosterSizeRequest{40, 40, {}, false}
            << QList<Arrangement>{{5, 4, false}, {4, 5, true}} << QSizeF(40, 40)
            << QList<int>{100, 100};
        // No size: least crop first. 16 x 10 keeps 3000 x 1875, turned 1 x 1 2500 x 2000 (83 %).
        QTest::newRow("sheets only")
            << Upright(8, 10, 0, 3000, 2000) << PosterSizeRequest{{}, {}, 3, false}
            << QList<Arrangement>{{2, 1, false}, {1, 1, true}} << QSizeF(16, 10)
            << QList<int>{100, 93};
        // Overlap 1 in, trims 3/16 in across: turned sheets advance 9 in, 3 across make 28; 3 x 3
        // is 6.8125 * 3 + 1 = 21.4375 high, keeping 2000 * 28 / 21.4375 = 2612 columns; 3 x 2
        // (14.625 high) keeps 1567 rows, 3 x 4 (28.25) 1982 columns.
        QTest::newRow("overlap and edge trims")
            << Upright(7.8125, 10, 1, 3000, 2000) << PosterSizeRequest{28, {}, {}, false}
            << QList<Arrangement>{{3, 3, true}, {3, 2, true}, {3, 4, true}} << QSizeF(28, 21.4375)
            << QList<int>{87, 100};
    }
    void reaching() {
        QFETCH(PosterGeometryInput, poster);
        QFETCH(PosterSizeRequest, request);
        QFETCH(QList<Arrangement>, first);
        const auto found = PosterArrangements::Reaching(poster, request);
        QList<Arrangement> got;
        for (size_t i = 0; i < found.size() && got.size() < first.size(); ++i)
            got << found[i].arrangement;
        QCOMPARE(got, first);
        QTEST(QSizeF(found[0].posterWidth, found[0].posterHeight), "size");
        QTEST((QList<int>{found[0].share->WidthPercent(), found[0].share->HeightPercent()}),
              "percent");
        // Every one listed reaches the request; widths asked alone never shrink down the list.
        for (size_t i = 0; i < found.size(); ++i) {
            const ArrangementResult& r = found[i];
            QVERIFY(!request.width || r.posterWidth >= *request.width - 1e-9);
            QVERIFY(!request.height || r.posterHeight >= *request.height - 1e-9);
            QVERIFY(!request.maxSheets || r.arrangement.Sheets() <= *request.maxSheets);
            QVERIFY(!request.wholePhoto || (r.share->Width() >= 0.99 && r.share->Height() >= 0.99));
            if (i > 0 && request.width && !request.height)
                QVERIFY(found[i - 1].posterWidth <= r.posterWidth + 0.001);
        }
    }

    // A size no arrangement reaches: wider than 25 sheets, or than the sheets allowed.
    void unreachable() {
        const PosterGeometryInput poster = Upright(8, 10, 0, 3000, 2000);
        QVERIFY(PosterArrangements::Reaching(poster, {251, {}, {}, false}).empty());
        QCOMPARE(PosterArrangements::Reaching(poster, {250, {}, {}, false}).size(), size_t(25));
        QVERIFY(PosterArrangements::Reaching(poster, {41, {}, 4, false}).empty());
        // A hair short of the asked size still reaches it; a millimetre short does not.
        QCOMPARE(
            PosterArrangements::Reaching(poster, {{}, 10.0005, {}, false}).front().posterHeight,
            10.0);
        QCOMPARE(PosterArrangements::Reaching(poster, {{}, 10.04, {}, false}).front().posterHeight,
                 16.0);
        // Written with the system decimal separator.
        QCOMPARE(PosterArrangements::NothingReachesText({251, {}, 4, true}, kUnitMillimeters)
                     .replace(SystemDecimalPoint(), QStringLiteral(".")),
                 "No arrangement reaches 637.5 cm wide, at most 4 sheets, the whole photo");
    }

    // The arrangement that keeps the most of the photo within a number of sheets; none without
    // a photo.
    void fitPhoto() {
        const QList<std::tuple<PosterGeometryInput, int, Arrangement>> cases{
            // 3:2 photo on 8 x 10 sheets: upright 2 x 1 (16 x 10) keeps 93.75 %, the most of four.
            {Upright(8, 10, 0, 3000, 2000), 4, {2, 1, false}},
            // One sheet: turned (10 x 8, 83 %) beats upright (8 x 10, 53 %).
            {Upright(8, 10, 0, 3000, 2000), 1, {1, 1, true}},
            // 1 x 1 and 2 x 2, upright or turned, all keep 80 %: the larger, upright, wins.
            {Upright(8, 10, 0, 2000, 2000), 4, {2, 2, false}},
            // 4:1 panorama: 5 x 1 upright is exactly 4:1.
            {Upright(8, 10, 0, 4000, 1000), 9, {5, 1, false}},
            // With a 2 in overlap upright 5 x 1 is 32 x 10 (3.2:1); turned 4 x 1 is 34 x 8 (4.25:1,
            // keeps 94 %) and upright 6 x 1 38 x 10 (3.8:1, 95 %) is closest.
            {Upright(8, 10, 2, 4000, 1000), 9, {6, 1, false}}};
        for (const auto& [poster, maxSheets, expected] : cases) {
            const auto fit = PosterArrangements::FitPhoto(poster, maxSheets);
            QVERIFY(fit);
            QCOMPARE(fit->arrangement, expected);
            QVERIFY(!PosterArrangements::FitPhoto(Upright(8, 10, 0, 0, 0), maxSheets));
        }
    }

    // The poster's own state gives the base: trimmed sheets, overlap and zoom, upright whatever
    // "Rotate" says; the label's percentages are those of the crop window, rounded down.
    void photoShareFromThePoster() {
        // Window 2400 x 2000; zoom 100 halves it.
        PosterState s = Poster(kUnitInches, 8, 10, 3, 2, 3000, 2000);
        QCOMPARE(*s.UpdatePhotoShare(), "80 % of the width, 100 % of the height");
        s.SetZoom(100);
        QCOMPARE(*s.UpdatePhotoShare(), "40 % of the width, 50 % of the height");
        s.SetZoom(0);
        // Edge trims 4/64 right, 8/64 left (7.8125 in) and a 1 in overlap, sheets turned.
        const ProfileTable profiles({{QStringLiteral("LeftRight"), {0, 4, 0, 8}}});
        s.SetProfileTable(&profiles);
        s.SetPrinterClips(true);
        s.dOverlap = 1;
        s.bTileRotated = true;
        const auto base = s.UprightGeometryInput();
        QCOMPARE(QSizeF(base->tileWidth, base->tileHeight), QSizeF(7.8125, 10));
        QCOMPARE(base->overlap, 1.0);
        QCOMPARE(s.CurrentArrangement(), (Arrangement{3, 2, true}));
        // Turned 3 x 2: 28 x 14.625, 1567 rows of 2000.
        QCOMPARE(*s.UpdatePhotoShare(), "100 % of the width, 78 % of the height");
        // 100 % only when every column is kept: 2998 of 2999 is 99 %.
        QCOMPARE(*Poster(kUnitInches, 14.99, 10, 1, 1, 2999, 2000).UpdatePhotoShare(),
                 "99 % of the width, 100 % of the height");
        // 2560 x 1600 on 3 x 3 A4 sheets without margins, 1 cm overlap: 610 x 871 mm keeps
        // 1600 * 610 / 871 = 1121 columns.
        s = Poster(kUnitMillimeters, 210, 297, 3, 3, 2560, 1600);
        s.dOverlap = 10 / 25.4;
        QCOMPARE(*s.UpdatePhotoShare(), "43 % of the width, 100 % of the height");
        s.bImgSelected = false;
        QCOMPARE(*s.UpdatePhotoShare(), "---");
        s.bApplyingPrefs = true;
        QVERIFY(!s.UpdatePhotoShare());
    }

    // Every change that recomputes the output metrics recomputes the photo share right after,
    // under the same guards; moving the window (same size) does not.
    void photoShareFollowsTheCropWindow() {
        for (int c = 0; c <= int(PosterChange::ImageChosen); ++c) {
            const auto steps = RefreshTable::Steps(PosterChange(c));
            const auto output = std::find_if(steps.begin(), steps.end(), [](const auto& e) {
                return e.step == RefreshStep::OutputSize;
            });
            const bool share = std::any_of(steps.begin(), steps.end(), [](const auto& e) {
                return e.step == RefreshStep::PhotoShare;
            });
            QCOMPARE(share, output != steps.end());
            if (output != steps.end()) {
                QCOMPARE(output[1].step, RefreshStep::PhotoShare);
                QCOMPARE(output[1].guards, output->guards);
            }
        }
    }

    // A unit written in any case, spaced or not, converts; a bare number takes the unit it is
    // given; feet and a unit alone are refused (-1).
    void lengths() {
        const LengthUnit in = LengthUnit::Inch, mm = LengthUnit::Millimetre,
                         cm = LengthUnit::Centimetre;
        const QList<std::tuple<const char*, LengthUnit, LengthUnit, double>> cases{
            {"120cm", in, mm, 1200}, {"1.2 m", in, cm, 120}, {"254MM", mm, in, 10},
            {"47in", mm, in, 47},    {"47\"", mm, in, 47},   {"2 inches", mm, mm, 50.8},
            {"210", mm, mm, 210},    {"8.5", in, in, 8.5},   {"4ft", in, in, -1},
            {"cm", in, in, -1}};
        for (const auto& [text, bare, target, value] : cases)
            QCOMPARE(ParseLength(QString::fromLatin1(text), bare, target).value_or(-1), value);
    }
};

QTEST_GUILESS_MAIN(TestArrangement)
#include "tst_arrangement.moc"
