#include "print/sheet_aids.h"

#include "layout/sheet_names.h"
#include "print/sheet_layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace tessellon {
namespace {

// Sides of the page, and directions in the poster, in the same order.
enum Side { kTop, kRight, kBottom, kLeft };
constexpr std::array<Side, 4> kSides{kTop, kRight, kBottom, kLeft};

bool Horizontal(Side s) {
    return s == kTop || s == kBottom;
}
// +1 where a side's outside lies toward growing coordinates.
double Outward(Side s) {
    return s == kRight || s == kBottom ? 1 : -1;
}
double Edge(const QRectF& r, Side s) {
    switch (s) {
    case kTop:
        return r.top();
    case kRight:
        return r.right();
    case kBottom:
        return r.bottom();
    case kLeft:
        return r.left();
    }
    return 0;
}
void MoveEdge(QRectF& r, Side s, double to) {
    switch (s) {
    case kTop:
        r.setTop(to);
        break;
    case kRight:
        r.setRight(to);
        break;
    case kBottom:
        r.setBottom(to);
        break;
    case kLeft:
        r.setLeft(to);
        break;
    }
}
Side Opposite(Side s) {
    return static_cast<Side>((s + 2) % 4);
}
// The sides across `s`, the ends of its edge.
std::array<Side, 2> Across(Side s) {
    return Horizontal(s) ? std::array{kLeft, kRight} : std::array{kTop, kBottom};
}

// Tiles printed turned have been turned a quarter counter-clockwise: the poster's right lies
// at the top of the sheet, its top at the sheet's left.
Side SheetSide(Side posterDirection, bool turned) {
    return turned ? static_cast<Side>((posterDirection + 3) % 4) : posterDirection;
}

struct Neighbour {
    int row = -1;
    int column = -1;
    bool onTop = false; // it lies on top of this sheet, covering the strip on this side
};

class Planner {
public:
    Planner(const SheetLayout& layout, int row, int column, const SheetAids::TextWidth& width)
        : layout_(layout), textWidth_(width), row_(row), column_(column) {}

    SheetAidsPlan Run() {
        FindNeighbours();
        trimmed_ = layout_.trims ? layout_.picture.marginsRemoved(*layout_.trims) : layout_.picture;
        surviving_ = layout_.trims ? trimmed_ : QRectF(QPointF(0, 0), layout_.page);
        plan_.visible = trimmed_;
        const double overlap = layout_.overlap;
        for (const Side s : kSides)
            if (neighbours_[s] && neighbours_[s]->onTop)
                MoveEdge(plan_.visible, s, Edge(trimmed_, s) - Outward(s) * overlap);
        for (const Side s : kSides) {
            if (!neighbours_[s])
                continue;
            if (overlap > 0 && neighbours_[s]->onTop)
                Hatch(s);
            else if (overlap > 0)
                CutLine(s);
        }
        if (overlap <= 0)
            CropMarks();
        for (const Side s : kSides)
            if (neighbours_[s])
                NeighbourMark(s);
        OwnLabel();
        return plan_;
    }

private:
    void FindNeighbours() {
        // The poster's directions: up, right, down, left. Sheets to the right and below lie
        // on top.
        const std::array<std::array<int, 2>, 4> steps{{{-1, 0}, {0, 1}, {1, 0}, {0, -1}}};
        for (const Side d : kSides) {
            const int r = row_ + steps[d][0];
            const int c = column_ + steps[d][1];
            if (r < 0 || c < 0 || r >= layout_.tilesHigh || c >= layout_.tilesWide)
                continue;
            neighbours_[SheetSide(d, layout_.turned)] =
                Neighbour{r, c, d == kRight || d == kBottom};
        }
    }

    // What lies between the visible picture and the edge of print on side `s`, all along it.
    QRectF Band(Side s) const {
        QRectF band = surviving_;
        MoveEdge(band, Opposite(s), Edge(plan_.visible, s));
        return band;
    }
    double Thickness(Side s) const {
        return std::max(0.0, Outward(s) * (Edge(surviving_, s) - Edge(plan_.visible, s)));
    }

    void Hatch(Side s) {
        QRectF strip = trimmed_;
        MoveEdge(strip, Opposite(s), Edge(plan_.visible, s));
        if (strip.isEmpty())
            return;
        plan_.glue.push_back(AidLines{SheetAids::Hatch(strip, SheetAids::kHatchSpacing), strip});
    }

    // The line along the picture's edge on side `s`, just outside it, through the whole band.
    void CutLine(Side s) {
        if (Thickness(s) < SheetAids::kLineWidth)
            return;
        const QRectF band = Band(s);
        const double at = Edge(plan_.visible, s) + Outward(s) * SheetAids::kLineWidth / 2;
        const QLineF line = Horizontal(s) ? QLineF(band.left(), at, band.right(), at)
                                          : QLineF(at, band.top(), at, band.bottom());
        plan_.cuts.push_back(AidLines{{line}, band});
    }

    // Each edge of the picture continued a little beyond both of its corners.
    void CropMarks() {
        for (const Side s : kSides) {
            const double at = Edge(plan_.visible, s);
            for (const Side end : Across(s)) {
                const double length =
                    std::min(SheetAids::kMarkLength, Thickness(end) - SheetAids::kMarkGap);
                if (length < 2)
                    continue;
                const double from = Edge(plan_.visible, end) + Outward(end) * SheetAids::kMarkGap;
                const double to = from + Outward(end) * length;
                const QLineF line =
                    Horizontal(s) ? QLineF(from, at, to, at) : QLineF(at, from, at, to);
                plan_.cuts.push_back(AidLines{{line}, Band(end)});
            }
        }
    }

    // A box of `size` in the band of side `s`, centred across the margin part of the band,
    // else across the covered strip, else across the whole band; `along` places it along the
    // band. Empty when it does not fit or meets what is already placed.
    std::optional<QRectF> Place(Side s, QSizeF size, double along) const {
        const QRectF band = Band(s);
        QRectF margin = band;
        MoveEdge(margin, Opposite(s), Edge(trimmed_, s));
        QRectF strip = band;
        MoveEdge(strip, s, Edge(trimmed_, s));
        for (const QRectF& part : {margin, strip, band}) {
            QRectF box(QPointF(0, 0), size);
            if (Horizontal(s))
                box.moveTo(along, part.center().y() - size.height() / 2);
            else
                box.moveTo(part.center().x() - size.width() / 2, along);
            if (part.isEmpty() || !part.contains(box))
                continue;
            const auto meets = [&](const AidText& t) { return t.box.intersects(box); };
            if (std::none_of(plan_.labels.begin(), plan_.labels.end(), meets))
                return box;
        }
        return std::nullopt;
    }

    QSizeF TextBox(const QString& text) const {
        const double pad = SheetAids::kPadding;
        return {textWidth_(text, SheetAids::kTextSize) + 2 * pad, SheetAids::kTextSize + 2 * pad};
    }
    // Where the text starts in a box made by TextBox: Helvetica's capitals rise 0.72 of the
    // size above the baseline, its descenders reach 0.21 below.
    static QPointF Baseline(const QRectF& box) {
        return {box.left() + SheetAids::kPadding,
                box.top() + SheetAids::kPadding + 0.75 * SheetAids::kTextSize};
    }

    // A triangle pointing out of side `s`, centred on `centre`.
    void Arrow(Side s, QPointF centre, QRectF clip) {
        const double half = SheetAids::kArrowSize / 2;
        const double depth = SheetAids::kArrowSize * 0.7;
        const double o = Outward(s);
        QPointF tip, a, b;
        if (Horizontal(s)) {
            tip = {centre.x(), centre.y() + o * depth / 2};
            a = {centre.x() - half, centre.y() - o * depth / 2};
            b = {centre.x() + half, centre.y() - o * depth / 2};
        } else {
            tip = {centre.x() + o * depth / 2, centre.y()};
            a = {centre.x() - o * depth / 2, centre.y() - half};
            b = {centre.x() - o * depth / 2, centre.y() + half};
        }
        plan_.arrows.push_back(AidLines{{QLineF(a, tip), QLineF(tip, b), QLineF(b, a)}, clip});
    }

    // The neighbour's name beside a triangle pointing to it, in the middle of side `s`: in a
    // row along the top and bottom, the triangle above the name at the sides.
    void NeighbourMark(Side s) {
        const Neighbour& n = *neighbours_[s];
        const QString name = SheetNames::Name(n.row, n.column);
        const double pad = SheetAids::kPadding;
        const double size = SheetAids::kTextSize;
        const double arrow = SheetAids::kArrowSize;
        const double textWidth = textWidth_(name, size);
        const QPointF mid = plan_.visible.center();
        if (Horizontal(s)) {
            const QSizeF box(arrow + 2 + textWidth + 2 * pad, size + 2 * pad);
            const auto at = Place(s, box, mid.x() - box.width() / 2);
            if (!at)
                return;
            const QPointF baseline = Baseline(*at);
            plan_.labels.push_back(AidText{name, baseline + QPointF(arrow + 2, 0), *at});
            Arrow(s, QPointF(at->left() + pad + arrow / 2, baseline.y() - 0.36 * size), *at);
        } else {
            const QSizeF box(std::max(textWidth, arrow) + 2 * pad, arrow + 1.5 + size + 2 * pad);
            const auto at = Place(s, box, mid.y() - box.height() / 2);
            if (!at)
                return;
            const QPointF baseline(at->center().x() - textWidth / 2,
                                   at->bottom() - pad - 0.25 * size);
            plan_.labels.push_back(AidText{name, baseline, *at});
            Arrow(s, QPointF(at->center().x(), at->top() + pad + arrow / 2), *at);
        }
    }

    // "B3 of 5 × 4" at the start or end of a band, bottom first; only the name where the
    // whole label finds no room.
    void OwnLabel() {
        const QString texts[] = {
            SheetNames::NameInLayout(row_, column_, layout_.tilesWide, layout_.tilesHigh),
            SheetNames::Name(row_, column_)};
        const QRectF& v = plan_.visible;
        const double inset = 2; // clear of the crop marks that continue the picture's edges
        for (const QString& text : texts) {
            const QSizeF size = TextBox(text);
            for (const Side s : {kBottom, kTop, kRight, kLeft}) {
                const double start = Horizontal(s) ? v.left() + inset : v.top() + inset;
                const double end = Horizontal(s) ? v.right() - inset - size.width()
                                                 : v.bottom() - inset - size.height();
                for (const double along : {start, end}) {
                    if (const auto box = Place(s, size, along)) {
                        plan_.labels.insert(plan_.labels.begin(),
                                            AidText{text, Baseline(*box), *box});
                        return;
                    }
                }
            }
        }
    }

    const SheetLayout& layout_;
    const SheetAids::TextWidth& textWidth_;
    int row_;
    int column_;
    std::array<std::optional<Neighbour>, 4> neighbours_;
    QRectF trimmed_;   // the picture less what the printer cuts off
    QRectF surviving_; // what prints
    SheetAidsPlan plan_;
};

} // namespace

std::vector<QLineF> SheetAids::Hatch(const QRectF& box, double spacing) {
    // Lines x + y = c, c a whole multiple of the spacing.
    std::vector<QLineF> lines;
    for (double c = std::floor((box.left() + box.top()) / spacing) * spacing;
         c <= box.right() + box.bottom(); c += spacing)
        lines.emplace_back(c - box.top(), box.top(), c - box.bottom(), box.bottom());
    return lines;
}

SheetAidsPlan SheetAids::Plan(const SheetLayout& layout, int row, int column,
                              const TextWidth& textWidth) {
    return Planner(layout, row, column, textWidth).Run();
}

} // namespace tessellon
