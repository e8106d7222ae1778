#include "printing/print_job.h"

#include "export/pdf_tile_sink.h"
#include "export/save_progress.h"
#include "export/tile_saver.h"
#include "export/whole_image_source.h"
#include "imaging/image_object.h"
#include "layout/poster_state.h"
#include "printing/cups_queue.h"
#include "printing/painter_tile_sink.h"
#include "printing/paper_fit.h"
#include "printing/print_texts.h"
#include "printing/printer_catalog.h"
#include "printing/sheet_selection_sink.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <memory>
#include <set>

namespace tessellon {
namespace {

// The progress window as the tile saver drives it, with printing's own text; the success
// window is the caller's.
class PrintProgress : public SaveProgress {
public:
    explicit PrintProgress(SaveProgress& shown) : shown_(shown) {}
    void ShowProgressBar(const QString&) override {
        shown_.ShowProgressBar(PrintTexts::Preparing());
    }
    void SetProgressVal(double dProg) override { shown_.SetProgressVal(dProg); }
    bool Canceled() const override { return shown_.Canceled(); }
    void CloseProgress() override { shown_.CloseProgress(); }
    void ShowSaveOkMsg(const QString&) override {}

private:
    SaveProgress& shown_;
};

PrintOutcome Failed(PrintOutcome out, const QString& title, const QString& text) {
    out.status = PrintOutcome::Status::Failed;
    out.title = title;
    out.text = text;
    return out;
}

// The printer and the paper the sheets go onto, or why there are none (in `out`).
struct Target {
    PrinterEntry printer;
    std::optional<PrinterPaper> paper;
};
std::optional<Target> Choose(const PrintRequest& request, QSizeF sheet, const QString& sheetName,
                             PrintOutcome& out) {
    const auto printer = PrinterCatalog::Find(request.printer);
    if (!printer) {
        out = Failed(out, PrintTexts::ErrorTitle(),
                     request.printer.isEmpty() ? PrintTexts::NoPrinter()
                                               : PrintTexts::UnknownPrinter(request.printer));
        return std::nullopt;
    }
    out.printer = printer->name;
    if (printer->stopped) {
        out = Failed(out, PrintTexts::ErrorTitle(), PrintTexts::Stopped(printer->name));
        return std::nullopt;
    }
    Target t{*printer, {}};
    t.paper = request.paperChoice ? request.paperChoice : PrinterCatalog::Matching(*printer, sheet);
    if (!t.paper)
        t.paper = printer->defaultPaper;
    if (t.paper && request.paper == PaperPolicy::Refuse)
        if (const auto differs = PaperFit::Check(sheet, sheetName, *t.paper)) {
            out.status = PrintOutcome::Status::PaperMismatch;
            out.title = differs->title;
            out.text = differs->text;
            return std::nullopt;
        }
    return t;
}

// A printer set up for sheets of `sheet` points: the chosen paper (or the sheet's own size)
// turned as the sheet is, the whole page, no margins and no scaling.
void SetUp(QPrinter& printer, const Target& target, QSizeF sheet, const PrintRequest& request) {
    const QPageSize size = target.paper && PaperFit::Check(sheet, {}, *target.paper) == std::nullopt
                               ? QPageSize(QPageSize::id(target.paper->points, QPageSize::Point,
                                                         QPageSize::FuzzyMatch))
                               : QPageSize(QSizeF(std::min(sheet.width(), sheet.height()),
                                                  std::max(sheet.width(), sheet.height())),
                                           QPageSize::Point, {}, QPageSize::ExactMatch);
    printer.setFullPage(true);
    printer.setPageLayout(
        QPageLayout(size.isValid() ? size : QPageSize(QPageSize::A4),
                    sheet.width() > sheet.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(), QPageLayout::Point));
    printer.setCopyCount(std::max(1, request.copies));
    printer.setCollateCopies(true);
    printer.setDocName(request.title);
}

QString SheetName(const PosterState& poster) {
    return poster.Paper() ? poster.Paper()->name : QString();
}

} // namespace

PrintPath PrintJob::DefaultPath() {
    return CupsQueue::Available() ? PrintPath::Document : PrintPath::Painter;
}

PrintOutcome PrintJob::Print(const PosterState& poster, const ImageObject& img,
                             const PrintRequest& request) {
    WholeImageSource source(img);
    return Print(poster, source, request);
}

PrintOutcome PrintJob::Print(const PosterState& poster, TileSource& source,
                             const PrintRequest& request) {
    PrintOutcome out;
    const SheetLayout layout = PdfTileSink::LayoutFor(poster);
    const auto target = Choose(request, layout.page, SheetName(poster), out);
    if (!target)
        return out;

    QTemporaryDir spool;
    if (!spool.isValid())
        return Failed(out, PrintTexts::ErrorTitle(), PrintTexts::NotStarted(spool.errorString()));
    SaveTilesRequest save;
    save.folder = spool.path();
    save.baseFileName = QStringLiteral("sheets");
    save.documentName = QStringLiteral("sheets.pdf");
    save.format = ImageFormat::Pdf;
    save.aids = request.aids;
    // A reprint of some sheets is just those sheets.
    save.aids.overviewPage = request.aids.overviewPage && request.sheets.empty();

    QPrinter printer(QPrinterInfo::printerInfo(target->printer.name), QPrinter::HighResolution);
    if (request.path == PrintPath::Painter)
        SetUp(printer, *target, layout.page, request);
    int sheetsAdded = 0; // counted by the sink, which is gone once the save ends
    bool overview = false;
    const std::set<int> sheets(request.sheets.begin(), request.sheets.end());

    PrintProgress progress(progress_);
    TileSaver saver(progress);
    if (threads_ > 0)
        saver.SetThreadCount(threads_);
    saver.SetSinkFactory([&](const PosterState& p, TileSource& s,
                             const SaveTilesRequest& r) -> std::unique_ptr<TileSink> {
        std::unique_ptr<TileSink> pages;
        const bool margins = layout.picture != QRectF(QPointF(), layout.page);
        std::optional<PosterOverview> plan =
            r.aids.overviewPage ? PosterOverview::For(p, r.aids.marks, margins) : std::nullopt;
        overview = plan.has_value();
        if (request.path == PrintPath::Document) {
            pages = TileSaver::StandardSink(p, s, r);
        } else {
            auto painter = std::make_unique<PainterTileSink>(printer, layout, r.aids, r.folder);
            if (CupsQueue::Available())
                painter->SpoolThroughCups(target->paper ? target->paper->key : QString());
            if (plan)
                painter->SetOverview(std::move(*plan), s.Overview());
            pages = std::move(painter);
        }
        return std::make_unique<SheetSelectionSink>(std::move(pages), sheets, sheetsAdded);
    });
    const SaveOutcome saved = saver.Save(poster, source, save, OverwritePolicy::Replace);
    switch (saved.status) {
    case SaveOutcome::Status::Saved:
        break;
    case SaveOutcome::Status::Canceled:
        out.status = PrintOutcome::Status::Canceled;
        out.title = PrintTexts::CanceledTitle();
        out.text = PrintTexts::Canceled();
        return out;
    default:
        return Failed(out, saved.title, saved.text);
    }
    out.pages = sheetsAdded + (overview ? 1 : 0);
    if (request.path == PrintPath::Document) {
        const Result<int> job = CupsQueue::SubmitPdf(
            target->printer.name, saved.file, request.title, std::max(1, request.copies),
            target->paper ? target->paper->key : QString());
        if (!job)
            return Failed(out, PrintTexts::ErrorTitle(), job.error());
        out.jobId = *job;
    }
    out.status = PrintOutcome::Status::Printed;
    return out;
}

PrintOutcome PrintJob::PrintPicture(const SheetLayout& layout, const QString& sheetName,
                                    const QImage& picture, const PrintRequest& request) {
    PrintOutcome out;
    const auto target = Choose(request, layout.page, sheetName, out);
    if (!target)
        return out;
    QPrinter printer(QPrinterInfo::printerInfo(target->printer.name), QPrinter::HighResolution);
    SetUp(printer, *target, layout.page, request);
    if (const auto failed = PainterTileSink::PrintPicture(printer, layout, picture))
        return Failed(out, failed->title, failed->text);
    out.pages = 1;
    out.status = PrintOutcome::Status::Printed;
    return out;
}

} // namespace tessellon
