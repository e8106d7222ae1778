#include "app/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessellon {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetImage(const QImage& image) {
    image_ = image;
    update();
}

void PictureBox::Clear() {
    image_ = QImage();
    update();
}

QPoint PictureBox::ImageOrigin() const {
    return {(width() - image_.width()) / 2, (height() - image_.height()) / 2};
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Dark));
    if (!image_.isNull())
        p.drawImage(ImageOrigin(), image_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->button(), ToImage(event->position()));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(ToImage(event->position()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event->button(), ToImage(event->position()));
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

} // namespace tessellon
