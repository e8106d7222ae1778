#pragma once

#include "common/units.h"

#include <QCoreApplication>
#include <QString>

namespace tessellon {

// The messages around making and saving the edge test target, with their titles, as the edge
// calibration dialog shows them.
class EdgeTestTargetTexts {
    Q_DECLARE_TR_FUNCTIONS(EdgeTestTargetTexts)

public:
    // The tile print size is invalid; `printInfoCaption` is the caption of the main window's
    // print size frame.
    static QString InvalidPrintSize(const QString& printInfoCaption);
    static QString InvalidPrintSizeTitle() { return tr("Invalide print dimensions"); }

    // The confirmation before the target is made, for a print of H by W inches.
    static QString Confirm(double heightInches, double widthInches, UnitCode units);
    static QString ConfirmTitle() { return tr("Create Test Target"); }

    // The image could not be built.
    static QString BuildFailed(const QString& failureText);
    static QString ErrorTitle() { return tr("Error"); }

    static QString SaveCanceled() { return tr("Test Target Creation canceled"); }
    static QString SaveCanceledTitle() { return tr("canceled"); }

    static QString InvalidFileType() {
        return tr("Invalid image filename.  Must save image as bmp, tif or jpg file");
    }
    static QString InvalidFileTypeTitle() { return tr("Invalid file type"); }

    static QString SaveFailed(const QString& description);

    static QString Completed(const QString& savedPath);
    static QString CompletedTitle() { return tr("Test Image Creation Completed"); }

    // What the drawing routines record.
    static QString CaptionFailed(const QString& description);
    static QString InvalidSize() { return tr("Invalid test image size"); }
    static QString NoPixels() { return tr("No pixels to draw the stripes on"); }

    // The save file dialog.
    static QString SaveDialogTitle() { return tr("Save Test Target"); }
    static QString DefaultFileName() { return QStringLiteral("Edge_Test_Image"); }
};

} // namespace tessellon
