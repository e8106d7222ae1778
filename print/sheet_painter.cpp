#include "print/sheet_painter.h"

#include "print/helvetica_metrics.h"
#include "print/overview_page_layout.h"
#include "print/sheet_aids.h"

#include <QFontMetricsF>
#include <QPainter>

#include <optional>
#include <vector>

namespace tessellon {
namespace {

QColor Grey(double grey) {
    return QColor::fromRgbF(static_cast<float>(grey), static_cast<float>(grey),
                            static_cast<float>(grey));
}

// Lines as the PDF strokes them: butt ends, mitred corners.
void Stroke(QPainter& painter, const std::vector<QLineF>& lines, double width, double grey,
            std::optional<QRectF> clip = std::nullopt) {
    painter.save();
    if (clip)
        painter.setClipRect(*clip, Qt::IntersectClip);
    painter.setPen(QPen(Grey(grey), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    painter.restore();
}

// The text in a sans-serif face made as wide as Helvetica's, so that it fills the box the
// plan measured for it whatever face the system has.
void Text(QPainter& painter, const HelveticaMetrics& helvetica, const QString& text,
          QPointF baseline, double size) {
    constexpr int kDrawSize = 100; // a whole pixel size, scaled down to `size`
    QFont font(QStringLiteral("Helvetica"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kDrawSize);
    // A text beyond WinAnsi (Polish) is drawn as it is, in the system's face, squeezed into
    // the width the plan gave it: its letters matter more than the exact proportions.
    const QString shown = HelveticaMetrics::Fits(text) ? HelveticaMetrics::Shown(text) : text;
    const double drawn = QFontMetricsF(font).horizontalAdvance(shown);
    const double wanted = helvetica.Width(text, kDrawSize);
    painter.save();
    painter.translate(baseline);
    painter.scale(size / kDrawSize * (drawn > 0 ? wanted / drawn : 1), size / kDrawSize);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0, 0), shown);
    painter.restore();
}

std::vector<QLineF> Outline(const QRectF& box) {
    return {QLineF(box.topLeft(), box.topRight()), QLineF(box.topRight(), box.bottomRight()),
            QLineF(box.bottomRight(), box.bottomLeft()), QLineF(box.bottomLeft(), box.topLeft())};
}

} // namespace

void SheetPainter::UsePoints(QPainter& painter, double dotsPerInch) {
    painter.scale(dotsPerInch / 72, dotsPerInch / 72);
}

void SheetPainter::PaintSheet(QPainter& painter, const SheetLayout& layout, int index,
                              const AssemblyAids& aids, const QImage& picture) {
    if (!picture.isNull())
        painter.drawImage(layout.picture, picture);
    if ((!aids.labels && !aids.marks) || layout.tilesWide < 1)
        return;
    const HelveticaMetrics helvetica;
    const auto width = [&](const QString& text, double size) {
        return helvetica.Width(text, size);
    };
    const SheetAidsPlan plan =
        SheetAids::Plan(layout, index / layout.tilesWide, index % layout.tilesWide, width);
    // In the PDF's order: glue areas, the labels' white ground, cut lines, arrows, texts.
    if (aids.marks)
        for (const AidLines& hatch : plan.glue)
            Stroke(painter, hatch.lines, SheetAids::kHatchWidth, SheetAids::kHatchGrey, hatch.clip);
    if (aids.labels)
        for (const AidText& label : plan.labels)
            painter.fillRect(label.box, Qt::white);
    if (aids.marks)
        for (const AidLines& cut : plan.cuts)
            Stroke(painter, cut.lines, SheetAids::kLineWidth, 0, cut.clip);
    if (aids.labels) {
        for (const AidLines& arrow : plan.arrows)
            Stroke(painter, arrow.lines, SheetAids::kLineWidth, 0, arrow.clip);
        for (const AidText& label : plan.labels)
            Text(painter, helvetica, label.text, label.baseline, SheetAids::kTextSize);
    }
}

void SheetPainter::PaintOverviewPage(QPainter& painter, QSizeF page, const PosterOverview& overview,
                                     const QImage& picture) {
    const HelveticaMetrics helvetica;
    const OverviewPageLayout layout(page, overview, [&](const QString& text, double size) {
        return helvetica.Width(text, size);
    });
    if (!picture.isNull())
        painter.drawImage(layout.Picture(), picture);
    // As the PDF's overview page: strips under a light screen, edges dark on a light line.
    for (const QRectF& strip : layout.Strips())
        Stroke(painter, SheetAids::Hatch(strip, 2.5), 0.6, 1, strip);
    std::vector<QLineF> edges;
    for (const SheetBox& sheet : layout.Sheets())
        for (const QLineF& line : Outline(sheet.box))
            edges.push_back(line);
    Stroke(painter, edges, 1.6, 1);
    Stroke(painter, edges, 0.6, 0);
    for (const SheetLabel& label : layout.Labels()) {
        painter.fillRect(label.background, Qt::white);
        Text(painter, helvetica, label.text.text, label.text.baseline, label.text.size);
    }
    for (const PlacedText& line : layout.Texts())
        Text(painter, helvetica, line.text, line.baseline, line.size);
}

} // namespace tessellon
