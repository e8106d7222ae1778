#include "print/edge_test_target_texts.h"

#include "common/number_format.h"
#include "common/string_table.h"
#include "layout/poster_state.h"

namespace tessellon {
namespace {

const QString kBreak2 = QStringLiteral("\r\n\r\n");

} // namespace

QString EdgeTestTargetTexts::InvalidPrintSize(const QString& printInfoCaption) {
    const QString pattern = QStringLiteral("##0.00");
    return tr("The custom print size that you currently have entered in not valid.  The height "
              "and width must both be between") +
           u' ' + FormatNumber(PosterState::getConstMinTileSize(), pattern) + u' ' + tr("and") +
           u' ' + FormatNumber(PosterState::getConstMaxTileSize(), pattern) + u' ' +
           tr("inches long.  Please enter valid values in the") + u' ' + u'"' +
           printInfoCaption.trimmed() + u'"' + u' ' + tr("section of the main dialog") + u'.';
}

QString EdgeTestTargetTexts::Confirm(double heightInches, double widthInches, UnitCode units) {
    const bool mm = IsMillimeters(units);
    const QString pattern = mm ? QStringLiteral("##0.0") : QStringLiteral("##0.00");
    const double factor = mm ? kMmPerInch : 1;
    const QString unitWord = mm ? QStringLiteral("mm") : StringTable::Text(str::InchSingular);
    const QString stripe = mm ? FormatNumber(1.6, QStringLiteral("0.0")) + QStringLiteral(" mm")
                              : QStringLiteral("1/16 ") + StringTable::Text(str::InchSingular);
    return tr("A") + u' ' + FormatNumber(heightInches * factor, pattern).trimmed() + u' ' +
           unitWord + u' ' + tr("high") + QStringLiteral(" x ") +
           FormatNumber(widthInches * factor, pattern).trimmed() + u' ' + unitWord + u' ' +
           tr("wide test image will now be created") + QStringLiteral(".  ") +
           tr("The target will have 4 colored stripes printed around each edge.  Each stripe is") +
           u' ' + stripe + u' ' + tr("wide") + u'.' + kBreak2 +
           tr("In order to to test how much your printer clips off of each edge, please do the "
              "following") +
           u':' + kBreak2 + QStringLiteral("(1) ") +
           tr("When prompted, save the image to your hard drive") + kBreak2 +
           QStringLiteral("(2) ") + tr("Print the image on your printer") + kBreak2 +
           QStringLiteral("(3) ") +
           tr("Count how many of the 4 colored stripes are visible on each edge of your print "
              "and input that information in the dialog box below here.") +
           kBreak2 + tr("Click OK to continue or cancel to quit");
}

QString EdgeTestTargetTexts::BuildFailed(const QString& failureText) {
    return tr("Create Test Target") + QStringLiteral(" - ") + failureText;
}

QString EdgeTestTargetTexts::SaveFailed(const QString& description) {
    return tr("Error occurred while saving image to disk") + QStringLiteral(" - ") + description;
}

QString EdgeTestTargetTexts::CaptionFailed(const QString& description) {
    return tr("Error adding text to edge test print") + QStringLiteral(" - ") + description;
}

QString EdgeTestTargetTexts::Completed(const QString& savedPath) {
    return tr("Image successfully saved to disk.") + kBreak2 + tr("Next you need to") + u':' +
           kBreak2 + QStringLiteral("(1) ") + tr("Print this image") + QStringLiteral(" (") +
           savedPath + QStringLiteral(") ") +
           tr("using the same printer, paper and printer settings that you") + u' ' +
           tr("will use when printing your poster images") + u'.' + kBreak2 +
           QStringLiteral("(2) ") +
           tr("Count the number of visible stripes along each edge of the resulting test print.") +
           kBreak2 + QStringLiteral("(3) ") +
           tr("Make sure that you currently have selected the Edge Calibration Profile which you "
              "would like to modify.") +
           kBreak2 + QStringLiteral("(4) ") +
           tr("Using the four dropdown controls located below here, indicate how many stripes are "
              "visible at each edge of your print (this tells the software how much your printer "
              "clips off of each edge of your prints).");
}

} // namespace tessellon
