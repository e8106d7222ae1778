#include "printing/painter_tile_sink.h"

#include "imaging/image_object.h"
#include "print/helvetica_metrics.h"
#include "print/overview_page_layout.h"
#include "print/sheet_painter.h"
#include "printing/cups_queue.h"
#include "printing/print_texts.h"

#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace tessellon {
namespace {

constexpr int kOverviewPpi = 150; // as the PDF's overview picture

UserMessage Failure(const QString& text) {
    return UserMessage{PrintTexts::ErrorTitle(), text};
}

} // namespace

PainterTileSink::PainterTileSink(QPrinter& printer, SheetLayout layout, AssemblyAids aids,
                                 QString folder)
    : printer_(printer), layout_(layout), aids_(aids), folder_(std::move(folder)) {}

void PainterTileSink::SetOverview(PosterOverview overview, OverviewPictureSource& pictures) {
    overview_ = std::move(overview);
    pictures_ = &pictures;
}

void PainterTileSink::SpoolThroughCups(QString media) {
    spoolMedia_ = std::move(media);
}

std::optional<UserMessage> PainterTileSink::NextPage() {
    if (pageStarted_ && !printer_.newPage())
        return Failure(PrintTexts::NotFinished());
    pageStarted_ = true;
    painter_.resetTransform();
    SheetPainter::UsePoints(painter_, printer_.resolution());
    return std::nullopt;
}

std::optional<UserMessage> PainterTileSink::Open() {
    if (spoolMedia_) {
        // Not named .pdf: the printer keeps its driver's papers and writes its PDF there.
        spoolFile_ = folder_ + QStringLiteral("/painted.spool");
        printer_.setOutputFileName(spoolFile_);
    }
    if (!painter_.begin(&printer_))
        return Failure(PrintTexts::NotStarted(printer_.printerName()));
    if (!overview_)
        return std::nullopt;
    if (auto failed = NextPage())
        return failed;
    const HelveticaMetrics helvetica;
    const OverviewPageLayout page(layout_.page, *overview_, [&](const QString& text, double size) {
        return helvetica.Width(text, size);
    });
    const QRectF box = page.Picture();
    const int longSide = std::min(
        static_cast<int>(std::lround(std::max(box.width(), box.height()) / 72 * kOverviewPpi)),
        std::max(overview_->window.width(), overview_->window.height()));
    const std::optional<QSize> size =
        pictures_ ? pictures_->Reserve(*overview_, longSide) : std::nullopt;
    if (size && !pictures_->Immediate())
        return Failure(PrintTexts::NotFinished());
    SheetPainter::PaintOverviewPage(painter_, layout_.page, *overview_,
                                    size ? pictures_->Picture(*overview_, longSide) : QImage());
    return std::nullopt;
}

std::optional<UserMessage> PainterTileSink::Add(int index, const QByteArray& encoded, QSize) {
    // The very JPEG the PDF embeds, so both ways print the same pixels.
    const QImage picture = QImage::fromData(encoded, "JPEG");
    if (picture.isNull())
        return Failure(PrintTexts::NotFinished());
    if (auto failed = NextPage())
        return failed;
    SheetPainter::PaintSheet(painter_, layout_, index, aids_, picture);
    return std::nullopt;
}

std::optional<UserMessage> PainterTileSink::Finish() {
    if (!painter_.end() || printer_.printerState() == QPrinter::Error)
        return Failure(PrintTexts::NotFinished());
    if (spoolMedia_) {
        const Result<int> job =
            CupsQueue::SubmitPdf(printer_.printerName(), spoolFile_, printer_.docName(),
                                 std::max(1, printer_.copyCount()), *spoolMedia_);
        if (!job)
            return Failure(job.error());
    }
    return std::nullopt;
}

void PainterTileSink::Abandon() {
    if (painter_.isActive()) {
        // A spooled job just stays in the folder, which goes away with the job.
        if (!spoolMedia_)
            printer_.abort();
        painter_.end();
    }
}

std::optional<UserMessage>
PainterTileSink::PrintPicture(QPrinter& printer, const SheetLayout& layout, const QImage& picture) {
    PainterTileSink sink(printer, layout, AssemblyAids{false, false, false, false}, {});
    if (auto failed = sink.Open())
        return failed;
    if (auto failed = sink.NextPage())
        return failed;
    sink.painter_.drawImage(layout.picture, picture);
    return sink.Finish();
}

} // namespace tessellon
