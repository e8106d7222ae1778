#include "printing/printer_catalog.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace tessellon {
namespace {

constexpr double kTolerance = 72 / 25.4 / 2; // half a millimetre

PrinterPaper PaperOf(const QPageSize& size) {
    return PrinterPaper{size.key(), size.name(), size.sizePoints()};
}

PrinterEntry EntryOf(const QPrinterInfo& info) {
    PrinterEntry e;
    e.name = info.printerName();
    e.isDefault = info.isDefault();
    e.stopped = info.state() == QPrinter::Error || info.state() == QPrinter::Aborted;
    for (const QPageSize& size : info.supportedPageSizes())
        e.papers.push_back(PaperOf(size));
    if (const QPageSize d = info.defaultPageSize(); d.isValid())
        e.defaultPaper = PaperOf(d);
    return e;
}

bool Near(QSizeF a, QSizeF b) {
    return std::abs(a.width() - b.width()) <= kTolerance &&
           std::abs(a.height() - b.height()) <= kTolerance;
}

} // namespace

std::vector<PrinterEntry> PrinterCatalog::Printers() {
    std::vector<PrinterEntry> out;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        out.push_back(EntryOf(info));
    return out;
}

std::optional<PrinterEntry> PrinterCatalog::Find(const QString& name) {
    if (!name.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(name);
        return info.isNull() ? std::nullopt : std::optional(EntryOf(info));
    }
    if (const QPrinterInfo info = QPrinterInfo::defaultPrinter(); !info.isNull())
        return EntryOf(info);
    const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
    return all.size() == 1 ? std::optional(EntryOf(all.front())) : std::nullopt;
}

std::optional<PrinterPaper> PrinterCatalog::Matching(const PrinterEntry& printer, QSizeF page) {
    for (const PrinterPaper& p : printer.papers)
        if (Near(p.points, page) || Near(p.points, page.transposed()))
            return p;
    return std::nullopt;
}

std::optional<PrinterPaper> PrinterCatalog::ByKey(const PrinterEntry& printer, const QString& key) {
    for (const PrinterPaper& p : printer.papers)
        if (p.key == key)
            return p;
    return std::nullopt;
}

std::optional<QMarginsF> PrinterCatalog::MinimumMargins(const QString& printer,
                                                        const PrinterPaper& paper) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer);
    if (info.isNull())
        return std::nullopt;
    QPrinter device(info, QPrinter::HighResolution);
    device.setPageOrientation(QPageLayout::Portrait);
    for (const QPageSize& size : info.supportedPageSizes())
        if (size.key() == paper.key) {
            device.setPageSize(size);
            QPageLayout layout = device.pageLayout();
            layout.setUnits(QPageLayout::Point);
            return layout.minimumMargins();
        }
    return std::nullopt;
}

} // namespace tessellon
