#pragma once

#include "common/result.h"
#include "export/tile_saver.h"
#include "export/tile_source.h"
#include "imaging/image_object.h"

#include <memory>
#include <optional>

namespace tessellon {

class SourceImage;

// The photo a save or a print from the window cuts its sheets from. An upright JPEG the poster
// does not turn is read from its file a band of tile rows at a time, as the command line reads
// it; anything else is the whole image, decoded once for all the runs of one save or print.
class PosterPhoto {
public:
    // `source` must outlive this object.
    explicit PosterPhoto(SourceImage& source) : source_(source) {}

    // The photo's rows for one run, or why the photo cannot be had (its file changed since it
    // was opened, it is damaged, it does not fit in memory).
    Result<std::unique_ptr<TileSource>> Open();

    // An opener for the saver and the print flow that keeps one PosterPhoto for all its runs.
    static TileSaver::SourceOpener Opener(SourceImage& source);

private:
    SourceImage& source_;
    std::optional<ImageObject> whole_;
};

} // namespace tessellon
