#include "printing/sheet_range.h"

#include "layout/sheet_names.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <set>

namespace tessellon {
namespace {

// One end of a range: a sheet's name or number, as its tile index.
std::optional<int> Sheet(const QString& text, int wide, int high) {
    static const QRegularExpression name(QStringLiteral("^([A-Za-z])(\\d{1,2})$"));
    bool number = false;
    const int n = text.toInt(&number);
    if (number)
        return n >= 1 && n <= wide * high ? std::optional<int>(n - 1) : std::nullopt;
    const auto m = name.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int row = m.captured(1).toUpper().at(0).unicode() - u'A';
    const int column = m.captured(2).toInt() - 1;
    if (row >= high || column < 0 || column >= wide)
        return std::nullopt;
    return row * wide + column;
}

} // namespace

Result<std::vector<int>> SheetRange::Parse(const QString& text, int tilesWide, int tilesHigh) {
    std::set<int> sheets;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        QString piece = part.trimmed();
        piece.replace(QChar(0x2013), u'-');
        const QStringList ends = piece.split(u'-');
        const auto first = Sheet(ends.front().trimmed(), tilesWide, tilesHigh);
        const auto last = Sheet(ends.back().trimmed(), tilesWide, tilesHigh);
        if (ends.size() > 2 || !first || !last || *last < *first)
            return Result<>::Fail(QCoreApplication::translate(
                                      "SheetRange",
                                      "No such sheet or range on a poster of %1 \u00d7 %2 sheets: "
                                      "%3 (name sheets as they are labelled, A1 to %4, or number "
                                      "them 1 to %5)")
                                      .arg(tilesWide)
                                      .arg(tilesHigh)
                                      .arg(piece, SheetNames::Name(tilesHigh - 1, tilesWide - 1))
                                      .arg(tilesWide * tilesHigh));
        for (int i = *first; i <= *last; ++i)
            sheets.insert(i);
    }
    return std::vector<int>(sheets.begin(), sheets.end());
}

QString SheetRange::Names(const std::vector<int>& sheets, int tilesWide) {
    QStringList parts;
    const auto name = [&](int i) { return SheetNames::Name(i / tilesWide, i % tilesWide); };
    for (size_t i = 0; i < sheets.size();) {
        size_t j = i;
        while (j + 1 < sheets.size() && sheets[j + 1] == sheets[j] + 1)
            ++j;
        parts << (j == i ? name(sheets[i]) : name(sheets[i]) + QChar(0x2013) + name(sheets[j]));
        i = j + 1;
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace tessellon
