#pragma once

#include <QCoreApplication>
#include <QSizeF>
#include <QString>

namespace tessellon {

// Every text printing shows: its messages, their titles and the progress text.
class PrintTexts {
    Q_DECLARE_TR_FUNCTIONS(PrintTexts)

public:
    static QString ErrorTitle() { return tr("Print Error"); }
    static QString Preparing() { return tr("Preparing the sheets for the printer"); }
    static QString NoPrinter() { return tr("No printer is installed."); }
    static QString UnknownPrinter(const QString& name) {
        return tr("There is no printer named \"%1\".").arg(name);
    }
    static QString NoSuchPaper(const QString& printer, const QString& paper) {
        return tr("The printer \"%1\" has no paper of %2.").arg(printer, paper);
    }
    static QString PrinterMarginsTitle() { return tr("Printer Margins"); }
    static QString Stopped(const QString& name) {
        return tr("The printer \"%1\" is stopped or has an error; start it again (or choose "
                  "another printer) and print once more. Nothing was sent.")
            .arg(name);
    }
    static QString Refused(const QString& name, const QString& reason) {
        return tr("The printer \"%1\" refused the print job: %2").arg(name, reason);
    }
    static QString NotStarted(const QString& reason) {
        return tr("The print job could not be started: %1").arg(reason);
    }
    static QString NotFinished() { return tr("The print job could not be handed to the printer."); }
    static QString PrintedTitle() { return tr("Printed"); }
    static QString SheetsTitle() { return tr("Sheets"); }
    static QString CanceledTitle() { return tr("Canceled"); }
    static QString Canceled() { return tr("Printing canceled; nothing was sent to the printer."); }
    static QString MismatchTitle() { return tr("Paper Differs"); }
    // The poster's sheet and the printer's paper, both named with their sizes.
    static QString Mismatch(const QString& sheet, const QString& paper);
    static QString MismatchQuestion() {
        return tr("Print at actual size anyway (Yes), or go back to the print dialog (No)?");
    }
    // "A4 (210 x 297 mm)": a paper's name, if any, and its size in millimetres and inches.
    static QString PaperText(const QString& name, QSizeF points);
    static QString Printed(int pages, const QString& printer) {
        return tr("%n page(s) sent to %1.", nullptr, pages).arg(printer);
    }
};

} // namespace tessellon
