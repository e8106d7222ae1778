#include "common/string_table.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace tessellon {
namespace {

struct Entry {
    int id;
    const char* text;
};

// Sorted by identifier.
constexpr std::array kEntries = {
    Entry{181, QT_TRANSLATE_NOOP(
                   "StringTable",
                   "This option compensates for any edge clipping (cutting off of an image's left, "
                   "right, top or bottom edges) that happens in your printer.  Edge Clipping "
                   "primarily occurs with borderless printing.  Click on the Edit button to create "
                   "or modify an Edge Calibration Profile for your printer.  The Edge Calibration "
                   "Profile defines how much edge clipping your printer does (see the help file "
                   "for more information on this).")},
    Entry{182, QT_TRANSLATE_NOOP("StringTable", "Edge Calibration Introduction")},
    Entry{185, QT_TRANSLATE_NOOP("StringTable",
                                 "No image selected.  Please select an image from the file listbox")},
    Entry{186, QT_TRANSLATE_NOOP("StringTable", "No Image Selected")},
    Entry{201, QT_TRANSLATE_NOOP("StringTable", "full width")},
    Entry{202, QT_TRANSLATE_NOOP("StringTable", "center")},
    Entry{203, QT_TRANSLATE_NOOP("StringTable", "left")},
    Entry{204, QT_TRANSLATE_NOOP("StringTable", "right")},
    Entry{205, QT_TRANSLATE_NOOP("StringTable", "up")},
    Entry{206, QT_TRANSLATE_NOOP("StringTable", "down")},
    Entry{207, QT_TRANSLATE_NOOP("StringTable", "inches")},
    Entry{208, QT_TRANSLATE_NOOP("StringTable", "cm")},
    Entry{209, QT_TRANSLATE_NOOP("StringTable", "Excellent")},
    Entry{210, QT_TRANSLATE_NOOP("StringTable", "Very Good")},
    Entry{211, QT_TRANSLATE_NOOP("StringTable", "Good")},
    Entry{212, QT_TRANSLATE_NOOP("StringTable", "Fair")},
    Entry{213, QT_TRANSLATE_NOOP("StringTable", "Good from a distance")},
    Entry{214, QT_TRANSLATE_NOOP("StringTable", "Fair from a distance")},
    Entry{218, QT_TRANSLATE_NOOP("StringTable", "Invalid tile configuration")},
    Entry{219, QT_TRANSLATE_NOOP("StringTable", "Invalid")},
    Entry{225, QT_TRANSLATE_NOOP("StringTable", "to")},
    Entry{226, QT_TRANSLATE_NOOP("StringTable", "inches")},
    Entry{227, QT_TRANSLATE_NOOP("StringTable", "millimeters")},
    Entry{228, QT_TRANSLATE_NOOP("StringTable", "Invalid Tile Print Size Entered")},
    Entry{229, QT_TRANSLATE_NOOP("StringTable", "Inches")},
    Entry{230, QT_TRANSLATE_NOOP("StringTable", "Millimeters")},
    Entry{233, QT_TRANSLATE_NOOP("StringTable", "full height")},
    Entry{234, QT_TRANSLATE_NOOP("StringTable", "dots")},
    Entry{235, QT_TRANSLATE_NOOP("StringTable", "You have entered invalid print tile sizes.  The "
                                                "width and height need to be in the range of")},
    Entry{328, QT_TRANSLATE_NOOP("StringTable", "Poster Preview")},
    Entry{329, QT_TRANSLATE_NOOP("StringTable", "Close")},
    Entry{330, QT_TRANSLATE_NOOP("StringTable", "Invalid print size values")},
    Entry{331, QT_TRANSLATE_NOOP("StringTable", "Invalid information")},
    Entry{520, QT_TRANSLATE_NOOP("StringTable", "No Rotate")},
    Entry{521, QT_TRANSLATE_NOOP("StringTable", "CW Rotate")},
    Entry{522, QT_TRANSLATE_NOOP("StringTable", "CCW Rotate")},
    Entry{523, QT_TRANSLATE_NOOP("StringTable", "180 Rotate")},
};

static_assert(std::is_sorted(kEntries.begin(), kEntries.end(),
                             [](const Entry& a, const Entry& b) { return a.id < b.id; }));

const Entry* Find(int id) {
    const auto it = std::lower_bound(kEntries.begin(), kEntries.end(), id,
                                     [](const Entry& e, int key) { return e.id < key; });
    return it != kEntries.end() && it->id == id ? &*it : nullptr;
}

} // namespace

QString StringTable::Text(int id) {
    const Entry* e = Find(id);
    return e ? QCoreApplication::translate("StringTable", e->text) : QString();
}

bool StringTable::Has(int id) { return Find(id) != nullptr; }

} // namespace tessellon
