#include "app/print_poster_flow.h"

#include "common/message_service.h"
#include "export/pdf_tile_sink.h"
#include "layout/poster_state.h"
#include "printing/print_job.h"
#include "printing/print_texts.h"
#include "printing/sheet_range.h"

#include <QImage>

namespace tessellon {

std::optional<PrintOutcome> PrintPosterFlow::Loop(QWidget* parent, const PrintSetup& setup,
                                                  const Job& job) {
    if (PrinterCatalog::Printers().empty()) {
        messages_.Critical(PrintTexts::ErrorTitle(), PrintTexts::NoPrinter());
        return std::nullopt;
    }
    while (true) {
        auto choice = dialog_.Ask(parent, setup);
        if (!choice)
            return std::nullopt;
        PrintOutcome outcome = job(choice->sheets, *choice, false);
        if (outcome.status == PrintOutcome::Status::PaperMismatch) {
            const auto answer =
                messages_.YesNoCancel(outcome.title, outcome.text + QStringLiteral("\n\n") +
                                                         PrintTexts::MismatchQuestion());
            if (answer == MessageService::Answer::No)
                continue; // back to the dialog
            if (answer != MessageService::Answer::Yes)
                return outcome;
            outcome = job(choice->sheets, *choice, true);
        }
        switch (outcome.status) {
        case PrintOutcome::Status::Printed:
            messages_.Information(PrintTexts::PrintedTitle(),
                                  PrintTexts::Printed(outcome.pages, outcome.printer));
            return outcome;
        case PrintOutcome::Status::PaperMismatch:
            return outcome;
        default:
            messages_.Critical(outcome.title, outcome.text);
            // A sheet list the poster has not: back to the dialog to write it again.
            if (outcome.title == PrintTexts::SheetsTitle())
                continue;
            return outcome;
        }
    }
}

std::optional<PrintOutcome> PrintPosterFlow::PrintPoster(QWidget* parent, const PosterState& poster,
                                                         const TileSaver::SourceOpener& open,
                                                         const QString& title) {
    const SheetLayout layout = PdfTileSink::LayoutFor(poster);
    PrintSetup setup{layout.page, poster.Paper() ? poster.Paper()->name : QString(),
                     layout.tilesWide, layout.tilesHigh, title};
    return Loop(parent, setup, [&](const QString& sheets, PrintChoice& choice, bool anyPaper) {
        PrintOutcome out;
        const auto chosen = SheetRange::Parse(sheets, layout.tilesWide, layout.tilesHigh);
        if (!chosen) {
            out.title = PrintTexts::SheetsTitle();
            out.text = chosen.error();
            return out;
        }
        PrintRequest request;
        request.printer = choice.printer;
        request.paperChoice = choice.paper;
        request.sheets = *chosen;
        request.copies = choice.copies;
        request.path = PrintJob::DefaultPath();
        request.paper = anyPaper ? PaperPolicy::Accept : PaperPolicy::Refuse;
        request.title = title;
        auto source = open();
        if (!source) {
            out.title = PrintTexts::ErrorTitle();
            out.text = source.error();
            return out;
        }
        PrintJob job(progress_);
        return job.Print(poster, **source, request);
    });
}

std::optional<PrintOutcome>
PrintPosterFlow::PrintPicture(QWidget* parent, const SheetLayout& layout, const QString& sheetName,
                              const QImage& picture, const QString& title) {
    PrintSetup setup{layout.page, sheetName, 0, 0, title};
    return Loop(parent, setup, [&](const QString&, PrintChoice& choice, bool anyPaper) {
        PrintRequest request;
        request.printer = choice.printer;
        request.paperChoice = choice.paper;
        request.copies = choice.copies;
        request.paper = anyPaper ? PaperPolicy::Accept : PaperPolicy::Refuse;
        request.title = title;
        PrintJob job(progress_);
        return job.PrintPicture(layout, sheetName, picture, request);
    });
}

std::optional<PrintOutcome> PrintPosterFlow::PrintTestTarget(QWidget* parent,
                                                             const PosterState& poster,
                                                             const QImage& target,
                                                             const QString& title) {
    SheetLayout layout = PdfTileSink::LayoutFor(poster);
    // One page with the picture alone: no neighbours, no aids.
    layout.trims.reset();
    layout.overlap = 0;
    layout.tilesWide = layout.tilesHigh = 1;
    return PrintPicture(parent, layout, poster.Paper() ? poster.Paper()->name : QString(), target,
                        title);
}

} // namespace tessellon
