#include "app/qt_print_dialog_service.h"

#include "layout/sheet_names.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

namespace tessellon {
std::optional<PrintChoice> QtPrintDialogService::Ask(QWidget* parent, const PrintSetup& setup) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    const QSizeF portrait(std::min(setup.sheet.width(), setup.sheet.height()),
                          std::max(setup.sheet.width(), setup.sheet.height()));
    printer.setPageLayout(QPageLayout(
        QPageSize(portrait, QPageSize::Point, setup.sheetName, QPageSize::FuzzyMatch),
        setup.sheet.width() > setup.sheet.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(), QPageLayout::Point));
    printer.setDocName(setup.title);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("printDialog"));
    // Pages are sheets here: they are chosen on the Sheets tab by their names.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    QLineEdit* sheets = nullptr;
    if (setup.tilesWide > 0) {
        auto* tab = new QWidget(&dialog);
        tab->setWindowTitle(QCoreApplication::translate("QtPrintDialogService", "Sheets"));
        auto* layout = new QVBoxLayout(tab);
        auto* hint = new QLabel(
            QCoreApplication::translate(
                "QtPrintDialogService",
                "Sheets to print, named as they are labelled (A1 to %1) or numbered 1 to %2, "
                "such as B2 or 4-6. Empty: the whole poster, after its overview page.")
                .arg(SheetNames::Name(setup.tilesHigh - 1, setup.tilesWide - 1))
                .arg(setup.tilesWide * setup.tilesHigh),
            tab);
        hint->setWordWrap(true);
        layout->addWidget(hint);
        sheets = new QLineEdit(tab);
        sheets->setObjectName(QStringLiteral("txtSheets"));
        layout->addWidget(sheets);
        layout->addStretch();
        dialog.setOptionTabs({tab});
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    PrintChoice choice;
    choice.printer = printer.printerName();
    const QPageSize size = printer.pageLayout().pageSize();
    choice.paper = PrinterPaper{size.key(), size.name(), size.size(QPageSize::Point)};
    choice.copies = printer.copyCount();
    if (sheets)
        choice.sheets = sheets->text();
    return choice;
}

} // namespace tessellon
