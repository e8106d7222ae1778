#include "cli/target_command.h"

#include "cli/cli_app.h"
#include "print/edge_test_target_flow.h"

#include <QCommandLineParser>

namespace tessellon {

QString TargetCommand::HelpText() {
    return QStringLiteral(
        "Usage: tessellon-cli target [paper options] --out FILE.bmp|FILE.tif|FILE.jpg\n"
        "\n"
        "Writes the edge calibration test target for the tile print size of the paper\n"
        "options (--units, --paper, --custom, --margins; see tessellon-cli --help): four\n"
        "coloured 1/16 inch stripes round every edge, 128 pixels per inch. The file type\n"
        "follows the extension. Prints the file's path.\n");
}

int TargetCommand::Run(const QStringList& args) {
    QCommandLineParser p;
    CliApp::AddPosterOptions(p);
    p.addOption(
        {QStringLiteral("out"), QStringLiteral("The target file."), QStringLiteral("FILE")});
    if (const auto done = Parse(p, args, HelpText()))
        return *done;
    if (!p.positionalArguments().isEmpty())
        return Fail(QStringLiteral("target takes no arguments (see target --help)"));
    const QString path = p.value(QStringLiteral("out"));
    if (path.isEmpty())
        return Fail(QStringLiteral("target needs --out FILE (see target --help)"));
    const auto format = EdgeTestTargetFlow::FileFormat(path);
    if (!format)
        return Fail(format.error());

    // The paper options alone decide the print size; the image size does not matter.
    PosterState poster;
    if (const auto failure = CliApp::BuildPoster(p, QStringLiteral("1000x1000"), poster, true))
        return Fail(failure->message);
    const auto size = EdgeTestTargetFlow::PrintSize(poster);
    if (!size)
        return Fail(size.error());
    auto target = EdgeTestTargetFlow::Build(*size);
    if (!target)
        return Fail(target.error(), kExitFailed);
    ImageObject image = std::move(target).value();
    if (const Result<> saved = EdgeTestTargetFlow::Save(image, path, *format); !saved)
        return Fail(saved.error(), kExitFailed);
    out_ << path << '\n';
    out_.flush();
    return kExitOk;
}

} // namespace tessellon
