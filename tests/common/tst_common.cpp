#include "common/number_format.h"
#include "common/recording_message_service.h"
#include "common/rounding.h"
#include "common/string_helpers.h"
#include "common/string_table.h"
#include "common/units.h"

#include <QtTest>

#include <limits>

using namespace tessellon;

class TestCommon : public QObject {
    Q_OBJECT
private slots:
    void nearest_data();
    void nearest();
    void nearestRejectsOutOfRange();
    void formatNumber_data();
    void formatNumber();
    void formatUsesGivenDecimalPoint();
    void numberToText();
    void stringHelpers_data();
    void stringHelpers();
    void stringTable();
    void toInches();
    void recorderAnswersFromQueue();
};

void TestCommon::nearest_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("2.5 to even") << 2.5 << 2;
    QTest::newRow("3.5 to even") << 3.5 << 4;
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("-3.5") << -3.5 << -4;
    QTest::newRow("2.4999") << 2.4999 << 2;
    QTest::newRow("2.5001") << 2.5001 << 3;
    QTest::newRow("-0.4") << -0.4 << 0;
    QTest::newRow("1099.0") << 1099.0 << 1099;
}

void TestCommon::nearest() {
    QFETCH(double, value);
    QFETCH(int, expected);
    const auto r = Nearest(value);
    QVERIFY(r.has_value());
    QCOMPARE(*r, expected);
}

void TestCommon::nearestRejectsOutOfRange() {
    QVERIFY(!Nearest(std::numeric_limits<double>::quiet_NaN()));
    QVERIFY(!Nearest(std::numeric_limits<double>::infinity()));
    QVERIFY(!Nearest(3e9));
    QVERIFY(Nearest(2147483647.0));
    QVERIFY(!Nearest(2147483647.6));
}

void TestCommon::formatNumber_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("paper inches") << 8.5 << "#####0.00" << "8.50";
    QTest::newRow("paper mm") << 210.0 << "#####0.0" << "210.0";
    QTest::newRow("poster") << 24.0 << "##0.00" << "24.00";
    QTest::newRow("cm rounds") << 60.96 << "##0.0" << "61.0";
    QTest::newRow("resolution") << 39.370078 << "###0.0" << "39.4";
    QTest::newRow("large keeps digits") << 12345.678 << "##0.00" << "12345.68";
    QTest::newRow("no required int digit") << 0.75 << "###.00" << ".75";
    QTest::newRow("integer pattern") << 20.0 << "####" << "20";
    QTest::newRow("zero") << 0.0 << "####0.00" << "0.00";
    QTest::newRow("small") << 0.004 << "##0.00" << "0.00";
    QTest::newRow("negative, half away from zero") << -1.25 << "##0.0" << "-1.3";
    QTest::newRow("half away from zero") << 0.125 << "##0.00" << "0.13";
    QTest::newRow("negative zero") << -0.001 << "##0.00" << "0.00";
}

void TestCommon::formatNumber() {
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(FormatNumber(value, pattern, QStringLiteral(".")), expected);
}

void TestCommon::formatUsesGivenDecimalPoint() {
    QCOMPARE(FormatNumber(8.5, QStringLiteral("#####0.00"), QStringLiteral(",")),
             QStringLiteral("8,50"));
    QCOMPARE(NumberToText(0.75, QStringLiteral(",")), QStringLiteral("0,75"));
}

void TestCommon::numberToText() {
    QCOMPARE(NumberToText(0.75, QStringLiteral(".")), QStringLiteral("0.75"));
    QCOMPARE(NumberToText(50, QStringLiteral(".")), QStringLiteral("50"));
}

void TestCommon::stringHelpers_data() {
    QTest::addColumn<QString>("fn");
    QTest::addColumn<QString>("s");
    QTest::addColumn<QString>("arg");
    QTest::addColumn<QString>("expected");
    QTest::newRow("sleft longer") << "sleft" << "abc" << "5" << "abc";
    QTest::newRow("sleft zero") << "sleft" << "abc" << "0" << "";
    QTest::newRow("sleft negative") << "sleft" << "abc" << "-1" << "";
    QTest::newRow("sleft two") << "sleft" << "abc" << "2" << "ab";
    QTest::newRow("sRight two") << "sRight" << "abc" << "2" << "bc";
    QTest::newRow("sRight zero") << "sRight" << "abc" << "0" << "";
    QTest::newRow("trim point") << "trim" << "12." << "." << "12";
    QTest::newRow("trim keeps") << "trim" << "12.5" << "." << "12.5";
    QTest::newRow("trim case-sensitive") << "trim" << "photo.JPG" << ".jpg" << "photo.JPG";
    QTest::newRow("trim whole") << "trim" << ".jpg" << ".jpg" << "";
    QTest::newRow("trim longer suffix") << "trim" << "g" << ".jpg" << "g";
}

void TestCommon::stringHelpers() {
    QFETCH(QString, fn);
    QFETCH(QString, s);
    QFETCH(QString, arg);
    QFETCH(QString, expected);
    QString got;
    if (fn == u"sleft")
        got = sleft(s, arg.toInt());
    else if (fn == u"sRight")
        got = sRight(s, arg.toInt());
    else
        got = TrimSuffix(s, arg);
    QCOMPARE(got, expected);
}

void TestCommon::stringTable() {
    QCOMPARE(StringTable::Text(str::InvalidTileSizeTitle),
             QStringLiteral("Invalid Tile Print Size Entered"));
    QCOMPARE(StringTable::Text(str::FairFromDistance), QStringLiteral("Fair from a distance"));
    QVERIFY(StringTable::Text(str::InvalidTileSizes).contains(QStringLiteral("sizes.  The")));
    QVERIFY(!StringTable::Has(1));
    QVERIFY(StringTable::Text(1).isEmpty());
}

void TestCommon::toInches() {
    QCOMPARE(ToInches(25.4, kUnitMillimeters), 1.0);
    QCOMPARE(ToInches(25.4, 7), 1.0); // any nonzero code is millimetres
    QCOMPARE(ToInches(25.4, kUnitInches), 25.4);
}

void TestCommon::recorderAnswersFromQueue() {
    RecordingMessageService rec;
    rec.QueueAnswer(MessageService::Answer::No);
    QCOMPARE(rec.YesNoCancel(QStringLiteral("t"), QStringLiteral("q")), MessageService::Answer::No);
    QCOMPARE(rec.YesNoCancel(QStringLiteral("t"), QStringLiteral("q")), MessageService::Answer::Yes);
    rec.Critical(QStringLiteral("T"), QStringLiteral("X"));
    QCOMPARE(rec.Messages().size(), 3);
    QCOMPARE(rec.Messages().last().kind, RecordingMessageService::Kind::Critical);
}

QTEST_GUILESS_MAIN(TestCommon)
#include "tst_common.moc"
