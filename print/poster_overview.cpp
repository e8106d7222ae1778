#include "print/poster_overview.h"

#include "imaging/image_reducer.h"

#include "layout/poster_state.h"
#include "paper/paper_model.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tessellon {

std::optional<PosterOverview> PosterOverview::For(const PosterState& poster, bool marks,
                                                  bool margins) {
    const auto in = poster.GeometryInput();
    const auto output = poster.UpdateOutputSize();
    if (!in || !output)
        return std::nullopt;
    const TileCoordTable table = poster.CalcTileCoord();
    if (!table.IsValid() || table.count < 1)
        return std::nullopt;
    PosterOverview o;
    o.geometry = *in;
    o.window = QRect(table.x0, table.y0, table.windowWidth, table.windowHeight);
    const PaperLabels paper = poster.UpdatePaperLabels();
    o.heading = tr("Poster overview");
    // The unit as a word inside a sentence.
    const QString unitWord = IsMillimeters(poster.getCurUnits()) ? tr("millimeters") : tr("inches");
    o.facts << tr("Final size: %1").arg(output->finalSize)
            << tr("Paper: %1, %2 %3")
                   .arg(PaperModel::ShownName(paper.paperName), paper.paperSize.trimmed(), unitWord)
            << tr("Sheets: %1, %2 across and %3 down")
                   .arg(in->tilesWide * in->tilesHigh)
                   .arg(in->tilesWide)
                   .arg(in->tilesHigh);
    const bool overlap = in->overlap > 0;
    if (overlap)
        o.facts << tr("Overlap: %1 %2").arg(paper.overlap.trimmed(), unitWord);
    if (const auto share = poster.UpdatePhotoShare(); share && poster.bImgSelected)
        o.facts << tr("Photo shown: %1").arg(*share);

    o.steps << tr("Print the sheets at 100% (actual size) on this paper; this page is not part of "
                  "the poster.")
            << tr("Lay the sheets out as shown: A1 at the top left, A2 to its right, B1 below it.");
    // Turned tiles hold the poster's top at the sheet's left edge.
    if (poster.bTileRotated)
        o.steps << tr("The sheets print turned: the top of the poster is at each sheet's left "
                      "edge. Turn every sheet a quarter turn clockwise before laying it out.");
    if (overlap && marks)
        o.steps << tr("Sheets to the right and below lie on top: cut each along its cut line, lay "
                      "it over the glue area of its neighbour so that the pictures match, and "
                      "glue it there.");
    else if (overlap)
        o.steps << tr("Sheets to the right and below lie on top: trim off any margin on their "
                      "left and top edges, lay them over the shared strip of their neighbour so "
                      "that the pictures match, and glue them there.");
    else if (!margins)
        o.steps << tr("The sheets have no margins: butt them edge to edge.");
    else if (marks)
        o.steps << tr("Trim every sheet at its corner crop marks, where the picture ends, then "
                      "butt the sheets edge to edge.");
    else
        o.steps << tr("Trim the margins off every sheet along the edge of the picture, then butt "
                      "the sheets edge to edge.");
    o.steps << tr("Start at A1 and work to the right and down; tape or glue the sheets to a "
                  "backing board or the wall.");
    return o;
}

std::optional<PosterOverview::PictureSteps> PosterOverview::StepsFor(QSize image,
                                                                     int longSide) const {
    const QRect inside = window & QRect(QPoint(0, 0), image);
    if (inside.isEmpty() || longSide < 1)
        return std::nullopt;
    const double scale = static_cast<double>(longSide) / std::max(window.width(), window.height());
    const int w = std::max(1, static_cast<int>(std::lround(window.width() * scale)));
    const int h = std::max(1, static_cast<int>(std::lround(window.height() * scale)));
    // About twice the final size (at least once) is kept for the smooth scaling to finish from;
    // a photo less than four times the final size is halved all the same, as smooth-scaling
    // the whole photo costs more than the rest of the page.
    const int ratio = std::min(inside.width() / w, inside.height() / h);
    const int factor = ratio >= 2 ? std::max(2, ratio / 2) : 1;
    return PictureSteps{inside, factor, QSize(w, h)};
}

QImage PosterOverview::Finished(const QImage& reduced, QSize size) {
    // Scaled in 32 bits, the format the rows' reduction gives, so that a photo decoded whole
    // (24 bits) gives the same picture.
    return reduced.convertToFormat(QImage::Format_RGB32)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB888);
}

QImage PosterOverview::Picture(const ImageObject& img, int longSide) const {
    const PixelArray pixels = img.ReadPixels();
    const QImage& source = pixels.Image();
    const auto steps = StepsFor(source.size(), longSide);
    if (!steps)
        return {};
    const QRect& inside = steps->inside;
    return Finished(
        steps->factor > 1
            ? ImageReducer::BoxReduced(source, inside, steps->factor)
            // The window read in place: no copy of the photo.
            : QImage(source.constBits() + inside.top() * source.bytesPerLine() + inside.left() * 3,
                     inside.width(), inside.height(), source.bytesPerLine(), source.format()),
        steps->size);
}

} // namespace tessellon
