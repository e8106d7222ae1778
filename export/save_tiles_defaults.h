#pragma once

#include "common/user_message.h"
#include "imaging/image_format.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace tessellon {

// What the save dialog proposes for a source file: base name, new folder name and file type,
// or why it cannot open.
class SaveTilesDefaults {
    Q_DECLARE_TR_FUNCTIONS(SaveTilesDefaults)

public:
    // From the source file's name (without folder): base = the name less its image extension
    // (.jpg, .jpeg, .tif, .tiff, ... in any case; else its last four characters); base name
    // base + "_", folder base + "_poster_images"; file type the source's own (TIFF for PNG,
    // JPEG for WebP).
    static SaveTilesDefaults For(const QString& fileName);

    // Set when the name is shorter than five characters (base and folder names stay empty).
    std::optional<UserMessage> nameProblem;
    // Set when the name's ending is no image type the program reads (format stays empty).
    std::optional<UserMessage> formatProblem;
    QString baseFileName;
    QString newFolderName;
    std::optional<ImageFormat> format;

    static QString InvalidFileText() { return tr("Invalid file chosen.  Can not continue."); }
    static QString InvalidFileTitle() { return tr("Problem"); }
    static QString InvalidTypeText() { return tr("Unable to save - invalid image file type"); }
    static QString InvalidTypeTitle() { return tr("Error"); }
};

} // namespace tessellon
