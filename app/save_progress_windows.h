#pragma once

#include "export/save_progress.h"

namespace tessellon {

class frmMsg;
class frmSimpleMsg;

// The tile saving's progress and success reports shown in the progress window and the
// success window.
class SaveProgressWindows : public SaveProgress {
public:
    SaveProgressWindows(frmMsg& progress, frmSimpleMsg& success)
        : progress_(progress), success_(success) {}

    void ShowProgressBar(const QString& sMsg) override;
    void SetProgressVal(double dProg) override;
    bool Canceled() const override;
    void CloseProgress() override;
    void ShowSaveOkMsg(const QString& sFolderName) override;
    void ShowSavedDocument(const QString& filePath) override;

private:
    frmMsg& progress_;
    frmSimpleMsg& success_;
};

} // namespace tessellon
