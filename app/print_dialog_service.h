#pragma once

#include "printing/printer_catalog.h"

#include <QSizeF>
#include <QString>

#include <optional>

class QWidget;

namespace tessellon {

// What the print dialog starts with: the poster's sheet (its paper, turned as it is).
struct PrintSetup {
    QSizeF sheet;      // points, as the sheets are printed
    QString sheetName; // the paper's name, if any
    int tilesWide = 0; // 0: a single page, no sheets to choose
    int tilesHigh = 0;
    QString title; // the job's name
};

// What the user chose in the print dialog.
struct PrintChoice {
    QString printer;
    std::optional<PrinterPaper> paper; // the paper, portrait
    int copies = 1;
    QString sheets; // as typed: "B2", "4-6"; empty for every sheet
};

// The system's print dialog behind a seam, so that tests put a recorder in its place (as the
// message boxes are replaced through MessageService).
class PrintDialogService {
public:
    virtual ~PrintDialogService() = default;
    // Empty when the user cancels.
    virtual std::optional<PrintChoice> Ask(QWidget* parent, const PrintSetup& setup) = 0;
};

} // namespace tessellon
