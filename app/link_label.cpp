#include "app/link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace tessellon {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setStyleSheet(QStringLiteral("color: #0645ad; text-decoration: underline;"));
}

void LinkLabel::SetCaption(const QString& caption) {
    caption_ = caption;
    // A plain-text label breaks lines at LF only.
    setText(QString(caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked(target_);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
        emit clicked(target_);
        return;
    }
    QLabel::keyPressEvent(event);
}

} // namespace tessellon
