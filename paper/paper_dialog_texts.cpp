#include "paper/paper_dialog_texts.h"

#include "common/string_table.h"

namespace tessellon {

PaperDialogTexts PaperDialogTexts::SetPaperDialogTexts() {
    PaperDialogTexts t;
    t.windowCaption = tr("Determine Tile Print Size");
    t.selectUnitsLabel = tr("(1) Select Units");
    t.inchesOption = StringTable::Text(str::InchesWord);
    t.millimetersOption = StringTable::Text(str::MillimetersWord);
    t.selectPaperLabel = tr("(2) Select Paper Size");
    t.paperListTip = tr("Choose paper size (or select Custom Size)");
    t.widthLabel = tr("Width:");
    t.widthTip = tr("Full paper width (including margins)");
    t.heightLabel = tr("Height:");
    t.heightTip = tr("Full paper height (including margins)");
    t.selectMarginsLabel = tr("(3) Select Margin Size For Prints");
    t.marginLabels = {tr("Top Margin:"), tr("Right Margin:"), tr("Bottom Margin:"),
                      tr("Left Margin:")};
    t.marginTips = {tr("Select or type top margin size"), tr("Select or type right margin size"),
                    tr("Select or type bottom margin size"), tr("Select or type left margin size")};
    t.lockCaption = tr("Left=Right, Top=Bottom");
    t.lockTip = tr("Force the left/right and top/bottom margins to be equal");
    t.borderlessCaption = tr("Set to borderless (no margins)");
    t.borderlessTip = tr("Set all border sizes to zero (use this for borderless prints)");
    t.resetCaption = tr("Reset to default margins");
    t.resetTip = tr("Reset margin sizes to default values for selected paper size");
    t.printerMarginsCaption = tr("Printer Margins");
    t.printerMarginsTip =
        tr("Set the margins to what the printer \"%1\" cannot print at the edges of this paper");
    t.resultsLabel = tr("(4) Results:");
    t.sizeWithBordersLabel = tr("Size BEFORE margins trimmed:");
    t.sizeWithBordersTip = tr("This is the full paper size, including margins");
    t.sizeWithoutBordersLabel = tr("Size AFTER margins trimmed:");
    t.sizeWithoutBordersTip =
        tr("This is the poster tile size (the print size AFTER margins trimmed off)");
    t.applyCaption = tr("Apply");
    t.applyTip = tr("Accept current print/margin values");
    t.okCaption = tr("OK");
    t.okTip = tr("Accept current print/margin values and return to main window");
    t.cancelCaption = tr("Cancel");
    t.cancelTip = tr("Do not accept current print/margin values");
    return t;
}

} // namespace tessellon
