#pragma once

#include <QString>

namespace tessellon {

// How a print ended, with the message that says so. The job shows nothing itself.
struct PrintOutcome {
    enum class Status {
        Printed,       // the print system took the job
        Canceled,      // cancel pressed; nothing was sent
        Failed,        // title and text name the cause; nothing was sent
        PaperMismatch, // the policy refused another paper; title and text name both sizes
    };
    Status status = Status::Failed;
    QString title;
    QString text;
    QString printer; // the printer the job went to, once known
    int pages = 0;   // pages sent, the overview page included
    int jobId = 0;   // the print system's number of the job, where it tells one
};

} // namespace tessellon
