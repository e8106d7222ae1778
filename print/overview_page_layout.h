#pragma once

#include "layout/sheet_grid.h"
#include "layout/sheet_names.h"
#include "print/poster_overview.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <vector>

namespace tessellon {

// A line of text placed on a page: its left end on the baseline, in points from the top-left
// corner.
struct PlacedText {
    QString text;
    QPointF baseline;
    double size = 0;
};

// A sheet's name on the overview picture, on a light box of its own.
struct SheetLabel {
    PlacedText text;
    QRectF background;
};

// Where everything of the overview page goes, in points from the page's top-left corner: the
// heading, the facts and the steps, wrapped to their column, and the picture of the whole
// poster, as large as the page allows, with its text above or beside it (whichever leaves the
// larger picture). The sheets, their shared strips and their names lie on that picture.
class OverviewPageLayout {
public:
    // The advance width of a text at a size in points.
    using TextWidth = std::function<double(const QString& text, double size)>;

    OverviewPageLayout(QSizeF page, const PosterOverview& overview, const TextWidth& width);

    // The blank border around everything: 6 % of the shorter side, 1/4 to 1/2 inch.
    static double Margin(QSizeF page);
    // The size of the facts and steps: 1/50 of the shorter side, 6 to 10 points; the heading
    // is half as large again.
    static double BodySize(QSizeF page);

    const QRectF& Picture() const { return picture_; }
    const std::vector<PlacedText>& Texts() const { return texts_; }
    std::vector<SheetBox> Sheets() const;
    std::vector<QRectF> Strips() const;
    // Each sheet's name, centred in the part of the sheet no neighbour covers.
    std::vector<SheetLabel> Labels() const;

private:
    struct Block {
        std::vector<PlacedText> lines; // baselines measured from the block's top-left corner
        double height = 0;
    };
    Block Layout(double width) const;

    PosterOverview overview_;
    TextWidth width_;
    double body_ = 0;
    QRectF picture_;
    std::vector<PlacedText> texts_;
};

} // namespace tessellon
