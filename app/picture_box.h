#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>

namespace tessellon {

// A picture box: shows one image centred in the widget and reports pointer events in the
// image's own pixel positions, so the handlers work in preview pixels whatever the widget size.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void SetImage(const QImage& image);
    void Clear();
    const QImage& Image() const { return image_; }
    // Where the image's top-left pixel sits in the widget.
    QPoint ImageOrigin() const;
    // A widget position as an image position.
    QPointF ToImage(const QPointF& widgetPos) const { return widgetPos - QPointF(ImageOrigin()); }

    QSize sizeHint() const override { return {420, 320}; }
    QSize minimumSizeHint() const override { return {160, 120}; }

signals:
    void mousePressed(Qt::MouseButton button, QPointF pos);
    void mouseMoved(QPointF pos);
    void mouseReleased(Qt::MouseButton button, QPointF pos);
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage image_;
};

} // namespace tessellon
