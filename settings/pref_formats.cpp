#include "settings/pref_formats.h"

#include "common/number_format.h"
#include "common/rounding.h"

#include <cmath>
#include <optional>

namespace tessellon {
namespace {

constexpr double kOverlapPrefPerInch = 10000;

// The whole-number part of a list position field; empty when it is no number.
std::optional<int> PositionField(const QString& field) {
    const auto v = ParseNumber(field);
    if (!v)
        return std::nullopt;
    const double whole = std::trunc(*v);
    if (whole < -1e9 || whole > 1e9)
        return std::nullopt;
    return static_cast<int>(whole);
}

int PositionOr(const QString& field, int itemCount, int fallback) {
    const auto p = PositionField(field);
    if (!p || *p < 0 || *p >= itemCount)
        return fallback;
    return *p;
}

} // namespace

QString TwoDigitPosition(int position) {
    QString s = QString::number(position);
    if (s.size() < 2)
        s.prepend(u'0');
    return s;
}

QString FormatNumTiles(int widePosition, int highPosition) {
    return QStringLiteral("w") + TwoDigitPosition(widePosition) + QStringLiteral("h") +
           TwoDigitPosition(highPosition);
}

NumTilesPref ParseNumTiles(const QString& text, int wideItemCount, int highItemCount) {
    return {PositionOr(text.mid(1, 2), wideItemCount, 1),
            PositionOr(text.mid(4, 2), highItemCount, 1)};
}

QString FormatEdgeAdjust(bool printerClips, int profilePosition) {
    return (printerClips ? QStringLiteral("1") : QStringLiteral("0")) + QStringLiteral("_") +
           TwoDigitPosition(profilePosition);
}

int ParseEdgeAdjustProfile(const QString& text, int profileCount) {
    return PositionOr(text.mid(2, 2), profileCount, 0);
}

EdgeAdjustPref ParseEdgeAdjust(const QString& text, int profileCount) {
    return {ParseSwitch(text.left(1)) == 1, ParseEdgeAdjustProfile(text, profileCount)};
}

int FormatOverlapPref(double inches) {
    return Nearest(inches * kOverlapPrefPerInch).value_or(0);
}

double ParseOverlapPref(const QString& text) {
    const auto v = ParseNumber(text);
    if (!v || !(*v >= 0) || *v > 25 * kOverlapPrefPerInch)
        return 0;
    return *v / kOverlapPrefPerInch;
}

int ParseSwitch(const QString& text) {
    const auto v = ParseNumber(text);
    if (!v)
        return 0;
    const auto n = Nearest(*v);
    return n && *n == 1 ? 1 : 0;
}

bool ParseSwitchOr(const QString& text, bool fallback) {
    return text.isEmpty() ? fallback : ParseSwitch(text) == 1;
}

} // namespace tessellon
