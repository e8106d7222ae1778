#include "app/poster_photo.h"

#include "export/banded_photo_source.h"
#include "export/whole_image_source.h"
#include "source/source_image.h"

namespace tessellon {

Result<std::unique_ptr<TileSource>> PosterPhoto::Open() {
    if (source_.ReadsInBands() && !whole_) {
        if (const auto same = source_.CheckUnchanged(); !same)
            return same;
        // A photo the band reader refuses (its decoder would need too much memory) is decoded
        // whole below, which names the reason if that fails too.
        if (auto banded = BandedPhotoSource::Open(source_.Path()))
            return std::unique_ptr<TileSource>(std::move(banded).value());
    }
    if (!whole_) {
        auto full = source_.DecodeFull();
        if (!full)
            return full.status();
        whole_ = std::move(full).value();
    }
    return std::unique_ptr<TileSource>(std::make_unique<WholeImageSource>(*whole_));
}

TileSaver::SourceOpener PosterPhoto::Opener(SourceImage& source) {
    return [photo = std::make_shared<PosterPhoto>(source)] { return photo->Open(); };
}

} // namespace tessellon
