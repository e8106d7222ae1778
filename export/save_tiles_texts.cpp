#include "export/save_tiles_texts.h"

namespace tessellon {

QString SaveTilesTexts::CreateFolderError(const QString& folderPath) {
    return tr("Could not create the folder") + u' ' + u'"' + folderPath + u'"' + u' ' +
           tr("to save your poster tile images into") + QStringLiteral(".  ") +
           tr("Possible causes of this are that you do not have access rights to the drive that "
              "you selected, the disk drive is full, or that you provided an invalid folder "
              "name.") +
           QStringLiteral(".  ");
}

QString SaveTilesTexts::Problem(const QString& message) {
    return tr("Problem") + QStringLiteral(": ") + message;
}

QString SaveTilesTexts::WithReason(const QString& text, const QString& reason) {
    // Qt's text for an error it has no description of says nothing to the user.
    if (reason.trimmed().isEmpty() || reason == u"Unknown error")
        return text;
    return text + u'\n' + tr("Reason: %1").arg(reason);
}

QString SaveTilesTexts::FolderExists(const QString& folderPath) {
    return tr("The folder") + u' ' + u'"' + folderPath + u'"' + u' ' + tr("already exists") + u' ' +
           tr("Some files could be overwritten.  Do you want to continue?");
}

QString SaveTilesTexts::FileExists(const QString& filePath) {
    return tr("The file") + u' ' + u'"' + filePath + u'"' + u' ' + tr("already exists") + u' ' +
           tr("It will be replaced.  Do you want to continue?");
}

QString SaveTilesTexts::CreateFileError(const QString& filePath) {
    return tr("Could not create the file") + u' ' + u'"' + filePath + u'"' + QStringLiteral(".  ") +
           tr("Possible causes of this are that you do not have access rights to the folder "
              "that you selected, the disk drive is full, or that you provided an invalid file "
              "name.");
}

} // namespace tessellon
