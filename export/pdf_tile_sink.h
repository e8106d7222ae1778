#pragma once

#include "export/pdf_poster_writer.h"
#include "export/poster_overview.h"
#include "export/save_tiles_request.h"
#include "export/tile_sink.h"

#include <QByteArray>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>

#include <optional>

namespace tessellon {

class PosterState;

// Where each tile goes on its sheet, in points from the sheet's top-left corner.
struct PdfSheetLayout {
    QSizeF page;    // the paper as chosen, width x height
    QRectF picture; // the untrimmed tile print area: at the left and top margins, paper less
                    // margins
    // What the assembly aids need besides.
    std::optional<QMarginsF> trims; // with "Adjust edges": what the printer cuts off the picture
    double overlap = 0;             // the strip neighbouring sheets share
    int tilesWide = 1;
    int tilesHigh = 1;
    bool turned = false; // the tiles are printed turned a quarter counter-clockwise
};

// The whole poster as one PDF: one page per tile in tile order, each page the paper and the
// tile's JPEG filling the printable area. The document is complete under its name only after
// the last tile; otherwise nothing is left behind.
class PdfTileSink : public TileSink {
public:
    PdfTileSink(SaveTilesRequest request, PdfSheetLayout layout, QByteArray colourProfile);

    // The sheet layout of the poster's paper and margins.
    static PdfSheetLayout LayoutFor(const PosterState& poster);
    // The document's path: the folder and the document name (by default the base name,
    // "poster" and the extension).
    static QString DocumentFilePath(const SaveTilesRequest& request);

    // Puts an overview page first: the poster picture cut from `img` (which must outlive the
    // sink) with the sheets, their names and how to put them together.
    void SetOverview(PosterOverview overview, const ImageObject& img);

    QString Folder() const override { return request_.folder; }
    QString DocumentPath() const override { return DocumentFilePath(request_); }
    std::optional<SaveMessage> CheckNames() const override;
    std::optional<SaveMessage> ExistingTarget() const override;
    std::optional<SaveMessage> Open() override;
    std::optional<SaveMessage> Add(int index, const QByteArray& encoded, QSize pixels) override;
    std::optional<SaveMessage> Finish() override;
    void Abandon() override { writer_.Discard(); }

private:
    ImagingResult WriteOverview();
    // The labels and marks of the sheet of tile `index` that the request asks for.
    ImagingResult DrawAssemblyAids(int index);
    // The document could not be written, for the reason `why`.
    static SaveMessage SaveFailed(const QString& why);

    SaveTilesRequest request_;
    PdfSheetLayout layout_;
    QByteArray colourProfile_;
    PdfPosterWriter writer_;
    std::optional<PosterOverview> overview_;
    const ImageObject* image_ = nullptr;
};

} // namespace tessellon
