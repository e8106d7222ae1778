#pragma once

#include "common/result.h"
#include "imaging/image_format.h"
#include "imaging/image_object.h"
#include "layout/tile_size_result.h"

#include <QString>

namespace tessellon {

class PosterState;

// The steps of making and writing the edge test target that the edge calibration dialog and
// the command line share. Each step gives its value or the message for the user (the dialog
// adds the title from EdgeTestTargetTexts).
class EdgeTestTargetFlow {
public:
    // The print size of the target: the tile print size before edge trims (height dH and
    // width dW in inches), or why it is invalid.
    static Result<TileSizeResult> PrintSize(const PosterState& poster);
    // The target for that size, or why it could not be built.
    static Result<ImageObject> Build(const TileSizeResult& size);
    // The image file type that `path` names by its extension, or why it names none.
    static Result<ImageFormat> FileFormat(const QString& path);
    // Writes the target with its 128 dpi stored, or says why it could not.
    static Result<> Save(ImageObject& target, const QString& path, ImageFormat format);
};

} // namespace tessellon
