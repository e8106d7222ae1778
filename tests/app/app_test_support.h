#pragma once

#include "common/number_format.h"
#include "tests/support/find_control.h"
#include "tests/support/recording_message_service.h"

// The widgets and helpers the window tests use alike.
#include <QtTest>
#include <QtWidgets>

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

// The text of the named label, box or button of `root`.
inline QString Text(const QObject& root, const char* name) {
    return Find<QWidget>(root, name)->property("text").toString();
}

// Clicks the named button or check box of `root`.
inline void Click(const QObject& root, const char* name) {
    Find<QAbstractButton>(root, name)->click();
}

// The titles of the messages shown so far, in order.
inline QStringList Titles(const RecordingMessageService& messages) {
    QStringList titles;
    for (const auto& m : messages.Messages())
        titles.append(m.title);
    return titles;
}

// Runs `act` on the next modal window of type W once it is up (the caller then opens it).
// Gives up after 30 s, long enough for a busy machine, and closes whatever modal window is
// open, so a missing window fails the test instead of hanging it.
template <typename W> void WhenModal(std::function<void(W*)> act) {
    const QDeadlineTimer deadline(30000);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [act, deadline, poll] {
        if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget())) {
            act(w);
            return;
        }
        if (deadline.hasExpired()) {
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                other->reject();
            return;
        }
        QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(0, *poll);
}

} // namespace tessellon::testing
