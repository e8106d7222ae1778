#pragma once

#include "common/user_message.h"
#include "printing/printer_catalog.h"

#include <QSizeF>
#include <QString>

#include <optional>

namespace tessellon {

// Whether the poster's sheets go onto the printer's paper as they are: the same size, either
// way round (the printer turns a landscape sheet). Anything else would be cut off, moved or
// shrunk, so the user is told before anything is sent.
class PaperFit {
public:
    // Empty when `paper` takes sheets of `sheet` points; else the message naming both sizes.
    static std::optional<UserMessage> Check(QSizeF sheet, const QString& sheetName,
                                            const PrinterPaper& paper);
};

} // namespace tessellon
