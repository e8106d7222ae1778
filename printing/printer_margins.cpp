#include "printing/printer_margins.h"

#include "printing/print_texts.h"
#include "printing/printer_catalog.h"

#include <algorithm>

namespace tessellon {
namespace {

constexpr double kPointsPerInch = 72;

} // namespace

QString PrinterMargins::PrinterName() {
    const auto printer = PrinterCatalog::Find({});
    return printer ? printer->name : QString();
}

Result<MarginValues> PrinterMargins::For(const QString& printer, const PaperSize& size,
                                         UnitCode units) {
    const auto entry = PrinterCatalog::Find(printer);
    if (!entry)
        return Result<>::Fail(printer.isEmpty() ? PrintTexts::NoPrinter()
                                                : PrintTexts::UnknownPrinter(printer));
    const double perPoint = (IsMillimeters(units) ? kMmPerInch : 1) / kPointsPerInch;
    const QSizeF points(size.width / perPoint, size.height / perPoint);
    const auto paper = PrinterCatalog::Matching(*entry, points);
    const auto margins = paper ? PrinterCatalog::MinimumMargins(entry->name, *paper) : std::nullopt;
    if (!margins)
        return Result<>::Fail(
            PrintTexts::NoSuchPaper(entry->name, PrintTexts::PaperText({}, points)));
    MarginValues out{margins->top(), margins->right(), margins->bottom(), margins->left()};
    if (size.width > size.height) {
        const double across = std::max(margins->left(), margins->right());
        const double along = std::max(margins->top(), margins->bottom());
        out = {across, along, across, along};
    }
    for (double& v : out)
        v *= perPoint;
    return out;
}

} // namespace tessellon
