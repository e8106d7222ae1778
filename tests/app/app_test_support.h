#pragma once

#include "common/number_format.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace tessellon::testing {

// Saves a picture of `w` for a person to look at when TESSELLON_SHOTS names a folder.
inline void Shot(QWidget* w, const QString& name) {
    if (const QByteArray shots = qgetenv("TESSELLON_SHOTS"); !shots.isEmpty()) {
        // Pending layout requests first, so the picture shows the settled window.
        QCoreApplication::processEvents();
        w->grab().save(QString::fromLocal8Bit(shots) + u'/' + name + QStringLiteral(".png"));
    }
}

// Texts written with the system decimal separator; expectations are written with a point.
inline QString Loc(QString s) {
    return s.replace(u'.', SystemDecimalPoint());
}

// Runs `act` on the next modal window of type W once it is up (the caller then opens it).
// Gives up after a few seconds and closes whatever modal window is open, so a missing
// window fails the test instead of hanging it.
template <typename W> void WhenModal(std::function<void(W*)> act, bool* seen = nullptr) {
    auto tries = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [act, seen, tries, poll] {
        if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget())) {
            if (seen)
                *seen = true;
            act(w);
            return;
        }
        if (++*tries > 300) {
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                other->reject();
            return;
        }
        QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(0, *poll);
}

} // namespace tessellon::testing
