#include "common/number_format.h"
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
    void nearest() {
        const QList<double> values{2.5,    3.5,    0.5,  1.5,  -2.5,        -3.5,
                                   2.4999, 2.5001, -0.4, 1099, 2147483647.0};
        const QList<int> expected{2, 4, 0, 2, -2, -4, 2, 3, 0, 1099, 2147483647};
        for (int i = 0; i < values.size(); ++i)
            QCOMPARE(Nearest(values[i]), std::optional<std::int32_t>(expected[i]));
        for (double bad : {std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity(), 3e9, 2147483647.6})
            QCOMPARE(Nearest(bad), std::nullopt);
    }

    void formatNumber() {
        // Value, pattern, text.
        const QStringList cases =
            QStringLiteral(
                "8.5 #####0.00 8.50|210 #####0.0 210.0|60.96 ##0.0 61.0|39.370078 ###0.0 39.4|"
                "12345.678 ##0.00 12345.68|0.75 ###.00 .75|20 #### 20|0.004 ##0.00 0.00|"
                "-1.25 ##0.0 -1.3|0.125 ##0.00 0.13|-0.001 ##0.00 0.00")
                .split(u'|');
        for (const QString& c : cases) {
            const QStringList f = c.split(u' ');
            QCOMPARE(FormatNumber(f[0].toDouble(), f[1], QStringLiteral(".")), f[2]);
        }
        QCOMPARE(FormatNumber(8.5, QStringLiteral("#####0.00"), QStringLiteral(",")),
                 QStringLiteral("8,50"));
        QCOMPARE(NumberToText(0.75, QStringLiteral(",")), QStringLiteral("0,75"));
        QCOMPARE(NumberToText(50, QStringLiteral(".")), QStringLiteral("50"));
    }

    void stringHelpers() {
        const QString abc = QStringLiteral("abc");
        QCOMPARE((QStringList{sleft(abc, 5), sleft(abc, 2), sleft(abc, 0), sleft(abc, -1),
                              sRight(abc, 2), sRight(abc, 0)}),
                 (QStringList{"abc", "ab", "", "", "bc", ""}));
        const auto trim = [](const char* text, const char* suffix) {
            return TrimSuffix(QString::fromLatin1(text), QString::fromLatin1(suffix));
        };
        QCOMPARE((QStringList{trim("12.", "."), trim("12.5", "."), trim("photo.JPG", ".jpg"),
                              trim(".jpg", ".jpg"), trim("g", ".jpg")}),
                 (QStringList{"12", "12.5", "photo.JPG", "", "g"}));
    }

    // Spot checks of entries whose spacing is deliberate.
    void stringTable() {
        QVERIFY(StringTable::Text(str::Step1EdgeDesc).endsWith(QStringLiteral("test image.   ")));
        QVERIFY(StringTable::Text(str::EdgeStep2Desc).endsWith(QStringLiteral("printer does. ")));
        QVERIFY(!StringTable::Has(1) && StringTable::Text(1).isEmpty());
    }

    void toInches() {
        QCOMPARE((QList<double>{ToInches(25.4, kUnitMillimeters), ToInches(25.4, 7), // any nonzero
                                ToInches(25.4, kUnitInches)}),
                 (QList<double>{1.0, 1.0, 25.4}));
    }
};

QTEST_GUILESS_MAIN(TestCommon)
#include "tst_common.moc"
