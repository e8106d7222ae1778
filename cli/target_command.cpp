#include "cli/target_command.h"

#include "cli/cli_app.h"
#include "common/string_table.h"
#include "export/edge_test_target.h"
#include "export/edge_test_target_texts.h"

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

int TargetCommand::Fail(const QString& message, int status) {
    err_ << CliApp::OneLine(message) << Qt::endl;
    return status;
}

int TargetCommand::Run(const QStringList& args) {
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    CliApp::AddPosterOptions(p);
    p.addOptions({
        {QStringLiteral("out"), QStringLiteral("The target file."), QStringLiteral("FILE")},
        {QStringLiteral("help"), QStringLiteral("Show help.")},
    });
    if (!p.parse(args))
        return Fail(p.errorText());
    if (p.isSet(QStringLiteral("help"))) {
        out_ << HelpText();
        out_.flush();
        return kExitOk;
    }
    if (!p.positionalArguments().isEmpty())
        return Fail(QStringLiteral("target takes no arguments (see target --help)"));
    const QString path = p.value(QStringLiteral("out"));
    if (path.isEmpty())
        return Fail(QStringLiteral("target needs --out FILE (see target --help)"));
    const auto format = path.size() >= 4 ? FormatFromFileName(path) : std::nullopt;
    if (!format)
        return Fail(EdgeTestTargetTexts::InvalidFileType());

    // The paper options alone decide the print size; the image size does not matter.
    PosterState poster;
    if (const auto failure = CliApp::BuildPoster(p, QStringLiteral("1000x1000"), poster, true))
        return Fail(failure->message);
    const TileSizeResult size = poster.CheckTileSizesNoTrim();
    if (!size.ok)
        return Fail(
            EdgeTestTargetTexts::InvalidPrintSize(StringTable::Text(str::PrintSizePerTile)));

    EdgeTestTarget::Result target = EdgeTestTarget::CreateEdgeTestImage(size.dH, size.dW);
    if (target.gImgError)
        return Fail(EdgeTestTargetTexts::BuildFailed(target.gImgErrorText), kExitFailed);
    (void)target.image.SetImageInfo(ImageAttribute::HorizontalResolution, EdgeTestTarget::kDpi);
    (void)target.image.SetImageInfo(ImageAttribute::VerticalResolution, EdgeTestTarget::kDpi);
    if (const auto saved = target.image.SaveImageFile(path, *format); !saved)
        return Fail(EdgeTestTargetTexts::SaveFailed(saved.error()), kExitFailed);
    out_ << path << '\n';
    out_.flush();
    return kExitOk;
}

} // namespace tessellon
