#pragma once

#include "common/units.h"
#include "paper/paper_preset.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tessellon {

class PaperModel;

// The names --paper accepts, in any letter case: a preset's full name as the paper list shows
// it, or a short name made from it - the figures ("4x6", "8.5x11", "210x297"), the first word
// where only one preset has it ("letter", "legal", "canvas", "a4"), and "custom" for the custom
// entry. A name belongs to one unit's list, so it also decides the unit, unless the user asks
// for the other unit: then the sheet is measured in that unit, as its custom entry.
class PaperNames {
public:
    explicit PaperNames(const PaperModel& model);

    struct Found {
        UnitCode units = kUnitInches;
        int position = 0;
        // A preset of the other unit's list, converted: the custom entry's size and margins.
        std::optional<PaperSize> size;
        std::optional<MarginValues> margins;
    };
    struct Lookup {
        std::optional<Found> found;
        QString error; // when nothing was found
    };
    // `units` is the unit the user asked for, if any. Without it "custom" means the inch
    // list's custom entry.
    Lookup Find(const QString& name, std::optional<UnitCode> units) const;

    // The short names in list order, inch list first.
    QStringList ShortNames() const;
    // Up to `count` short names closest to `name` (fewest single-letter edits), closest first.
    QStringList Nearest(const QString& name, int count = 3) const;

private:
    struct Entry {
        QString name; // lower case
        UnitCode units;
        int position;
        bool isShort;
    };
    QList<Entry> entries_;
    const PaperModel& model_;
};

} // namespace tessellon
