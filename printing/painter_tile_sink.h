#pragma once

#include "export/tile_sink.h"
#include "print/assembly_aids.h"
#include "print/overview_picture_source.h"
#include "print/poster_overview.h"
#include "print/sheet_layout.h"

#include <QPainter>

#include <optional>

class QPrinter;

namespace tessellon {

class ImageObject;

// The poster's pages drawn with a QPainter on a printer: the overview page (when set) and
// each sheet as the PDF export makes it (SheetPainter). The printer sends the job when the
// last page is done; an abandoned job is aborted, and nothing is sent.
class PainterTileSink : public TileSink {
public:
    // `printer` (set up with the paper, full page) must outlive the sink; `folder` is where
    // the print system's own spooling takes room.
    PainterTileSink(QPrinter& printer, SheetLayout layout, AssemblyAids aids, QString folder);

    // Puts the overview page first, its picture from `pictures` (which must outlive the sink).
    // The pages are drawn in order, so the picture must be at hand before the first tile
    // (OverviewPictureSource::Immediate).
    void SetOverview(PosterOverview overview, OverviewPictureSource& pictures);
    // Qt's CUPS printer cannot abort a started job (ending it sends it), so the pages go to a
    // file in the folder and only a finished job is handed to the queue, on paper `media`.
    void SpoolThroughCups(QString media);

    QString Folder() const override { return folder_; }
    std::optional<UserMessage> CheckNames() const override { return std::nullopt; }
    std::optional<UserMessage> ExistingTarget() const override { return std::nullopt; }
    std::optional<UserMessage> Open() override;
    std::optional<UserMessage> Add(int index, const QByteArray& encoded, QSize pixels) override;
    std::optional<UserMessage> Finish() override;
    void Abandon() override;

    // The picture of the sheet `layout` places, drawn on a page of its own (the edge test
    // target); opens and finishes the job itself.
    static std::optional<UserMessage> PrintPicture(QPrinter& printer, const SheetLayout& layout,
                                                   const QImage& picture);

private:
    std::optional<UserMessage> NextPage();

    QPrinter& printer_;
    SheetLayout layout_;
    AssemblyAids aids_;
    QString folder_;
    QPainter painter_;
    std::optional<PosterOverview> overview_;
    OverviewPictureSource* pictures_ = nullptr;
    bool pageStarted_ = false;
    std::optional<QString> spoolMedia_; // set: the pages go to spoolFile_ first
    QString spoolFile_;
};

} // namespace tessellon
