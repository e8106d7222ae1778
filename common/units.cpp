#include "common/units.h"

#include "common/number_format.h"

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
        return QStringLiteral("inches");
    case LengthUnit::Millimetre:
        return QStringLiteral("millimetres");
    case LengthUnit::Centimetre:
        return QStringLiteral("centimetres");
    case LengthUnit::Metre:
        return QStringLiteral("metres");
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
    const auto value = ParseNumber(number);
    if (!value)
        return std::nullopt;
    return unit == target ? *value : *value * MillimetresPer(unit) / MillimetresPer(target);
}

QString LengthFormatHint(LengthUnit bare) {
    return QStringLiteral("a length such as 120cm, 1.2m, 1200mm or 47in; a bare number is in ") +
           LengthUnitName(bare);
}

} // namespace tessellon
