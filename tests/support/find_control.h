#pragma once

#include <QObject>
#include <QString>

namespace tessellon::testing {

// The control named `name` under `root`, found as the windows name their controls. A missing
// control ends the test run at once with its name: every later step would fail less clearly.
template <typename T> T* Find(const QObject& root, const QString& name) {
    T* found = root.findChild<T*>(name);
    if (!found)
        qFatal("%s has no %s named %s", root.metaObject()->className(),
               T::staticMetaObject.className(), qPrintable(name));
    return found;
}

} // namespace tessellon::testing
