#pragma once

#include <QMarginsF>
#include <QSizeF>
#include <QString>

#include <optional>
#include <vector>

namespace tessellon {

// A paper the printer's driver offers: its key for the print system, its name and its size.
struct PrinterPaper {
    QString key;
    QString name;
    QSizeF points; // portrait, 1/72 inch
};

struct PrinterEntry {
    QString name;
    bool isDefault = false;
    bool stopped = false; // the queue is stopped or in error: a job would wait or fail
    std::vector<PrinterPaper> papers;
    std::optional<PrinterPaper> defaultPaper;
};

// The installed printers as the system's print support reports them (CUPS, Windows).
class PrinterCatalog {
public:
    static std::vector<PrinterEntry> Printers();
    // The printer of that name; an empty name: the default printer, else the only one.
    static std::optional<PrinterEntry> Find(const QString& name);
    // The printer's paper of `page`'s size, either way round, within half a millimetre.
    static std::optional<PrinterPaper> Matching(const PrinterEntry& printer, QSizeF page);
    // The paper of that key.
    static std::optional<PrinterPaper> ByKey(const PrinterEntry& printer, const QString& key);
    // What the driver cannot print at the edges of `paper` (points, top left bottom right as
    // QMarginsF holds them), for the paper in portrait.
    static std::optional<QMarginsF> MinimumMargins(const QString& printer,
                                                   const PrinterPaper& paper);
};

} // namespace tessellon
