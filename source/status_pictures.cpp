#include "source/status_pictures.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tessellon {
namespace {

const QColor kBackground(0xf4, 0xf6, 0xf8);
const QColor kInk(0x4a, 0x5a, 0x6e);
const QColor kAccent(0x2f, 0x7d, 0xd1);

void Caption(QPainter& p, const QRectF& area, const QString& text, double scale = 0.06) {
    QFont f = p.font();
    f.setPixelSize(std::max(11, static_cast<int>(area.height() * scale)));
    p.setFont(f);
    p.setPen(kInk);
    p.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
}

void DrawFolder(QPainter& p, const QRectF& r) {
    QPainterPath back;
    back.moveTo(r.left(), r.top() + r.height() * 0.1);
    back.lineTo(r.left() + r.width() * 0.35, r.top() + r.height() * 0.1);
    back.lineTo(r.left() + r.width() * 0.45, r.top() + r.height() * 0.25);
    back.lineTo(r.right(), r.top() + r.height() * 0.25);
    back.lineTo(r.right(), r.bottom());
    back.lineTo(r.left(), r.bottom());
    back.closeSubpath();
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(0xf2, 0xc2, 0x4b));
    p.drawPath(back);
    p.setBrush(QColor(0xf7, 0xd3, 0x6e));
    p.drawRect(QRectF(r.left(), r.top() + r.height() * 0.38, r.width(), r.height() * 0.62));
}

void DrawPhoto(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::white);
    p.drawRect(r);
    const QRectF in =
        r.adjusted(r.width() * 0.08, r.height() * 0.1, -r.width() * 0.08, -r.height() * 0.1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xbf, 0xe1, 0xf7));
    p.drawRect(in);
    QPainterPath hills;
    hills.moveTo(in.bottomLeft());
    hills.lineTo(in.left() + in.width() * 0.35, in.top() + in.height() * 0.45);
    hills.lineTo(in.left() + in.width() * 0.55, in.top() + in.height() * 0.7);
    hills.lineTo(in.left() + in.width() * 0.75, in.top() + in.height() * 0.4);
    hills.lineTo(in.bottomRight());
    hills.closeSubpath();
    p.setBrush(QColor(0x5a, 0xa4, 0x69));
    p.drawPath(hills);
    p.setBrush(QColor(0xf5, 0xb7, 0x31));
    const double sun = in.height() * 0.18;
    p.drawEllipse(QPointF(in.left() + in.width() * 0.78, in.top() + in.height() * 0.22), sun, sun);
}

void DrawPointer(QPainter& p, const QPointF& tip, double size) {
    QPainterPath arrow;
    arrow.moveTo(tip);
    arrow.lineTo(tip + QPointF(0, size));
    arrow.lineTo(tip + QPointF(size * 0.28, size * 0.75));
    arrow.lineTo(tip + QPointF(size * 0.5, size * 1.1));
    arrow.lineTo(tip + QPointF(size * 0.62, size * 1.02));
    arrow.lineTo(tip + QPointF(size * 0.42, size * 0.68));
    arrow.lineTo(tip + QPointF(size * 0.75, size * 0.68));
    arrow.closeSubpath();
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(kInk);
    p.drawPath(arrow);
}

void DrawError(QPainter& p, const QRectF& r) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd9, 0x3f, 0x3f));
    p.drawEllipse(r);
    QPen pen(Qt::white, std::max(3.0, r.width() * 0.12));
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    const QRectF x =
        r.adjusted(r.width() * 0.3, r.height() * 0.3, -r.width() * 0.3, -r.height() * 0.3);
    p.drawLine(x.topLeft(), x.bottomRight());
    p.drawLine(x.topRight(), x.bottomLeft());
}

// Eight dots around a circle; the bright one moves a quarter turn per frame.
void DrawSpinner(QPainter& p, const QRectF& r, int frame) {
    const QPointF c = r.center();
    const double radius = r.width() * 0.38;
    const double dot = r.width() * 0.08;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        const double a = i * std::numbers::pi / 4 - std::numbers::pi / 2;
        const int age = (i - frame * 2 + 16) % 8;
        QColor col = kAccent;
        col.setAlphaF(age < 2 ? 1.0 : 0.25);
        p.setBrush(col);
        p.drawEllipse(c + QPointF(std::cos(a) * radius, std::sin(a) * radius), dot, dot);
    }
}

} // namespace

QImage StatusPictures::Draw(int kind, QSize size, const QString& detail) {
    if (kind < kPickFolder || kind > kLoading4 || size.isEmpty())
        return {};
    QImage img(size, QImage::Format_RGB32);
    img.fill(kBackground);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(size.width(), size.height()) * 0.4;
    const QRectF icon(QPointF((size.width() - side) / 2, size.height() * 0.42 - side / 2),
                      QSizeF(side, side));
    const QRectF text(0, icon.bottom() + side * 0.15, size.width(), size.height() - icon.bottom());
    switch (kind) {
    case kPickFolder:
        DrawFolder(p, icon.adjusted(0, side * 0.1, 0, -side * 0.1));
        Caption(p, text, tr("Choose a folder that holds your image"));
        break;
    case kPickImage:
        DrawPhoto(p, icon.adjusted(0, side * 0.12, 0, -side * 0.12));
        DrawPointer(p, icon.center() + QPointF(side * 0.15, side * 0.05), side * 0.45);
        Caption(p, text, tr("Choose an image from the file list"));
        break;
    case kError:
        DrawError(p, icon.adjusted(side * 0.1, side * 0.1, -side * 0.1, -side * 0.1));
        Caption(p, text, tr("This file could not be loaded"));
        if (!detail.isEmpty()) {
            const double margin = size.width() * 0.08;
            Caption(p, text.adjusted(margin, p.fontMetrics().height() * 1.5, -margin, 0), detail,
                    0.045);
        }
        break;
    default:
        DrawSpinner(p, icon, kind - kLoading1);
        Caption(p, text, tr("Loading..."));
        break;
    }
    return img;
}

} // namespace tessellon
