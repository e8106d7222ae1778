#pragma once

#include <QString>

namespace tessellon {

// How a tile save ended, with the message that describes it. The saver itself shows nothing:
// whoever started the save tells the user (or asks, for TargetExists).
struct SaveOutcome {
    enum class Status {
        Saved,        // every tile written
        Declined,     // the existing target was not confirmed; nothing written
        Canceled,     // cancel pressed; image files written so far stay, a document does not
        Failed,       // title and text say why
        TargetExists, // the policy refused an existing target; title and text are the question
    };
    Status status = Status::Failed;
    QString folder;       // the folder the output goes into, once known
    QString file;         // the document's path when the output is one file
    int tilesWritten = 0; // tiles complete in the output
    QString title;        // the failure, cancel or question
    QString text;
    // The imaging component could not make an image object: its own message comes first.
    bool imagingUnavailable = false;

    // What the success window names: the document, or the folder of image files.
    QString Target() const { return file.isEmpty() ? folder : file; }
};

} // namespace tessellon
