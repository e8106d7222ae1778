#pragma once

#include <QCoreApplication>
#include <QString>

#include <array>

namespace tessellon {

// The fixed captions and tool tips of the paper dialog; the unit-dependent texts come with
// each PaperView. Margin arrays follow the margin box order: top, right, bottom, left.
struct PaperDialogTexts {
    Q_DECLARE_TR_FUNCTIONS(PaperDialogTexts)

public:
    QString windowCaption;
    QString selectUnitsLabel;            // Label2
    QString inchesOption;                // opbInches
    QString millimetersOption;           // opbMm
    QString selectPaperLabel;            // Label1
    QString paperListTip;                // lstPaperSize
    QString widthLabel;                  // lblPaperWidth
    QString widthTip;                    // txtWidth
    QString heightLabel;                 // Label11
    QString heightTip;                   // txtHeight
    QString selectMarginsLabel;          // Label3
    std::array<QString, 4> marginLabels; // Label4, Label7, Label5, Label6
    std::array<QString, 4> marginTips;   // cmbMargins items 0..3
    QString lockCaption;                 // chkLock
    QString lockTip;
    QString borderlessCaption; // cmdBorderless
    QString borderlessTip;
    QString resetCaption; // cmdReset
    QString resetTip;
    QString printerMarginsCaption;   // cmdPrinterMargins, shown when a printer is installed
    QString printerMarginsTip;       // %1: the printer
    QString resultsLabel;            // Label8
    QString sizeWithBordersLabel;    // Label9
    QString sizeWithBordersTip;      // lblSizeWithBorders
    QString sizeWithoutBordersLabel; // Label10
    QString sizeWithoutBordersTip;   // lblSizeWithoutBorders
    QString applyCaption;            // cmdApply
    QString applyTip;
    QString okCaption; // cmdOk
    QString okTip;
    QString cancelCaption; // cmdCancel
    QString cancelTip;

    // The texts in the user's language, as the window sets them once when it loads.
    static PaperDialogTexts SetPaperDialogTexts();
};

} // namespace tessellon
