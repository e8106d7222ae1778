#include "calibration/clip_amount.h"

#include "calibration/edge_profile.h"
#include "common/number_format.h"
#include "common/string_table.h"

#include <QCoreApplication>

namespace tessellon {
namespace {

// A stripe of the test target, 1/16 inch, in millimetres as the window shows numbers.
QString StripeMm() {
    return FormatNumber(1.59, QStringLiteral("0.00")) + QStringLiteral(" mm");
}

QString StripeInches() {
    return QStringLiteral("1/16 ") + StringTable::Text(str::InchStripe);
}

} // namespace

QString FormatClipAmount(int v, UnitCode units) {
    if (IsMillimeters(units)) {
        // Whole tenths of a millimetre, halves away from zero, counted in integers: 16/64 inch
        // is exactly 6.35 mm, which a double holds as 6.3499... and would round down.
        const int tenths = (v * 254 + (v >= 0 ? 32 : -32)) / 64;
        return u' ' + FormatNumber(tenths / 10.0, QStringLiteral("##0.0")) + QStringLiteral(" mm ");
    }
    int numerator = v;
    int denominator = 64;
    while (numerator % 2 == 0 && denominator % 2 == 0 && numerator != 0) {
        numerator /= 2;
        denominator /= 2;
    }
    return u' ' + QString::number(numerator) + u'/' + QString::number(denominator) + u' ' +
           StringTable::Text(str::InchesPlural) + u' ';
}

QString EdgeClipDescription(int v, UnitCode units) {
    if (v <= 0)
        return QCoreApplication::translate("ClipAmount", "None of the image is clipped");
    return QCoreApplication::translate("ClipAmount", "Printer cuts off") +
           FormatClipAmount(v, units) + QCoreApplication::translate("ClipAmount", "of image");
}

QStringList EdgeSelectorItems() {
    QStringList items;
    items.reserve(kMaxClipValue + 1);
    items.append(QCoreApplication::translate("ClipAmount", "See all 4 lines"));
    // Quarter stripes counted in integers, so the steps do not drift.
    for (int quarters = 15; quarters >= 1; --quarters)
        items.append(QCoreApplication::translate("ClipAmount", "See") + u' ' +
                     FormatNumber(quarters / 4.0, QStringLiteral("0.00")) + u' ' +
                     QCoreApplication::translate("ClipAmount", "lines"));
    items.append(QCoreApplication::translate("ClipAmount", "See no lines"));
    return items;
}

QString Step1DescForUnits(const QString& text, UnitCode units) {
    QString result = text;
    if (IsMillimeters(units))
        result.replace(StripeInches(), StripeMm());
    else
        result.replace(StripeMm(), StripeInches());
    return result;
}

} // namespace tessellon
