#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

class QCommandLineParser;

namespace tessellon {

// What every command of the command-line tool shares: its exit statuses, how it reads its
// options and how it reports a failure (one line on `err` and a non-zero status).
class CliCommand {
public:
    static constexpr int kExitOk = 0;
    static constexpr int kExitFailed = 1; // the work itself failed
    static constexpr int kExitUsage = 2;  // bad arguments or input

    // A message as the tool prints it: on one line, and never ending in a reason that names
    // nothing ("Unknown error").
    static QString OneLine(QString message);

protected:
    CliCommand(QTextStream& out, QTextStream& err) : out_(out), err_(err) {}

    // Reads `args` (args[0] is the program name) with the options of `parser`, long options
    // also after a single dash. With a `helpText`, --help is one of them and prints it. Returns
    // the exit status when that already ends the command: an unreadable option, or the help.
    std::optional<int> Parse(QCommandLineParser& parser, const QStringList& args,
                             const QString& helpText = {});
    // Prints `message` as one line on `err` and returns `status`.
    int Fail(const QString& message, int status = kExitUsage);

    QTextStream& out_;
    QTextStream& err_;
};

} // namespace tessellon
