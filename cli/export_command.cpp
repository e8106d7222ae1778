#include "cli/export_command.h"

#include "cli/cli_app.h"
#include "cli/cli_profiles.h"
#include "common/message_service.h"
#include "export/imaging.h"
#include "export/save_progress.h"
#include "export/save_tiles_defaults.h"
#include "export/save_tiles_texts.h"
#include "export/tile_saver.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace tessellon {
namespace {

// Messages of the save as lines on stderr; the existing-folder question is answered from
// --yes.
class CliMessages : public MessageService {
public:
    CliMessages(QTextStream& err, bool yes) : err_(err), yes_(yes) {}

    void Critical(const QString&, const QString& text) override { err_ << text << Qt::endl; }
    void Information(const QString&, const QString& text) override { err_ << text << Qt::endl; }
    Answer YesNoCancel(const QString&, const QString& text) override {
        if (!yes_)
            refusedQuestion_ = text;
        return yes_ ? Answer::Yes : Answer::No;
    }
    Answer OkCancel(const QString&, const QString&) override { return Answer::Ok; }

    const QString& RefusedQuestion() const { return refusedQuestion_; }

private:
    QTextStream& err_;
    bool yes_;
    QString refusedQuestion_;
};

// A text progress bar on stderr; at the end the folder on stdout.
class CliProgress : public SaveProgress {
public:
    CliProgress(QTextStream& out, QTextStream& err, bool show)
        : out_(out), err_(err), show_(show) {}

    void ShowProgressBar(const QString& sMsg) override {
        message_ = sMsg;
        Draw(0);
    }
    void SetProgressVal(double dProg) override {
        Draw(std::min(dProg, 1.0));
        if (dProg >= 1.0)
            CloseProgress();
    }
    bool Canceled() const override { return false; }
    void CloseProgress() override {
        if (drawn_) {
            err_ << '\n';
            err_.flush();
            drawn_ = false;
        }
    }
    void ShowSaveOkMsg(const QString& sFolderName) override {
        out_ << sFolderName << '\n';
        out_.flush();
    }

private:
    void Draw(double fraction) {
        if (!show_)
            return;
        constexpr int kWidth = 40;
        const int filled = static_cast<int>(std::floor(fraction * kWidth));
        err_ << '\r' << message_ << " [" << QString(filled, u'#') << QString(kWidth - filled, u' ')
             << "] " << static_cast<int>(std::floor(fraction * 100)) << '%';
        err_.flush();
        drawn_ = true;
    }

    QTextStream& out_;
    QTextStream& err_;
    bool show_;
    bool drawn_ = false;
    QString message_;
};

std::optional<ImageFormat> ParseFormat(const QString& text) {
    const QString t = text.toLower();
    if (t == u"jpg")
        return ImageFormat::Jpeg;
    if (t == u"tif")
        return ImageFormat::Tiff;
    if (t == u"bmp")
        return ImageFormat::Bmp;
    return std::nullopt;
}

} // namespace

QString ExportCommand::HelpText() {
    return QStringLiteral(
        "Usage: tessellon-cli export IMAGE [poster options] --out FOLDER [--base NAME]\n"
        "                            [--format jpg|tif|bmp] [--yes]\n"
        "\n"
        "Writes one image file per poster tile into FOLDER, exactly as \"Save Images Now\":\n"
        "  --out FOLDER         The folder to create for the tiles (its parent must exist).\n"
        "  --base NAME          Base file name (default: the image's file name less its last\n"
        "                       four characters, then \"_\"). Files are NAME001.jpg, ...\n"
        "  --format jpg|tif|bmp File type (default: from the image's extension).\n"
        "  --yes                Write into FOLDER even when it exists already.\n"
        "  --edge-profile NAME  Enlarge the tiles by what this profile says the printer clips.\n"
        "  --profiles FILE      The edge calibration profile file to read.\n"
        "Poster options as for `info` (see tessellon-cli --help).\n"
        "\n"
        "Prints the info lines, then the folder. Exit status 0 on success, 1 when the save\n"
        "fails, 2 for bad input or an existing folder without --yes.\n");
}

int ExportCommand::Fail(const QString& message, int status) {
    err_ << message << Qt::endl;
    return status;
}

int ExportCommand::Run(const QStringList& args) {
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    CliApp::AddPosterOptions(p);
    CliProfiles::AddOptions(p);
    p.addOptions({
        {QStringLiteral("out"), QStringLiteral("Folder to create for the tiles."),
         QStringLiteral("FOLDER")},
        {QStringLiteral("base"), QStringLiteral("Base file name."), QStringLiteral("NAME")},
        {QStringLiteral("format"), QStringLiteral("jpg, tif or bmp."), QStringLiteral("FMT")},
        {QStringLiteral("yes"), QStringLiteral("Write into an existing folder.")},
        {QStringLiteral("help"), QStringLiteral("Show help.")},
    });
    if (!p.parse(args))
        return Fail(p.errorText());
    if (p.isSet(QStringLiteral("help"))) {
        out_ << HelpText();
        out_.flush();
        return kExitOk;
    }
    const QStringList pos = p.positionalArguments();
    if (pos.size() != 1)
        return Fail(QStringLiteral("export needs exactly one IMAGE (see export --help)"));
    if (!p.isSet(QStringLiteral("out")) || p.value(QStringLiteral("out")).isEmpty())
        return Fail(QStringLiteral("export needs --out FOLDER (see export --help)"));
    const QString imagePath = pos[0];

    // Names and type as the save dialog proposes them, unless given.
    const SaveTilesDefaults defaults = SaveTilesDefaults::For(QFileInfo(imagePath).fileName());
    SaveTilesRequest request;
    if (p.isSet(QStringLiteral("base"))) {
        request.baseFileName = p.value(QStringLiteral("base"));
    } else if (defaults.nameProblem) {
        return Fail(defaults.nameProblem->text);
    } else {
        request.baseFileName = defaults.baseFileName;
    }
    if (p.isSet(QStringLiteral("format"))) {
        request.format = ParseFormat(p.value(QStringLiteral("format")));
        if (!request.format)
            return Fail(QStringLiteral("Invalid --format value (jpg, tif or bmp): %1")
                            .arg(p.value(QStringLiteral("format"))));
    } else if (defaults.formatProblem) {
        return Fail(defaults.formatProblem->text);
    } else {
        request.format = defaults.format;
    }
    // --out names the folder itself: its parent is where it is created.
    const QString target =
        QDir::cleanPath(QFileInfo(p.value(QStringLiteral("out"))).absoluteFilePath());
    const QFileInfo targetInfo(target);
    if (targetInfo.fileName().isEmpty()) {
        request.folder = target;
    } else {
        request.folder = targetInfo.absolutePath();
        request.newFolderName = targetInfo.fileName();
    }

    if (const auto header = ImageObject::ReadFileInfo(imagePath); !header)
        return Fail(QStringLiteral("Cannot read image file %1: %2").arg(imagePath, header.error()),
                    kExitFailed);
    PosterState poster;
    if (const auto failure = CliApp::BuildPoster(p, imagePath, poster))
        return Fail(failure->message);
    std::unique_ptr<ProfileStore> profiles;
    if (const auto failure = CliProfiles::Apply(p, poster, settings_, profiles, err_))
        return Fail(*failure);
    if (const auto failure = CliApp::PrintInfo(poster, out_))
        return Fail(failure->message);

    ImageObject img;
    if (const auto loaded = img.LoadImageFile(imagePath); !loaded)
        return Fail(QStringLiteral("Cannot load image file %1: %2").arg(imagePath, loaded.error()),
                    kExitFailed);
    if (poster.iRotateAngle != 0) {
        if (const auto turned = img.Rotate(poster.iRotateAngle); !turned)
            return Fail(turned.error(), kExitFailed);
    }

    CliMessages messages(err_, p.isSet(QStringLiteral("yes")));
    CliProgress progress(out_, err_, showProgress_);
    TileSaver saver(messages, progress);
    const SaveOutcome outcome = saver.processSaveNow(poster, img, request);
    switch (outcome.status) {
    case SaveOutcome::Status::Saved:
        return kExitOk;
    case SaveOutcome::Status::Declined:
        err_ << messages.RefusedQuestion() << '\n'
             << "Use --yes to write into the existing folder." << Qt::endl;
        return kExitUsage;
    case SaveOutcome::Status::Canceled:
    case SaveOutcome::Status::Failed:
        break;
    }
    return kExitFailed;
}

} // namespace tessellon
