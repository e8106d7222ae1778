#pragma once

#include "app/print_dialog_service.h"
#include "export/tile_saver.h"
#include "printing/print_outcome.h"

#include <QImage>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace tessellon {

class MessageService;
class PosterState;
class SaveProgress;
struct SheetLayout;

// File > Print as the windows run it: the print dialog set up for the poster, the sheets
// chosen there, the question when the printer's paper is not the poster's (Yes prints at
// actual size, No goes back to the dialog), the print job with the progress window, and the
// message that tells how it ended.
class PrintPosterFlow {
public:
    PrintPosterFlow(MessageService& messages, PrintDialogService& dialog, SaveProgress& progress)
        : messages_(messages), dialog_(dialog), progress_(progress) {}

    // Prints the poster; `open` gives the photo for each job it starts (a source read in bands
    // is read once). The last outcome, or empty when the user cancelled the dialog.
    std::optional<PrintOutcome> PrintPoster(QWidget* parent, const PosterState& poster,
                                            const TileSaver::SourceOpener& open,
                                            const QString& title);
    // Prints one picture placed as a sheet's tile picture (the edge test target).
    std::optional<PrintOutcome> PrintPicture(QWidget* parent, const SheetLayout& layout,
                                             const QString& sheetName, const QImage& picture,
                                             const QString& title);
    // Prints the edge test target at the poster's tile print size, where a tile's picture
    // sits on its sheet.
    std::optional<PrintOutcome> PrintTestTarget(QWidget* parent, const PosterState& poster,
                                                const QImage& target, const QString& title);

private:
    using Job =
        std::function<PrintOutcome(const QString& sheets, PrintChoice& choice, bool anyPaper)>;
    std::optional<PrintOutcome> Loop(QWidget* parent, const PrintSetup& setup, const Job& job);

    MessageService& messages_;
    PrintDialogService& dialog_;
    SaveProgress& progress_;
};

} // namespace tessellon
