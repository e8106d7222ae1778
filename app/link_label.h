#pragma once

#include <QLabel>
#include <QString>

namespace tessellon {

// A hyperlink label: a caption shown as a link and a target of its own; a click anywhere on
// the caption reports the target.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

    // The caption may hold line breaks (CR LF or LF).
    void SetCaption(const QString& caption);
    QString Caption() const { return caption_; }
    void SetTarget(const QString& target) { target_ = target; }
    const QString& Target() const { return target_; }

signals:
    void clicked(const QString& target);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString caption_;
    QString target_;
    bool pressed_ = false;
};

} // namespace tessellon
