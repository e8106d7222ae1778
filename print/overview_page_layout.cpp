#include "print/overview_page_layout.h"

#include <algorithm>

namespace tessellon {
namespace {

constexpr double kLeading = 1.3;     // line height per point of text size
constexpr double kColumnShare = 0.4; // the text column beside the picture, of the content width

// The largest box of width-to-height ratio `ratio` in `area`, at its top, centred across.
QRectF Fit(const QRectF& area, double ratio) {
    if (area.width() <= 0 || area.height() <= 0 || ratio <= 0)
        return {};
    QSizeF size(area.width(), area.width() / ratio);
    if (size.height() > area.height())
        size = QSizeF(area.height() * ratio, area.height());
    return QRectF(area.left() + (area.width() - size.width()) / 2, area.top(), size.width(),
                  size.height());
}

} // namespace

double OverviewPageLayout::Margin(QSizeF page) {
    return std::clamp(0.06 * std::min(page.width(), page.height()), 18.0, 36.0);
}

double OverviewPageLayout::BodySize(QSizeF page) {
    return std::clamp(std::min(page.width(), page.height()) / 50, 6.0, 10.0);
}

OverviewPageLayout::OverviewPageLayout(QSizeF page, const PosterOverview& overview,
                                       const TextWidth& width)
    : overview_(overview), width_(width), body_(BodySize(page)) {
    const double m = Margin(page);
    const QRectF content(m, m, page.width() - 2 * m, page.height() - 2 * m);
    const double gap = 1.5 * body_;
    const PosterGeometry geometry(overview.geometry);
    const double ratio = geometry.Ratio();

    // The text above the picture, or in a column to its right.
    const Block above = Layout(content.width());
    const QRectF pictureAbove = Fit(content.adjusted(0, above.height + gap, 0, 0), ratio);
    const double columnWidth = content.width() * kColumnShare;
    const Block beside = Layout(columnWidth);
    const QRectF pictureBeside = beside.height <= content.height()
                                     ? Fit(content.adjusted(0, 0, -columnWidth - gap, 0), ratio)
                                     : QRectF();

    QPointF textTopLeft = content.topLeft();
    const Block* block = &above;
    picture_ = pictureAbove;
    if (pictureBeside.width() > pictureAbove.width()) {
        picture_ = pictureBeside;
        block = &beside;
        textTopLeft = QPointF(content.right() - columnWidth, content.top());
    }
    for (PlacedText line : block->lines) {
        line.baseline += textTopLeft;
        texts_.push_back(line);
    }
}

OverviewPageLayout::Block OverviewPageLayout::Layout(double width) const {
    Block block;
    const auto add = [&](const QString& text, double size, double indent) {
        block.lines.push_back(PlacedText{text, QPointF(indent, block.height + size), size});
        block.height += size * kLeading;
    };
    // Greedy word wrap; the first line starts with `prefix`, the others are indented by it. A
    // word longer than the line stands alone.
    const auto wrapped = [&](const QString& text, double size, const QString& prefix) {
        const double indent = prefix.isEmpty() ? 0 : width_(prefix, size);
        QString line = prefix;
        double lineIndent = 0;
        bool empty = true;
        for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
            const QString candidate = empty ? line + word : line + u' ' + word;
            if (!empty && lineIndent + width_(candidate, size) > width) {
                add(line, size, lineIndent);
                line = word;
                lineIndent = indent;
            } else {
                line = candidate;
            }
            empty = false;
        }
        if (!empty)
            add(line, size, lineIndent);
    };
    add(overview_.heading, body_ * 1.5, 0);
    for (const QString& fact : overview_.facts)
        wrapped(fact, body_, {});
    block.height += body_ * kLeading / 2;
    for (int i = 0; i < overview_.steps.size(); ++i)
        wrapped(overview_.steps[i], body_, QString::number(i + 1) + QStringLiteral(". "));
    return block;
}

std::vector<SheetBox> OverviewPageLayout::Sheets() const {
    return SheetGrid(overview_.geometry).Sheets(picture_);
}

std::vector<QRectF> OverviewPageLayout::Strips() const {
    return SheetGrid(overview_.geometry).Strips(picture_);
}

std::vector<SheetLabel> OverviewPageLayout::Labels() const {
    std::vector<SheetLabel> out;
    for (const SheetBox& sheet : Sheets()) {
        const QRectF& u = sheet.uncovered;
        const double size = std::clamp(0.3 * std::min(u.width(), u.height()), 4.0, 3 * body_);
        const QString name = SheetNames::Name(sheet.row, sheet.column);
        const double w = width_(name, size);
        const QPointF centre = u.center();
        SheetLabel label;
        label.text = PlacedText{name, QPointF(centre.x() - w / 2, centre.y() + 0.35 * size), size};
        label.background = QRectF(centre.x() - w / 2 - 0.3 * size, centre.y() - 0.6 * size,
                                  w + 0.6 * size, 1.2 * size);
        out.push_back(label);
    }
    return out;
}

} // namespace tessellon
