#include "app/save_progress_windows.h"

#include "app/frm_msg.h"
#include "app/frm_simple_msg.h"

namespace tessellon {

void SaveProgressWindows::ShowProgressBar(const QString& sMsg) {
    progress_.bShowCancel = true;
    progress_.SetMode(frmMsg::kLayoutProgress);
    progress_.ShowProgressBar(sMsg);
}

void SaveProgressWindows::SetProgressVal(double dProg) {
    progress_.SetProgressVal(dProg);
}

bool SaveProgressWindows::Canceled() const {
    return progress_.bCanceled;
}

void SaveProgressWindows::CloseProgress() {
    progress_.Unload();
}

void SaveProgressWindows::ShowSaveOkMsg(const QString& sFolderName) {
    success_.ShowSaveOkMsg(sFolderName);
}

void SaveProgressWindows::ShowSavedDocument(const QString& filePath) {
    success_.ShowSavedDocument(filePath);
}

} // namespace tessellon
