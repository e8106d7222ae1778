#pragma once

#include "cli/cli_command.h"

namespace tessellon {

// `tessellon-cli target [paper options] --out FILE.bmp|.tif|.jpg`: writes the edge calibration
// test target for the current tile print size.
class TargetCommand : public CliCommand {
public:
    TargetCommand(QTextStream& out, QTextStream& err) : CliCommand(out, err) {}

    // args[0] is the program name, the rest follows the command word.
    int Run(const QStringList& args);

    static QString HelpText();
};

} // namespace tessellon
