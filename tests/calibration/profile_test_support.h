#pragma once

// Helpers shared by the profile file tests: the shipped file's bytes and whole-file reads and
// writes.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tessellon::testing {

inline const QByteArray kShippedBytes = "default\t00,00,00,00,\r\n"
                                        "Kodak photo lab default\t03,04,03,02,\r\n"
                                        "Fuji photo lab default\t02,06,03,06,\r\n";

inline QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

inline bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace tessellon::testing
