#include "cli/print_command.h"

#include "cli/cli_app.h"
#include "cli/cli_profiles.h"
#include "export/save_progress.h"
#include "imaging/image_file_reader.h"
#include "imaging/image_object.h"
#include "printing/print_job.h"
#include "printing/print_texts.h"
#include "printing/sheet_range.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <new>

namespace tessellon {
namespace {

class QuietProgress : public SaveProgress {
public:
    void ShowProgressBar(const QString&) override {}
    void SetProgressVal(double) override {}
    bool Canceled() const override { return false; }
    void CloseProgress() override {}
    void ShowSaveOkMsg(const QString&) override {}
};

} // namespace

QString PrintCommand::HelpText() {
    return QStringLiteral(
        "Usage: tessellon-cli print IMAGE [poster options] [--printer NAME] [--sheets LIST]\n"
        "                           [--copies N] [--any-paper]\n"
        "\n"
        "Prints the poster: every sheet is the page the PDF export makes, at its exact size\n"
        "(never scaled), after the overview page.\n"
        "  --printer NAME       The printer (default: the system's default printer; see\n"
        "                       tessellon-cli printers).\n"
        "  --sheets LIST        Only these sheets, named as they are labelled or numbered in\n"
        "                       tile order: B2, 4-6, A1-A3,C2. Reprints a jammed sheet; the\n"
        "                       overview page prints with the whole poster only.\n"
        "  --copies N           Copies of every page (default 1).\n"
        "  --any-paper          Print at actual size even when the printer's paper is not the\n"
        "                       poster's (otherwise both sizes are named and nothing is sent).\n"
        "  --via pdf|painter    How the sheets reach the printer: the export's PDF handed to\n"
        "                       CUPS (the default where there is CUPS), or drawn by Qt.\n"
        "  --no-labels, --no-marks, --no-overview, --overlap LENGTH, --edge-profile NAME,\n"
        "  --profiles FILE, --decode-whole\n"
        "                       As for export.\n"
        "Poster options as for `info` (see tessellon-cli --help).\n"
        "\n"
        "Exit status 0 when the printer took the job, 1 when printing fails (no printer, the\n"
        "queue stopped or refusing the job), 2 for bad input or a paper that differs.\n");
}

int PrintCommand::Run(const QStringList& args) {
    try {
        QCommandLineParser p;
        CliApp::AddPosterOptions(p);
        CliApp::AddOverlapOption(p);
        CliProfiles::AddOptions(p);
        p.addOptions({
            {QStringLiteral("printer"), QStringLiteral("Printer."), QStringLiteral("NAME")},
            {QStringLiteral("sheets"), QStringLiteral("Sheets."), QStringLiteral("LIST")},
            {QStringLiteral("copies"), QStringLiteral("Copies."), QStringLiteral("N"),
             QStringLiteral("1")},
            {QStringLiteral("any-paper"), QStringLiteral("Print on any paper.")},
            {QStringLiteral("via"), QStringLiteral("pdf or painter."), QStringLiteral("WAY")},
            {QStringLiteral("no-labels"), QStringLiteral("No sheet names.")},
            {QStringLiteral("no-marks"), QStringLiteral("No cut, glue or crop marks.")},
            {QStringLiteral("no-overview"), QStringLiteral("No overview page.")},
            {QStringLiteral("decode-whole"), QStringLiteral("Decode the whole photo first.")},
        });
        if (const auto done = Parse(p, args, HelpText()))
            return *done;
        const QStringList pos = p.positionalArguments();
        if (pos.size() != 1)
            return Fail(QStringLiteral("print needs exactly one IMAGE (see print --help)"));
        bool copiesOk = false;
        const int copies = p.value(QStringLiteral("copies")).toInt(&copiesOk);
        if (!copiesOk || copies < 1 || copies > 999)
            return Fail(QStringLiteral("Invalid --copies value (1 to 999): %1")
                            .arg(p.value(QStringLiteral("copies"))));
        PrintRequest request;
        request.printer = p.value(QStringLiteral("printer"));
        request.copies = copies;
        request.paper =
            p.isSet(QStringLiteral("any-paper")) ? PaperPolicy::Accept : PaperPolicy::Refuse;
        request.aids.labels = !p.isSet(QStringLiteral("no-labels"));
        request.aids.marks = !p.isSet(QStringLiteral("no-marks"));
        request.aids.overviewPage = !p.isSet(QStringLiteral("no-overview"));
        request.path = PrintJob::DefaultPath();
        if (p.isSet(QStringLiteral("via"))) {
            const QString via = p.value(QStringLiteral("via"));
            if (via != u"pdf" && via != u"painter")
                return Fail(QStringLiteral("Invalid --via value (pdf, painter): %1").arg(via));
            request.path = via == u"pdf" ? PrintPath::Document : PrintPath::Painter;
        }
        const QString imagePath = pos[0];
        request.title = QFileInfo(imagePath).fileName();

        // A photo that reads in bands is not refused here for the memory a whole decode needs.
        const auto header =
            ImageFileReader::Open(imagePath, ImageFileReader::Extent::HeaderForBands);
        if (!header)
            return Fail(
                QStringLiteral("Cannot read image file %1: %2").arg(imagePath, header.error()),
                kExitFailed);
        PosterState poster;
        if (const auto failure = CliApp::BuildPoster(p, imagePath, poster, false, header->Size()))
            return Fail(failure->message, failure->status);
        std::unique_ptr<ProfileStore> profiles;
        if (const Result<> applied = CliProfiles::Apply(p, poster, settings_, profiles, err_);
            !applied)
            return Fail(applied.error());
        if (const Result<> overlap = CliApp::ApplyOverlap(p, poster); !overlap)
            return Fail(overlap.error());
        const auto sheets = SheetRange::Parse(p.value(QStringLiteral("sheets")),
                                              poster.GetNumTilesWide(), poster.GetNumTilesHigh());
        if (!sheets)
            return Fail(sheets.error());
        request.sheets = *sheets;

        // Bands where the sheets go to the printer as the export's document; a painter draws
        // the overview page first, from the whole photo.
        std::unique_ptr<TileSource> banded;
        if (!p.isSet(QStringLiteral("decode-whole")) && request.path == PrintPath::Document)
            banded = CliApp::BandedSource(imagePath, *header, poster);
        ImageObject img;
        if (!banded) {
            if (const Result<> fits = header->CheckFitsWhole(); !fits)
                return Fail(
                    QStringLiteral("Cannot read image file %1: %2").arg(imagePath, fits.error()),
                    kExitFailed);
            if (const auto loaded = img.LoadImageFile(imagePath); !loaded)
                return Fail(
                    QStringLiteral("Cannot load image file %1: %2").arg(imagePath, loaded.error()),
                    kExitFailed);
            if (poster.iRotateAngle != 0)
                if (const auto turned = img.Rotate(poster.iRotateAngle); !turned)
                    return Fail(turned.error(), kExitFailed);
        }

        QuietProgress progress;
        PrintJob job(progress);
        const PrintOutcome outcome =
            banded ? job.Print(poster, *banded, request) : job.Print(poster, img, request);
        switch (outcome.status) {
        case PrintOutcome::Status::Printed:
            out_ << PrintTexts::Printed(outcome.pages, outcome.printer) << '\n';
            out_.flush();
            return kExitOk;
        case PrintOutcome::Status::PaperMismatch:
            err_ << OneLine(outcome.text) << '\n'
                 << "Use --any-paper to print at actual size all the same." << Qt::endl;
            return kExitUsage;
        default:
            return Fail(outcome.text, kExitFailed);
        }
    } catch (const std::bad_alloc&) {
        return Fail(QStringLiteral("Not enough memory"), kExitFailed);
    }
}

} // namespace tessellon
