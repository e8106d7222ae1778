#include "common/number_format.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace tessellon {

QString SystemDecimalPoint() {
    return QLocale::system().decimalPoint();
}

QString ShownDecimalPoint() {
    return QLocale().decimalPoint();
}

QString FormatNumber(double value, const QString& pattern, const QString& decimalPoint) {
    const qsizetype point = pattern.indexOf(u'.');
    const QString intPart = point < 0 ? pattern : pattern.left(point);
    const QString fracPart = point < 0 ? QString() : pattern.mid(point + 1);
    const int requiredInt = static_cast<int>(intPart.count(u'0'));
    const int decimals = static_cast<int>(fracPart.count(u'0') + fracPart.count(u'#'));

    QString digits = QString::number(std::fabs(value), 'f', decimals);
    const bool negative = value < 0 && digits.contains(QRegularExpression(QStringLiteral("[1-9]")));
    const qsizetype dot = digits.indexOf(u'.');
    QString whole = dot < 0 ? digits : digits.left(dot);
    const QString frac = dot < 0 ? QString() : digits.mid(dot + 1);
    if (whole == u"0" && requiredInt == 0)
        whole.clear();
    while (whole.size() < requiredInt)
        whole.prepend(u'0');

    QString out = negative ? QStringLiteral("-") : QString();
    out += whole;
    if (decimals > 0)
        out += decimalPoint + frac;
    return out;
}

QString NumberToText(double value, const QString& decimalPoint) {
    QString s = QString::number(value, 'g', 15);
    s.replace(u'.', decimalPoint);
    return s;
}

std::optional<double> ParseNumber(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double v = QLocale::system().toDouble(t, &ok);
    if (ok && std::isfinite(v))
        return v;
    const double c = QLocale::c().toDouble(t, &ok);
    if (ok && std::isfinite(c))
        return c;
    return std::nullopt;
}

std::optional<double> ParseShownNumber(const QString& text) {
    bool ok = false;
    const double v = QLocale().toDouble(text.trimmed(), &ok);
    if (ok && std::isfinite(v))
        return v;
    return ParseNumber(text);
}

} // namespace tessellon
