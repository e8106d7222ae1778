#pragma once

#include "export/image_format.h"

#include <QString>

#include <optional>

namespace tessellon {

// Aids for putting the printed poster together. Labels and marks go on the sheets only where
// no picture shows (margins, strips a neighbour covers); the overview is the first page of a
// document. For image tiles only the overview image applies, and only when asked for.
struct AssemblyAids {
    bool labels = true;         // each sheet's name, the layout and marks toward its neighbours
    bool marks = true;          // cut lines and glue areas, or corner crop marks
    bool overviewPage = true;   // a document's first page: the whole poster with its grid
    bool overviewImage = false; // image tiles: a picture of the whole poster beside them
};

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
