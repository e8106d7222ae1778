#pragma once

#include <QStringList>
#include <QTextStream>

namespace tessellon {

// `tessellon-cli target [paper options] --out FILE.bmp|.tif|.jpg`: writes the edge calibration
// test target for the current tile print size.
class TargetCommand {
public:
    static constexpr int kExitOk = 0;
    static constexpr int kExitFailed = 1;
    static constexpr int kExitUsage = 2;

    TargetCommand(QTextStream& out, QTextStream& err) : out_(out), err_(err) {}

    // args[0] is the program name, the rest follows the command word.
    int Run(const QStringList& args);

    static QString HelpText();

private:
    int Fail(const QString& message, int status = kExitUsage);

    QTextStream& out_;
    QTextStream& err_;
};

} // namespace tessellon
