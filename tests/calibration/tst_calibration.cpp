#include "calibration/clip_amount.h"
#include "calibration/edge_trim.h"
#include "common/number_format.h"
#include "common/string_table.h"

#include <QtTest>

using namespace tessellon;

namespace {

const ProfileTable kTable({{QStringLiteral("No clipping"), {0, 0, 0, 0}},
                           {QStringLiteral("Kodak photo lab default"), {3, 4, 3, 2}},
                           {QStringLiteral("Wide"), {16, 0, 8, 1}}});

// Texts written with the system decimal separator; expectations are written with a point.
QString Loc(QString s) {
    return s.replace(u'.', SystemDecimalPoint());
}

} // namespace

class TestCalibration : public QObject {
    Q_OBJECT
private slots:
    // Trims are clip values in 64ths of an inch, edges 1..4 top, right, bottom, left.
    void trims() {
        std::array<double, 4> a{-1, -1, -1, -1};
        QVERIFY(FillCurEdgeTrimInches(kTable, 1, a));
        QCOMPARE(a, (std::array<double, 4>{0.046875, 0.0625, 0.046875, 0.03125}));
        QCOMPARE((QList<std::optional<double>>{
                     GetCurEdgeTrimInches(kTable, 2, 1), GetCurEdgeTrimInches(kTable, 2, 2),
                     GetCurEdgeTrimInches(kTable, 2, 3), GetCurEdgeTrimInches(kTable, 2, 4)}),
                 (QList<std::optional<double>>{0.25, 0.0, 0.125, 1.0 / 64}));
        // A missing profile or edge gives nothing and writes nothing.
        a = {7, 7, 7, 7};
        QVERIFY(!FillCurEdgeTrimInches(kTable, 3, a));
        QCOMPARE(a[0], 7.0);
        QVERIFY(!GetCurEdgeTrimInches(kTable, -1, 1));
        QVERIFY(!GetCurEdgeTrimInches(kTable, 0, 5));
        QVERIFY(!GetCurEdgeTrimInches(kTable, 0, 0));
        QCOMPARE(kTable.IndexOf(QStringLiteral("Wide")), 2);
    }

    void formatClipAmount() {
        // v / 64 inch in lowest terms, and v x 25.4 / 64 mm with one decimal.
        const QList<std::tuple<int, const char*, const char*>> cases{
            {1, "1/64", "0.4"}, {2, "1/32", "0.8"},  {4, "1/16", "1.6"}, {5, "5/64", "2.0"},
            {6, "3/32", "2.4"}, {12, "3/16", "4.8"}, {16, "1/4", "6.4"}};
        for (const auto& [v, inches, mm] : cases) {
            QCOMPARE(FormatClipAmount(v, kUnitInches), QStringLiteral(" %1 inches ").arg(inches));
            QCOMPARE(FormatClipAmount(v, kUnitMillimeters), Loc(QStringLiteral(" %1 mm ").arg(mm)));
            // Any unit code other than 0 means millimetres.
            QCOMPARE(FormatClipAmount(v, 7), FormatClipAmount(v, kUnitMillimeters));
        }
        QCOMPARE(EdgeClipDescription(0, kUnitMillimeters),
                 QStringLiteral("None of the image is clipped"));
        QCOMPARE(EdgeClipDescription(3, kUnitInches),
                 QStringLiteral("Printer cuts off 3/64 inches of image"));
        QCOMPARE(EdgeClipDescription(16, kUnitMillimeters),
                 Loc("Printer cuts off 6.4 mm of image"));
    }

    void selectorItems() {
        // Lines still seen: 4 - v / 4.
        const QStringList items = EdgeSelectorItems();
        QCOMPARE(items.size(), 17);
        QCOMPARE(items.first(), QStringLiteral("See all 4 lines"));
        QCOMPARE(items.at(1), Loc(QStringLiteral("See 3.75 lines")));
        QCOMPARE(items.at(4), Loc(QStringLiteral("See 3.00 lines")));
        QCOMPARE(items.at(15), Loc(QStringLiteral("See 0.25 lines")));
        QCOMPARE(items.last(), QStringLiteral("See no lines"));
    }

    void step1Units() {
        const QList<std::tuple<const char*, UnitCode, const char*>> cases{
            {"a (1/16 inch wide) b 1/16 inch", kUnitMillimeters, "a (1.59 mm wide) b 1.59 mm"},
            {"a (1.59 mm wide) b", kUnitInches, "a (1/16 inch wide) b"},
            {"a (1/16 inch wide)", kUnitInches, "a (1/16 inch wide)"},
            {"a (1.59 mm wide)", kUnitMillimeters, "a (1.59 mm wide)"},
            {"1/16inch", kUnitMillimeters, "1/16inch"}}; // no blank, no change
        for (const auto& [text, units, expected] : cases)
            QCOMPARE(Step1DescForUnits(QLatin1String(text), units), QLatin1String(expected));
        // The dialog's own text goes there and back unchanged.
        const QString original = StringTable::Text(str::Step1EdgeDesc);
        const QString mm = Step1DescForUnits(original, kUnitMillimeters);
        QVERIFY(mm.contains(QStringLiteral("(1.59 mm wide each)")) && !mm.contains(u"1/16"));
        QCOMPARE(Step1DescForUnits(mm, kUnitInches), original);
    }
};

QTEST_GUILESS_MAIN(TestCalibration)
#include "tst_calibration.moc"
