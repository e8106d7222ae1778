#pragma once

#include "imaging/image_format.h"
#include "print/assembly_aids.h"

#include <QString>

#include <optional>

namespace tessellon {

// What the save dialog says about where and how the tiles are written.
struct SaveTilesRequest {
    QString folder;                    // the folder in which the new folder is created
    QString newFolderName;             // may be empty: the tiles then go straight into `folder`
    QString baseFileName;              // each file is named base name + tile number + extension
    std::optional<ImageFormat> format; // empty when no file type is chosen
    // A document's file name in `folder`; empty: base name + "poster" + extension.
    QString documentName = {};
    AssemblyAids aids = {};
};

} // namespace tessellon
