#pragma once

#include <QString>

namespace tessellon {

// How a tile save ended. The user has already been told (message service or success window);
// this is for the caller's own bookkeeping.
struct SaveOutcome {
    enum class Status {
        Saved,    // every tile written, success window shown
        Declined, // the existing folder was not confirmed; nothing written
        Canceled, // cancel pressed; the tiles written so far stay
        Failed,   // a message was shown
    };
    Status status = Status::Failed;
    QString folder;       // the target folder path, once known
    int tilesWritten = 0; // files complete under their final names
    QString title;        // the message shown on failure or cancel
    QString text;
};

} // namespace tessellon
