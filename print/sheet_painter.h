#pragma once

#include "print/assembly_aids.h"
#include "print/poster_overview.h"
#include "print/sheet_layout.h"

#include <QImage>
#include <QSizeF>

class QPainter;

namespace tessellon {

// Draws the pages of the poster PDF with a QPainter (on a printer, or an image): a sheet with
// its tile picture and assembly aids, and the overview page. The pages are planned exactly as
// the PDF's are (SheetAids, OverviewPageLayout, with Helvetica's widths), so the two ways of
// drawing show the same page.
//
// The painter measures in points from the page's top-left corner.
class SheetPainter {
public:
    // Sheet `index` (tile order) of the poster `layout` describes, with `picture` stretched to
    // the tile print area.
    static void PaintSheet(QPainter& painter, const SheetLayout& layout, int index,
                           const AssemblyAids& aids, const QImage& picture);
    // The overview page on paper of `page`; `picture` is the poster's picture (may be null).
    static void PaintOverviewPage(QPainter& painter, QSizeF page, const PosterOverview& overview,
                                  const QImage& picture);
    // Scales `painter` so that one unit is one point on a device of `dotsPerInch`.
    static void UsePoints(QPainter& painter, double dotsPerInch);
};

} // namespace tessellon
