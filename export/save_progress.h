#pragma once

#include <QString>

namespace tessellon {

// The progress and success windows as the tile saving uses them. Every call comes from the
// thread that runs the save.
class SaveProgress {
public:
    virtual ~SaveProgress() = default;
    // Shows the progress bar at 0 with a cancel button and clears the cancel flag.
    virtual void ShowProgressBar(const QString& sMsg) = 0;
    // Progress fraction 0..1 (larger values count as 1); also the moment a press of the cancel
    // button is taken in. Reaching 1 closes the progress window.
    virtual void SetProgressVal(double dProg) = 0;
    // Whether the cancel button has been pressed since ShowProgressBar.
    virtual bool Canceled() const = 0;
    virtual void CloseProgress() = 0;
    // The success window naming the folder the tiles went into.
    virtual void ShowSaveOkMsg(const QString& sFolderName) = 0;
    // The success window naming the one file the poster went into.
    virtual void ShowSavedDocument(const QString& filePath) { ShowSaveOkMsg(filePath); }
};

} // namespace tessellon
