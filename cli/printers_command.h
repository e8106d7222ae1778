#pragma once

#include "cli/cli_command.h"

#include <QStringList>

namespace tessellon {

// `tessellon-cli printers`: the installed printers, the default marked with "*", each with the
// papers its driver offers (key, name, size in millimetres).
class PrintersCommand : public CliCommand {
public:
    PrintersCommand(QTextStream& out, QTextStream& err) : CliCommand(out, err) {}
    int Run(const QStringList& args);
};

} // namespace tessellon
