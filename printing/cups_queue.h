#pragma once

#include "common/result.h"

#include <QString>

namespace tessellon {

// A CUPS queue, reached directly: it takes the poster PDF as it is, so what the printer gets is
// the export's document, byte for byte.
class CupsQueue {
public:
    // Whether this build can hand documents to CUPS.
    static bool Available();
    // Sends the PDF at `path` as one job: `copies` collated copies, unscaled, on the paper of
    // `media` (the queue's key; empty for its default). The job's number, or why the queue
    // refused it.
    static Result<int> SubmitPdf(const QString& printer, const QString& path, const QString& title,
                                 int copies, const QString& media);
};

} // namespace tessellon
