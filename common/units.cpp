#include "common/units.h"

#include "common/number_format.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace tessellon {
namespace {

double MillimetresPer(LengthUnit unit) {
    switch (unit) {
    case LengthUnit::Inch:
        return kMmPerInch;
    case LengthUnit::Millimetre:
        return 1;
    case LengthUnit::Centimetre:
        return 10;
    case LengthUnit::Metre:
        return 1000;
    }
    return 1;
}

} // namespace

double ToInches(double value, UnitCode units) {
    return IsMillimeters(units) ? value / kMmPerInch : value;
}

LengthUnit LengthUnitOf(UnitCode units) {
    return IsMillimeters(units) ? LengthUnit::Millimetre : LengthUnit::Inch;
}

QString LengthUnitName(LengthUnit unit) {
    switch (unit) {
    case LengthUnit::Inch:
        return QCoreApplication::translate("Units", "inches");
    case LengthUnit::Millimetre:
        return QCoreApplication::translate("Units", "millimetres");
    case LengthUnit::Centimetre:
        return QCoreApplication::translate("Units", "centimetres");
    case LengthUnit::Metre:
        return QCoreApplication::translate("Units", "metres");
    }
    return {};
}

std::optional<double> ParseLength(const QString& text, LengthUnit bare, LengthUnit target) {
    // Longer endings first: "mm" and "cm" before "m", "inches" before "in".
    static const std::array<std::pair<const char*, LengthUnit>, 7> kEndings{{
        {"inches", LengthUnit::Inch},
        {"inch", LengthUnit::Inch},
        {"in", LengthUnit::Inch},
        {"\"", LengthUnit::Inch},
        {"mm", LengthUnit::Millimetre},
        {"cm", LengthUnit::Centimetre},
        {"m", LengthUnit::Metre},
    }};
    QString number = text.trimmed();
    LengthUnit unit = bare;
    for (const auto& [ending, u] : kEndings) {
        if (number.endsWith(QLatin1String(ending), Qt::CaseInsensitive)) {
            number.chop(static_cast<qsizetype>(qstrlen(ending)));
            unit = u;
            break;
        }
    }
    const auto value = ParseShownNumber(number);
    if (!value)
        return std::nullopt;
    return unit == target ? *value : *value * MillimetresPer(unit) / MillimetresPer(target);
}

QString LengthFormatHint(LengthUnit bare) {
    // The examples in the window's numbers: "1,2m" where the language writes a decimal comma.
    return QCoreApplication::translate("Units",
                                       "a length such as 120cm, %1m, 1200mm or 47in; a bare "
                                       "number is in %2")
        .arg(FormatNumber(1.2, QStringLiteral("0.0")), LengthUnitName(bare));
}

} // namespace tessellon
