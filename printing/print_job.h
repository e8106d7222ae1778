#pragma once

#include "printing/print_outcome.h"
#include "printing/print_request.h"

#include <QImage>

namespace tessellon {

class ImageObject;
class PosterState;
class TileSource;
class SaveProgress;
struct SheetLayout;

// Prints the poster: checks the printer and its paper, makes every chosen sheet exactly as the
// PDF export makes its page (the tile's picture at the margins at its print size, with the same
// edge compensation and assembly aids, after the overview page), with progress and cancel, and
// hands the job to the print system only once every page is made. It asks nothing: a paper
// that differs from the poster's is refused or accepted by the request's policy.
class PrintJob {
public:
    explicit PrintJob(SaveProgress& progress) : progress_(progress) {}

    // Where the print system takes PDF as it is (CUPS), the export's document; else a painter.
    static PrintPath DefaultPath();
    // Worker threads for cutting and encoding (see TileSaver::SetThreadCount); 0: the default.
    void SetThreadCount(int threads) { threads_ = threads; }

    PrintOutcome Print(const PosterState& poster, const ImageObject& img,
                       const PrintRequest& request);
    // The same from `source`. A painter draws the overview page first, so on that path the
    // source's overview picture must be at hand at once (a photo decoded whole).
    PrintOutcome Print(const PosterState& poster, TileSource& source, const PrintRequest& request);
    // One picture placed as a sheet's tile picture (the edge test target), on the request's
    // printer and paper.
    PrintOutcome PrintPicture(const SheetLayout& layout, const QString& sheetName,
                              const QImage& picture, const PrintRequest& request);

private:
    SaveProgress& progress_;
    int threads_ = 0;
};

} // namespace tessellon
