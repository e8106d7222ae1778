#include "cli/export_command.h"

#include "cli/cli_app.h"
#include "cli/cli_profiles.h"
#include "export/save_progress.h"
#include "export/save_tiles_defaults.h"
#include "export/save_tiles_texts.h"
#include "export/tile_saver.h"
#include "imaging/format_table.h"
#include "imaging/image_file_reader.h"
#include "imaging/imaging.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <new>

namespace tessellon {
namespace {

// A text progress bar on stderr.
class CliProgress : public SaveProgress {
public:
    CliProgress(QTextStream& err, bool show) : err_(err), show_(show) {}

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
    void ShowSaveOkMsg(const QString&) override {}

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

    QTextStream& err_;
    bool show_;
    bool drawn_ = false;
    QString message_;
};

} // namespace

QString ExportCommand::HelpText() {
    return QStringLiteral(
        "Usage: tessellon-cli export IMAGE [poster options] --out FOLDER [--base NAME]\n"
        "                            [--format jpg|tif|bmp] [--yes]\n"
        "       tessellon-cli export IMAGE [poster options] --out FILE.pdf [--yes]\n"
        "\n"
        "Writes one image file per poster tile into FOLDER, exactly as \"Save Images Now\",\n"
        "or the whole poster as one PDF with one page per sheet at the paper's exact size:\n"
        "  --out FOLDER         The folder to create for the tiles (its parent must exist).\n"
        "  --out FILE.pdf       The PDF to write (its folder must exist); a name ending in\n"
        "                       .pdf writes the PDF without --format.\n"
        "  --base NAME          Base file name (default: the image's file name less its last\n"
        "                       four characters, then \"_\"). Files are NAME001.jpg, ...\n"
        "                       No folder separator, no leading dot.\n"
        "  --format jpg|tif|bmp|pdf\n"
        "                       File type (default: pdf for --out FILE.pdf, else from the\n"
        "                       image's extension). A --format that disagrees with the\n"
        "                       extension --out ends in is refused.\n"
        "  --yes                Write into FOLDER, or replace FILE.pdf, when it exists already.\n"
        "  --overlap LENGTH     Strip neighbouring sheets share, in the current units; the\n"
        "                       tiles are cut with it (default 0).\n"
        "  --no-labels          PDF: no sheet names and layout on the sheets.\n"
        "  --no-marks           PDF: no cut lines, glue areas or crop marks on the sheets.\n"
        "  --no-overview        PDF: no overview page (the whole poster with its sheets and\n"
        "                       how to put them together) before the sheets.\n"
        "  --overview           Image files: also write NAMEoverview.jpg, the whole poster\n"
        "                       with its sheets and their names.\n"
        "  --edge-profile NAME  Enlarge the tiles by what this profile says the printer clips.\n"
        "  --profiles FILE      The edge calibration profile file to read.\n"
        "  --decode-whole       Decode the whole photo before cutting it, also a JPEG or TIFF\n"
        "                       that is otherwise read a band of rows at a time (for\n"
        "                       comparisons).\n"
        "Poster options as for `info` (see tessellon-cli --help).\n"
        "\n"
        "Prints the info lines, then the folder or PDF. Exit status 0 on success, 1 when the\n"
        "image cannot be read or the save fails, 2 for bad input or an existing folder or\n"
        "file without --yes.\n");
}

int ExportCommand::Run(const QStringList& args) {
    try {
        return RunUnguarded(args);
    } catch (const std::bad_alloc&) {
        return Fail(QStringLiteral("Not enough memory"), kExitFailed);
    }
}

int ExportCommand::RunUnguarded(const QStringList& args) {
    QCommandLineParser p;
    CliApp::AddPosterOptions(p);
    CliApp::AddOverlapOption(p);
    CliApp::AddArrangementOptions(p);
    CliProfiles::AddOptions(p);
    p.addOptions({
        {QStringLiteral("out"), QStringLiteral("Folder to create for the tiles."),
         QStringLiteral("FOLDER")},
        {QStringLiteral("base"), QStringLiteral("Base file name."), QStringLiteral("NAME")},
        {QStringLiteral("format"), QStringLiteral("jpg, tif, bmp or pdf."), QStringLiteral("FMT")},
        {QStringLiteral("yes"), QStringLiteral("Write into an existing folder.")},
        {QStringLiteral("no-labels"), QStringLiteral("No sheet names on the PDF's sheets.")},
        {QStringLiteral("no-marks"), QStringLiteral("No cut, glue or crop marks on the sheets.")},
        {QStringLiteral("no-overview"), QStringLiteral("No overview page in the PDF.")},
        {QStringLiteral("overview"), QStringLiteral("An overview picture beside the tiles.")},
        {QStringLiteral("decode-whole"), QStringLiteral("Decode the whole photo first.")},
    });
    if (const auto done = Parse(p, args, HelpText()))
        return *done;
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
        // The tiles go into the folder itself and are seen there.
        if (request.baseFileName.contains(u'/') || request.baseFileName.contains(u'\\') ||
            request.baseFileName.startsWith(u'.'))
            return Fail(QStringLiteral("Invalid --base value (a file name that neither holds a "
                                       "folder separator nor starts with a dot): %1")
                            .arg(request.baseFileName));
    } else if (defaults.nameProblem) {
        return Fail(defaults.nameProblem->text);
    } else {
        request.baseFileName = defaults.baseFileName;
    }
    // A name ending in a type's extension names that type: FILE.pdf is the PDF.
    const QString outName = QFileInfo(p.value(QStringLiteral("out"))).fileName();
    const std::optional<ImageFormat> named = FormatTable::FromExtension(outName);
    if (p.isSet(QStringLiteral("format"))) {
        request.format = FormatTable::FromCliName(p.value(QStringLiteral("format")));
        if (!request.format)
            return Fail(QStringLiteral("Invalid --format value (%1): %2")
                            .arg(FormatTable::CliNames(QStringLiteral(", ")),
                                 p.value(QStringLiteral("format"))));
        if (named && *named != *request.format)
            return Fail(QStringLiteral("--format %1 disagrees with --out %2, which names a %3 "
                                       "file; leave out --format or change one of them")
                            .arg(p.value(QStringLiteral("format")), outName,
                                 FormatTable::Row(*named).CliName()));
    } else if (named && !FormatTable::Row(*named).IsImage()) {
        request.format = named;
    } else if (defaults.formatProblem) {
        return Fail(defaults.formatProblem->text);
    } else {
        request.format = defaults.format;
    }
    request.aids.labels = !p.isSet(QStringLiteral("no-labels"));
    request.aids.marks = !p.isSet(QStringLiteral("no-marks"));
    request.aids.overviewPage = !p.isSet(QStringLiteral("no-overview"));
    request.aids.overviewImage = p.isSet(QStringLiteral("overview"));
    // --out names the folder itself (its parent is where it is created), or the document.
    const QString target =
        QDir::cleanPath(QFileInfo(p.value(QStringLiteral("out"))).absoluteFilePath());
    const QFileInfo targetInfo(target);
    const bool document = !FormatTable::Row(*request.format).IsImage();
    if (targetInfo.fileName().isEmpty()) {
        if (document)
            return Fail(
                QStringLiteral("--out must name the PDF file, not a folder: %1").arg(target));
        request.folder = target;
    } else {
        request.folder = targetInfo.absolutePath();
        (document ? request.documentName : request.newFolderName) = targetInfo.fileName();
    }

    // A photo that reads in bands is not refused here for the memory a whole decode needs.
    const auto header = ImageFileReader::Open(imagePath, ImageFileReader::Extent::HeaderForBands);
    if (!header)
        return Fail(QStringLiteral("Cannot read image file %1: %2").arg(imagePath, header.error()),
                    kExitFailed);
    PosterState poster;
    if (const auto failure = CliApp::BuildPoster(p, imagePath, poster, false, header->Size()))
        return Fail(failure->message, failure->status);
    std::unique_ptr<ProfileStore> profiles;
    if (const Result<> applied = CliProfiles::Apply(p, poster, settings_, profiles, err_); !applied)
        return Fail(applied.error());
    if (const Result<> overlap = CliApp::ApplyOverlap(p, poster); !overlap)
        return Fail(overlap.error());
    if (const Result<> arranged = CliApp::ApplyArrangement(p, poster, err_); !arranged)
        return Fail(arranged.error());
    std::unique_ptr<TileSource> banded;
    if (!p.isSet(QStringLiteral("decode-whole")))
        banded = CliApp::BandedSource(imagePath, *header, poster);
    if (!banded)
        if (const Result<> fits = header->CheckFitsWhole(); !fits)
            return Fail(
                QStringLiteral("Cannot read image file %1: %2").arg(imagePath, fits.error()),
                kExitFailed);
    if (const Result<> printed = CliApp::PrintInfo(poster, out_); !printed)
        return Fail(printed.error());

    ImageObject img;
    if (!banded) {
        if (const auto loaded = img.LoadImageFile(imagePath); !loaded)
            return Fail(
                QStringLiteral("Cannot load image file %1: %2").arg(imagePath, loaded.error()),
                kExitFailed);
        if (poster.iRotateAngle != 0) {
            if (const auto turned = img.Rotate(poster.iRotateAngle); !turned)
                return Fail(turned.error(), kExitFailed);
        }
    }

    CliProgress progress(err_, showProgress_);
    TileSaver saver(progress);
    if (render_)
        saver.SetRenderFunction(render_);
    const OverwritePolicy policy =
        p.isSet(QStringLiteral("yes")) ? OverwritePolicy::Replace : OverwritePolicy::Refuse;
    const SaveOutcome outcome = banded ? saver.Save(poster, *banded, request, policy)
                                       : saver.Save(poster, img, request, policy);
    switch (outcome.status) {
    case SaveOutcome::Status::Saved:
        out_ << outcome.Target() << '\n';
        out_.flush();
        return kExitOk;
    case SaveOutcome::Status::TargetExists:
    case SaveOutcome::Status::Declined:
        err_ << outcome.text << '\n'
             << (outcome.file.isEmpty() ? "Use --yes to write into the existing folder."
                                        : "Use --yes to replace the existing file.")
             << Qt::endl;
        return kExitUsage;
    case SaveOutcome::Status::Canceled:
    case SaveOutcome::Status::Failed:
        err_ << OneLine(outcome.text) << Qt::endl;
        break;
    }
    return kExitFailed;
}

} // namespace tessellon
