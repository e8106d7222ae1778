#pragma once

#include "cli/cli_app.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace tessellon::testing {

struct CliRun {
    int status;
    QString out;
    QString err;
};

// Runs the command-line tool in this process; `settings` as for CliApp.
inline CliRun RunCli(const QStringList& args, const SettingsStore* settings = nullptr) {
    QString out, err;
    QTextStream o(&out), e(&err);
    CliApp app(o, e, settings);
    const int status = app.Run(QStringList{QStringLiteral("tessellon-cli")} + args);
    o.flush();
    e.flush();
    return {status, out, err};
}

} // namespace tessellon::testing
