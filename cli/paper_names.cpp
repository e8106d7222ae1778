#include "cli/paper_names.h"

#include "paper/paper_model.h"

#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace tessellon {
namespace {

const QString kCustom = QStringLiteral("custom");

int EditDistance(const QString& a, const QString& b) {
    std::vector<int> row(static_cast<size_t>(b.size()) + 1);
    for (size_t j = 0; j < row.size(); ++j)
        row[j] = static_cast<int>(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const auto jj = static_cast<size_t>(j);
            const int replaced = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
            diagonal = row[jj];
            row[jj] = std::min({row[jj] + 1, row[jj - 1] + 1, replaced});
        }
    }
    return row.back();
}

} // namespace

PaperNames::PaperNames(const PaperModel& model) : model_(model) {
    static const QRegularExpression figuresRe(QStringLiteral("([0-9.]+)\"? x ([0-9.]+)\"?$"));
    // A first word counts as a short name only when a single preset of all lists has it
    // ("Photo" names three).
    QHash<QString, int> wordCount;
    for (const UnitCode units : {kUnitInches, kUnitMillimeters})
        for (const PaperPreset& preset : model.Presets(units))
            ++wordCount[preset.sName.section(u' ', 0, 0).toLower()];

    for (const UnitCode units : {kUnitInches, kUnitMillimeters}) {
        const QList<PaperPreset>& presets = model.Presets(units);
        for (int i = 0; i < presets.size(); ++i) {
            entries_.append({presets[i].sName.toLower(), units, i, false});
            if (PaperModel::IsCustom(units, i))
                continue;
            const QString word = presets[i].sName.section(u' ', 0, 0).toLower();
            if (wordCount.value(word) == 1)
                entries_.append({word, units, i, true});
            const auto m = figuresRe.match(presets[i].sName);
            if (m.hasMatch())
                entries_.append({m.captured(1) + u'x' + m.captured(2), units, i, true});
        }
    }
}

PaperNames::Lookup PaperNames::Find(const QString& name, std::optional<UnitCode> units) const {
    const QString key = name.trimmed().toLower();
    if (key == kCustom) {
        const UnitCode u = units.value_or(kUnitInches);
        return {Found{u, PaperModel::LastPreset(u), {}, {}}, {}};
    }
    for (const Entry& e : entries_) {
        if (e.name != key)
            continue;
        if (!units || *units == e.units)
            return {Found{e.units, e.position, {}, {}}, {}};
        const PaperPreset& preset = model_.Preset(e.units, e.position);
        const double factor = *units == kUnitMillimeters ? kMmPerInch : 1.0 / kMmPerInch;
        MarginValues margins = preset.DefaultMargins();
        for (double& m : margins)
            m *= factor;
        return {Found{*units, PaperModel::LastPreset(*units),
                      PaperSize{preset.dWidth * factor, preset.dHeight * factor}, margins},
                {}};
    }
    return {std::nullopt,
            QStringLiteral("Unknown paper: %1 (nearest: %2; see tessellon-cli papers)")
                .arg(name, Nearest(key).join(QStringLiteral(", ")))};
}

QStringList PaperNames::ShortNames() const {
    QStringList names;
    for (const Entry& e : entries_)
        if (e.isShort)
            names.append(e.name);
    names.append(kCustom);
    return names;
}

QStringList PaperNames::Nearest(const QString& name, int count) const {
    const QStringList names = ShortNames();
    const QString key = name.trimmed().toLower();
    std::vector<std::pair<int, qsizetype>> ranked; // distance, list position
    for (qsizetype i = 0; i < names.size(); ++i)
        ranked.emplace_back(EditDistance(key, names[i]), i);
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList nearest;
    for (const auto& [distance, i] : ranked) {
        if (nearest.size() == count)
            break;
        nearest.append(names[i]);
    }
    return nearest;
}

} // namespace tessellon
