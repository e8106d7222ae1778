#pragma once

#include "common/result.h"
#include "common/units.h"
#include "paper/paper_preset.h"

#include <QString>

namespace tessellon {

// The margins a printer's driver cannot print on, for a paper of the paper window, in that
// window's unit: what the window offers as "Printer Margins".
class PrinterMargins {
public:
    // The printer the paper window asks: the default one, else the only one; empty: none.
    static QString PrinterName();
    // The unprintable margins (top, right, bottom, left) of `printer`'s paper of `size` (in
    // `units`, either way round), or why there are none. A sheet wider than high takes, on each
    // side, the larger margin of the pair it may be turned onto, so nothing falls off
    // whichever way the driver turns it.
    static Result<MarginValues> For(const QString& printer, const PaperSize& size, UnitCode units);
};

} // namespace tessellon
