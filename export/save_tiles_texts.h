#pragma once

#include <QCoreApplication>
#include <QString>

namespace tessellon {

// Every text the tile saving shows: its messages, their titles and the progress text.
class SaveTilesTexts {
    Q_DECLARE_TR_FUNCTIONS(SaveTilesTexts)

public:
    static QString ErrorTitle() { return tr("Error"); }
    static QString TileCoordError() { return tr("Error calculating tile coordinates"); }
    static QString FileSystemObjectError() {
        return tr("Error creating FileSystemObject - Windows component missing");
    }
    static QString CreateFolderTitle() { return tr("Can not continue"); }
    static QString CreateFolderError(const QString& folderPath);
    static QString ImageObjectError() { return tr("Error creating image object"); }
    static QString InvalidTileSizes() {
        return tr("Can not continue - Invalid tile print sizes entered");
    }
    // "Problem: " + message, for a failed tile file path.
    static QString Problem(const QString& message);
    static QString CompensationError() {
        return tr("Error applying printer edge clipping compensation");
    }
    static QString OutOfSpaceTitle() { return tr("Out of disk space"); }
    static QString OutOfSpace() {
        return tr("Not enough space on selected drive.  Can not save images.");
    }
    static QString SaveFailed() {
        return tr("Error saving tile image file to disk.  A possible cause is that the disk is "
                  "full.  Can not continue.");
    }
    static QString CanceledTitle() { return tr("Canceled"); }
    static QString Canceled() { return tr("Canceled by user"); }
    static QString FolderExistsTitle() { return tr("Folder Exists"); }
    static QString FolderExists(const QString& folderPath);
    static QString SavingImagesNow() { return tr("Saving Images Now"); }

    // The poster document (one file instead of a folder of tiles).
    static QString FileExistsTitle() { return tr("File Exists"); }
    static QString FileExists(const QString& filePath);
    static QString CreateFileError(const QString& filePath);
    static QString DocumentSaveFailed() {
        return tr("Error saving the PDF file to disk.  A possible cause is that the disk is "
                  "full.  Can not continue.");
    }
    // The word the default names use ("poster").
    static QString PosterWord() { return tr("poster"); }
    // The word that names the overview picture beside the tiles ("overview").
    static QString OverviewWord() { return tr("overview"); }

    // Failures of the tile file path.
    static QString ExtensionNotSelected() { return tr("File extension not selected"); }
    static QString NoLocation() {
        return tr("You must select the location where the new poster tile image folder will be "
                  "created");
    }
    static QString BaseNameHasSeparator() {
        return tr("The base file name must not contain a folder separator (/ or \\)");
    }
    // The source image's pixels could not be read or do not match the poster's image size.
    static QString SourceUnreadable() { return tr("Error reading the source image"); }
    // A layout whose tiles would have no pixels.
    static QString TilesTooSmall() {
        return tr("The tiles would be smaller than one pixel of the image.  Use fewer tiles, a "
                  "lower zoom or a larger image.");
    }
    static QString NotEnoughMemory() { return tr("Not enough memory"); }
    // A tile beyond what one JPEG can hold.
    static QString TileTooLargeForJpeg(int width, int height, int maxMegapixels) {
        return tr("A tile of %1 x %2 pixels is too large for one JPEG picture (at most about "
                  "%3 megapixels).  Use more tiles, or TIFF or BMP files.")
            .arg(width)
            .arg(height)
            .arg(maxMegapixels);
    }
    // `text` and, on a second line, "Reason: " and what the system said; `text` alone when
    // the system said nothing useful.
    static QString WithReason(const QString& text, const QString& reason);
};

} // namespace tessellon
