#include "print/overview_image.h"

#include "print/image_overview_pictures.h"

#include "layout/sheet_grid.h"
#include "layout/sheet_names.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tessellon {

ImageObject OverviewImage::Render(const PosterOverview& overview, const ImageObject& img) {
    return Render(overview, ImageOverviewPictures(img));
}

ImageObject OverviewImage::Render(const PosterOverview& overview,
                                  const OverviewPictureSource& pictures) {
    QImage picture = pictures.Picture(overview, kLongSide);
    if (picture.isNull())
        return {};
    const QRectF whole(0, 0, picture.width(), picture.height());
    const SheetGrid grid(overview.geometry);
    const std::vector<SheetBox> sheets = grid.Sheets(whole);

    struct Label {
        QString name;
        QPoint topLeft;
        int fontSize = 0; // points at 96 pixels per inch
        QRect background;
    };
    std::vector<Label> labels;
    for (const SheetBox& sheet : sheets) {
        const QRectF& u = sheet.uncovered;
        const int pixels =
            std::clamp(static_cast<int>(0.3 * std::min(u.width(), u.height())), 12, 60);
        Label label{SheetNames::Name(sheet.row, sheet.column), {}, std::max(1, pixels * 3 / 4), {}};
        const auto extent = ImageObject::MeasureText(label.name, label.fontSize);
        if (!extent) {
            labels.clear();
            break;
        }
        label.topLeft =
            (u.center() - QPointF(extent->width() / 2.0, extent->height() / 2.0)).toPoint();
        const int pad = pixels / 4;
        label.background = QRect(label.topLeft, *extent).adjusted(-pad, 0, pad, 0);
        labels.push_back(label);
    }

    {
        QPainter painter(&picture);
        for (const QRectF& strip : grid.Strips(whole))
            painter.fillRect(strip, QColor(255, 255, 255, 110));
        for (const auto& [width, colour] : {std::pair{3, Qt::white}, std::pair{1, Qt::black}}) {
            painter.setPen(QPen(colour, width));
            for (const SheetBox& sheet : sheets)
                painter.drawRect(sheet.box);
        }
        for (const Label& label : labels)
            painter.fillRect(label.background, Qt::white);
    }
    ImageObject out = ImageObject::FromImage(picture);
    for (const Label& label : labels)
        (void)out.DrawText(label.topLeft.x(), label.topLeft.y(), label.name, label.fontSize,
                           Qt::black);
    out.SetIccProfile(pictures.IccProfile());
    return out;
}

} // namespace tessellon
