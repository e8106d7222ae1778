#pragma once

#include "export/save_tiles_request.h"
#include "export/tile_sink.h"
#include "print/overview_picture_source.h"
#include "print/pdf_poster_writer.h"
#include "print/poster_overview.h"
#include "print/sheet_layout.h"

#include <QByteArray>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include <optional>

namespace tessellon {

class PosterState;

// The whole poster as one PDF: one page per tile in tile order, each page the paper and the
// tile's JPEG filling the printable area. The document is complete under its name only after
// the last tile; otherwise nothing is left behind.
class PdfTileSink : public TileSink {
public:
    PdfTileSink(SaveTilesRequest request, SheetLayout layout, QByteArray colourProfile);

    // The sheet layout of the poster's paper and margins.
    static SheetLayout LayoutFor(const PosterState& poster);
    // The document's path: the folder and the document name (by default the base name,
    // "poster" and the extension).
    static QString DocumentFilePath(const SaveTilesRequest& request);

    // Puts an overview page first: the poster picture from `pictures` (which must outlive the
    // sink) with the sheets, their names and how to put them together. A picture that comes
    // only once the tiles are cut is written into its page's place then.
    void SetOverview(PosterOverview overview, OverviewPictureSource& pictures);

    QString Folder() const override { return request_.folder; }
    QString DocumentPath() const override { return DocumentFilePath(request_); }
    std::optional<UserMessage> CheckNames() const override;
    std::optional<UserMessage> ExistingTarget() const override;
    std::optional<UserMessage> Open() override;
    std::optional<UserMessage> Add(int index, const QByteArray& encoded, QSize pixels) override;
    std::optional<UserMessage> Finish() override;
    void Abandon() override { writer_.Discard(); }

private:
    // Every text the document may show: the writer chooses its face by them.
    QStringList Texts() const;
    Result<> WriteOverview();
    // The overview's picture as the page embeds it.
    static Result<QByteArray> OverviewJpeg(const QImage& picture);
    // The labels and marks of the sheet of tile `index` that the request asks for.
    Result<> DrawAssemblyAids(int index);
    // The document could not be written, for the reason `why`.
    static UserMessage SaveFailed(const QString& why);

    SaveTilesRequest request_;
    SheetLayout layout_;
    QByteArray colourProfile_;
    PdfPosterWriter writer_;
    std::optional<PosterOverview> overview_;
    OverviewPictureSource* pictures_ = nullptr;
    int overviewLongSide_ = 0;
    std::optional<int> laterPicture_; // the overview's picture, placed but not written yet
};

} // namespace tessellon
