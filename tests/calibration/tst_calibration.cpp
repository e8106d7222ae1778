#include "calibration/edge_trim.h"

#include <QtTest>

using namespace tessellon;

class TestCalibration : public QObject {
    Q_OBJECT
private slots:
    void fillTrims();
    void trimPerEdge_data();
    void trimPerEdge();
    void missingProfile();
};

static ProfileTable Table() {
    return ProfileTable({{QStringLiteral("No clipping"), {0, 0, 0, 0}},
                         {QStringLiteral("Kodak photo lab default"), {3, 4, 3, 2}},
                         {QStringLiteral("Wide"), {16, 0, 8, 1}}});
}

void TestCalibration::fillTrims() {
    const ProfileTable t = Table();
    std::array<double, 4> a{-1, -1, -1, -1};
    QVERIFY(FillCurEdgeTrimInches(t, 1, a));
    QCOMPARE(a[0], 0.046875);
    QCOMPARE(a[1], 0.0625);
    QCOMPARE(a[2], 0.046875);
    QCOMPARE(a[3], 0.03125);
}

void TestCalibration::trimPerEdge_data() {
    QTest::addColumn<int>("profile");
    QTest::addColumn<int>("edge");
    QTest::addColumn<double>("inches");
    QTest::newRow("top max") << 2 << 1 << 0.25;
    QTest::newRow("right zero") << 2 << 2 << 0.0;
    QTest::newRow("bottom") << 2 << 3 << 0.125;
    QTest::newRow("left") << 2 << 4 << 1.0 / 64;
    QTest::newRow("kodak right") << 1 << 2 << 0.0625;
}

void TestCalibration::trimPerEdge() {
    QFETCH(int, profile);
    QFETCH(int, edge);
    QFETCH(double, inches);
    const auto v = GetCurEdgeTrimInches(Table(), profile, edge);
    QVERIFY(v.has_value());
    QCOMPARE(*v, inches);
}

void TestCalibration::missingProfile() {
    std::array<double, 4> a{7, 7, 7, 7};
    QVERIFY(!FillCurEdgeTrimInches(Table(), 3, a));
    QCOMPARE(a[0], 7.0);
    QVERIFY(!GetCurEdgeTrimInches(Table(), -1, 1));
    QVERIFY(!GetCurEdgeTrimInches(Table(), 0, 5));
    QCOMPARE(Table().IndexOf(QStringLiteral("Wide")), 2);
}

QTEST_GUILESS_MAIN(TestCalibration)
#include "tst_calibration.moc"
