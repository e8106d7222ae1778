#include "cli/cli_command.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace tessellon {

std::optional<int> CliCommand::Parse(QCommandLineParser& parser, const QStringList& args,
                                     const QString& helpText) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!helpText.isEmpty())
        parser.addOption({QStringLiteral("help"), QStringLiteral("Show help.")});
    if (!parser.parse(args))
        return Fail(parser.errorText());
    if (!helpText.isEmpty() && parser.isSet(QStringLiteral("help"))) {
        out_ << helpText;
        out_.flush();
        return kExitOk;
    }
    return std::nullopt;
}

int CliCommand::Fail(const QString& message, int status) {
    err_ << OneLine(message) << Qt::endl;
    return status;
}

QString CliCommand::OneLine(QString message) {
    static const QRegularExpression lineBreak(QStringLiteral("\\s*\\n\\s*"));
    message.replace(lineBreak, QStringLiteral(" "));
    // Qt's text for a failure it has no description of.
    static const QString unknown = QStringLiteral("Unknown error");
    if (message.endsWith(QStringLiteral(": ") + unknown))
        message.chop(unknown.size() + 2);
    else if (message.trimmed() == unknown)
        message = QStringLiteral("Failed for a reason the system did not give");
    return message;
}

} // namespace tessellon
