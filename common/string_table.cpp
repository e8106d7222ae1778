#include "common/string_table.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace tessellon {
namespace {

struct Entry {
    int id;
    const char* text;
};

// Sorted by identifier.
constexpr std::array kEntries = {
    Entry{101, QT_TRANSLATE_NOOP("StringTable", "Tessellon")},
    Entry{102, QT_TRANSLATE_NOOP("StringTable", "Navigate to My Documents folder")},
    Entry{103, QT_TRANSLATE_NOOP("StringTable", "Desktop")},
    Entry{104, QT_TRANSLATE_NOOP("StringTable", "Navigate to Desktop folder")},
    Entry{105, QT_TRANSLATE_NOOP("StringTable", "Show Tiles")},
    Entry{106, QT_TRANSLATE_NOOP("StringTable", "Show locations of poster tiles")},
    Entry{107, QT_TRANSLATE_NOOP("StringTable", "Rotate")},
    Entry{108, QT_TRANSLATE_NOOP("StringTable", "Rotate Tiles 90 degrees")},
    Entry{109, QT_TRANSLATE_NOOP("StringTable", "Preview")},
    Entry{110, QT_TRANSLATE_NOOP("StringTable", "View full screen preview of your poster")},
    Entry{111, QT_TRANSLATE_NOOP("StringTable", "Rotate image 90, 180, or 270 degrees")},
    Entry{112, QT_TRANSLATE_NOOP("StringTable", "Final Poster Size")},
    Entry{113, QT_TRANSLATE_NOOP("StringTable", "MegaPixels")},
    Entry{114, QT_TRANSLATE_NOOP("StringTable", "My Documents")},
    Entry{115, QT_TRANSLATE_NOOP("StringTable", "Millions of pixels used in poster image")},
    Entry{116, QT_TRANSLATE_NOOP("StringTable", "Size")},
    Entry{118, QT_TRANSLATE_NOOP("StringTable", "Final size of your poster")},
    Entry{119, QT_TRANSLATE_NOOP("StringTable", "Resolution")},
    Entry{120, QT_TRANSLATE_NOOP("StringTable", "Quality")},
    Entry{122, QT_TRANSLATE_NOOP("StringTable", "Estimated image quality of your poster")},
    Entry{124, QT_TRANSLATE_NOOP("StringTable", "Resolution of your final printed poster")},
    Entry{125, QT_TRANSLATE_NOOP("StringTable", "Tile Placement")},
    Entry{126,
          QT_TRANSLATE_NOOP("StringTable",
                            "Adjust which part of your digital image to include in your poster")},
    Entry{127, QT_TRANSLATE_NOOP("StringTable", "Vertical")},
    Entry{128, QT_TRANSLATE_NOOP("StringTable", "Horizontal")},
    Entry{129, QT_TRANSLATE_NOOP("StringTable", "(center)")},
    Entry{130, QT_TRANSLATE_NOOP("StringTable", "Horizontal centering of the poster Tiles")},
    Entry{131, QT_TRANSLATE_NOOP("StringTable", "(center)")},
    Entry{132, QT_TRANSLATE_NOOP("StringTable", "Vertical centering of the poster Tiles")},
    Entry{134, QT_TRANSLATE_NOOP("StringTable", "Zoom amount")},
    Entry{135, QT_TRANSLATE_NOOP("StringTable", "Zoom")},
    Entry{136, QT_TRANSLATE_NOOP("StringTable", "Number of Tiles")},
    Entry{137, QT_TRANSLATE_NOOP("StringTable", "Lock tiles high = tiles wide")},
    Entry{138, QT_TRANSLATE_NOOP("StringTable",
                                 "Force number of tiles high to equal number of tiles wide")},
    Entry{139, QT_TRANSLATE_NOOP("StringTable", "Number of Tiles wide that poster will be")},
    Entry{140, QT_TRANSLATE_NOOP("StringTable", "Number of Tiles high that poster will be")},
    Entry{141, QT_TRANSLATE_NOOP("StringTable", "High")},
    Entry{142, QT_TRANSLATE_NOOP("StringTable", "Wide")},
    Entry{143, QT_TRANSLATE_NOOP("StringTable", "Save Poster Tile Images")},
    Entry{144, QT_TRANSLATE_NOOP("StringTable", "Generate and save poster tile images now")},
    Entry{145, QT_TRANSLATE_NOOP("StringTable", "Exit")},
    Entry{146, QT_TRANSLATE_NOOP("StringTable", "Exit program")},
    Entry{147, QT_TRANSLATE_NOOP("StringTable", "Print Size Per Tile")},
    Entry{148, QT_TRANSLATE_NOOP("StringTable", "Edit paper/margins")},
    Entry{149, QT_TRANSLATE_NOOP("StringTable", "Adjust edges")},
    Entry{150,
          QT_TRANSLATE_NOOP("StringTable",
                            "Apply Edge Calibration compensation when generating poster images")},
    Entry{151, QT_TRANSLATE_NOOP("StringTable", "Edit")},
    Entry{152, QT_TRANSLATE_NOOP("StringTable", "Edit Edge Calibration Profiles")},
    Entry{153, QT_TRANSLATE_NOOP("StringTable", "Select active Edge Calibration Profile")},
    Entry{154, QT_TRANSLATE_NOOP("StringTable", "Units")},
    Entry{155, QT_TRANSLATE_NOOP("StringTable", "Length units")},
    Entry{156, QT_TRANSLATE_NOOP("StringTable", "Trimmed")},
    Entry{157, QT_TRANSLATE_NOOP("StringTable", "Tile size after margins are trimmed off")},
    Entry{158, QT_TRANSLATE_NOOP("StringTable", "Size")},
    Entry{159, QT_TRANSLATE_NOOP("StringTable", "Full paper size")},
    Entry{160, QT_TRANSLATE_NOOP("StringTable", "Paper")},
    Entry{161,
          QT_TRANSLATE_NOOP("StringTable", "Paper size that poster tiles are being printed onto")},
    Entry{162, QT_TRANSLATE_NOOP("StringTable", "Currently selected image")},
    Entry{163, QT_TRANSLATE_NOOP("StringTable", "File list filter")},
    Entry{164, QT_TRANSLATE_NOOP("StringTable", "Filtered list of files in selected folder")},
    Entry{165, QT_TRANSLATE_NOOP(
                   "StringTable",
                   "Select folder containing the image that you want to make a poster out of")},
    Entry{166, QT_TRANSLATE_NOOP("StringTable", "Change the current drive")},
    Entry{167, QT_TRANSLATE_NOOP("StringTable", "Step (4) - Click to Save Tile Image Files")},
    Entry{168, QT_TRANSLATE_NOOP("StringTable", "Step (3) - Adjust Tiles, View Results")},
    Entry{169, QT_TRANSLATE_NOOP("StringTable", "Step (2) - Set Tile Print Size")},
    Entry{170, QT_TRANSLATE_NOOP("StringTable", "Step (1) - Select Image File")},
    Entry{171, QT_TRANSLATE_NOOP("StringTable", "File")},
    Entry{172, QT_TRANSLATE_NOOP("StringTable", "Exit")},
    Entry{173, QT_TRANSLATE_NOOP("StringTable", "Tools")},
    Entry{174, QT_TRANSLATE_NOOP("StringTable", "Select Paper/Margins...")},
    Entry{175, QT_TRANSLATE_NOOP("StringTable", "Edge Calibration...")},
    Entry{176, QT_TRANSLATE_NOOP("StringTable", "Help")},
    Entry{177, QT_TRANSLATE_NOOP("StringTable", "Contents...")},
    Entry{179, QT_TRANSLATE_NOOP("StringTable", "About...")},
    Entry{181, QT_TRANSLATE_NOOP(
                   "StringTable",
                   "This option compensates for any edge clipping (cutting off of an image's left, "
                   "right, top or bottom edges) that happens in your printer.  Edge Clipping "
                   "primarily occurs with borderless printing.  Click on the Edit button to create "
                   "or modify an Edge Calibration Profile for your printer.  The Edge Calibration "
                   "Profile defines how much edge clipping your printer does (see the help file "
                   "for more information on this).")},
    Entry{182, QT_TRANSLATE_NOOP("StringTable", "Edge Calibration Introduction")},
    Entry{185,
          QT_TRANSLATE_NOOP("StringTable",
                            "No image selected.  Please select an image from the file listbox")},
    Entry{186, QT_TRANSLATE_NOOP("StringTable", "No Image Selected")},
    Entry{201, QT_TRANSLATE_NOOP("StringTable", "full width")},
    Entry{202, QT_TRANSLATE_NOOP("StringTable", "center")},
    Entry{203, QT_TRANSLATE_NOOP("StringTable", "left")},
    Entry{204, QT_TRANSLATE_NOOP("StringTable", "right")},
    Entry{205, QT_TRANSLATE_NOOP("StringTable", "up")},
    Entry{206, QT_TRANSLATE_NOOP("StringTable", "down")},
    Entry{207, QT_TRANSLATE_NOOP("StringTable", "inches")},
    Entry{208, QT_TRANSLATE_NOOP("StringTable", "cm")},
    Entry{209, QT_TRANSLATE_NOOP("StringTable", "Excellent")},
    Entry{210, QT_TRANSLATE_NOOP("StringTable", "Very Good")},
    Entry{211, QT_TRANSLATE_NOOP("StringTable", "Good")},
    Entry{212, QT_TRANSLATE_NOOP("StringTable", "Fair")},
    Entry{213, QT_TRANSLATE_NOOP("StringTable", "Good from a distance")},
    Entry{214, QT_TRANSLATE_NOOP("StringTable", "Fair from a distance")},
    Entry{218, QT_TRANSLATE_NOOP("StringTable", "Invalid tile configuration")},
    Entry{219, QT_TRANSLATE_NOOP("StringTable", "Invalid")},
    Entry{221, QT_TRANSLATE_NOOP("StringTable", "The help file")},
    Entry{222, QT_TRANSLATE_NOOP("StringTable", "is missing.  Please reinstall this software.")},
    Entry{223, QT_TRANSLATE_NOOP("StringTable", "Can not find help file")},
    Entry{225, QT_TRANSLATE_NOOP("StringTable", "to")},
    Entry{226, QT_TRANSLATE_NOOP("StringTable", "inches")},
    Entry{227, QT_TRANSLATE_NOOP("StringTable", "millimeters")},
    Entry{228, QT_TRANSLATE_NOOP("StringTable", "Invalid Tile Print Size Entered")},
    Entry{229, QT_TRANSLATE_NOOP("StringTable", "Inches")},
    Entry{230, QT_TRANSLATE_NOOP("StringTable", "Millimeters")},
    Entry{233, QT_TRANSLATE_NOOP("StringTable", "full height")},
    Entry{234, QT_TRANSLATE_NOOP("StringTable", "dots")},
    Entry{235, QT_TRANSLATE_NOOP("StringTable", "You have entered invalid print tile sizes.  The "
                                                "width and height need to be in the range of")},
    Entry{236, QT_TRANSLATE_NOOP("StringTable", "About Tessellon")},
    Entry{238, QT_TRANSLATE_NOOP("StringTable", "System Info")},
    Entry{240, QT_TRANSLATE_NOOP("StringTable", "Tessellon")},
    Entry{242, QT_TRANSLATE_NOOP("StringTable", "Version")},
    Entry{243, QT_TRANSLATE_NOOP("StringTable",
                                 "This application creates photo quality posters of any "
                                 "size/shape from your digital images.  It includes Edge "
                                 "Calibration technology to measure and compensate for the "
                                 "characteristics of your printer.")},
    Entry{244, QT_TRANSLATE_NOOP("StringTable", "OK")},
    Entry{277, QT_TRANSLATE_NOOP("StringTable",
                                 "Click on button to create an Edge Calibration test image for "
                                 "the currently selected print size.  The test image will have 4 "
                                 "lines (1/16 inch wide each) around its border.  Print the test "
                                 "image.   ")},
    Entry{287, QT_TRANSLATE_NOOP("StringTable", "inch")},
    Entry{323, QT_TRANSLATE_NOOP("StringTable", "inches")},
    Entry{324, QT_TRANSLATE_NOOP("StringTable", "inch")},
    Entry{328, QT_TRANSLATE_NOOP("StringTable", "Poster Preview")},
    Entry{329, QT_TRANSLATE_NOOP("StringTable", "Close")},
    Entry{330, QT_TRANSLATE_NOOP("StringTable", "Invalid print size values")},
    Entry{331, QT_TRANSLATE_NOOP("StringTable", "Invalid information")},
    Entry{495, QT_TRANSLATE_NOOP("StringTable", "Edge Test Print")},
    Entry{502, QT_TRANSLATE_NOOP("StringTable",
                                 "Select how many of the 4 border lines are visible at each edge "
                                 "of your test print.  This 'Edge Calibration Profile' "
                                 "information is used by the software to compensate for any "
                                 "clipping that your printer does. ")},
    Entry{505, QT_TRANSLATE_NOOP("StringTable",
                                 "For the selected Edge Calibration Profile, indicates how many "
                                 "of the four test lines are visible on the LEFT edge of your "
                                 "test print")},
    Entry{506, QT_TRANSLATE_NOOP("StringTable",
                                 "For the selected Edge Calibration Profile, indicates how many "
                                 "of the four test lines are visible on the RIGHT edge of your "
                                 "test print")},
    Entry{507, QT_TRANSLATE_NOOP("StringTable",
                                 "For the selected Edge Calibration Profile, indicates how many "
                                 "of the four test lines are visible on the TOP edge of your "
                                 "test print")},
    Entry{508, QT_TRANSLATE_NOOP("StringTable",
                                 "For the selected Edge Calibration Profile, indicates how many "
                                 "of the four test lines are visible on the BOTTOM edge of your "
                                 "test print")},
    Entry{509, QT_TRANSLATE_NOOP("StringTable", "Millions of pixels used in poster image")},
    Entry{510, QT_TRANSLATE_NOOP("StringTable", "Final size of your poster")},
    Entry{511, QT_TRANSLATE_NOOP("StringTable", "Resolution of your final printed poster")},
    Entry{515, QT_TRANSLATE_NOOP("StringTable", "Image Files (*.jpg, *.tif, *.bmp)")},
    Entry{516, QT_TRANSLATE_NOOP("StringTable", "Jpeg Files Only (*.jpg)")},
    Entry{517, QT_TRANSLATE_NOOP("StringTable", "Tiff Files Only (*.tif)")},
    Entry{518, QT_TRANSLATE_NOOP("StringTable", "BMP Files Only (*.bmp)")},
    Entry{519, QT_TRANSLATE_NOOP("StringTable", "Show All Files (*.*)")},
    Entry{520, QT_TRANSLATE_NOOP("StringTable", "No Rotate")},
    Entry{521, QT_TRANSLATE_NOOP("StringTable", "CW Rotate")},
    Entry{522, QT_TRANSLATE_NOOP("StringTable", "CCW Rotate")},
    Entry{523, QT_TRANSLATE_NOOP("StringTable", "180 Rotate")},
    Entry{546, QT_TRANSLATE_NOOP("StringTable", "Tessellon")},
    Entry{600, QT_TRANSLATE_NOOP("StringTable", "Overlap:")},
    Entry{601,
          QT_TRANSLATE_NOOP("StringTable", "Strip of the picture that neighbouring sheets "
                                           "share, for gluing (0 = sheets meet edge to edge)")},
    Entry{602, QT_TRANSLATE_NOOP("StringTable", "Invalid overlap.  It must lie between 0 and")},
    Entry{603, QT_TRANSLATE_NOOP("StringTable", "half the tile print size")},
    Entry{604, QT_TRANSLATE_NOOP("StringTable", "Overlap")},
    Entry{605, QT_TRANSLATE_NOOP("StringTable", "Photo shown")},
    Entry{606, QT_TRANSLATE_NOOP("StringTable", "%1 % of the width, %2 % of the height")},
    Entry{607, QT_TRANSLATE_NOOP("StringTable", "How much of your photo the poster keeps; the "
                                                "poster's shape and the zoom cut off the rest")},
    Entry{608, QT_TRANSLATE_NOOP("StringTable", "Poster Size...")},
    Entry{609, QT_TRANSLATE_NOOP("StringTable", "Find the tile counts and sheet turn for a "
                                                "poster size or a number of sheets")},
    Entry{610, QT_TRANSLATE_NOOP("StringTable", "Fit Photo")},
    Entry{611, QT_TRANSLATE_NOOP("StringTable", "With at most as many sheets as now, choose the "
                                                "tile counts and sheet turn that keep the most "
                                                "of the photo")},
};

static_assert(std::is_sorted(kEntries.begin(), kEntries.end(),
                             [](const Entry& a, const Entry& b) { return a.id < b.id; }));

const Entry* Find(int id) {
    const auto it = std::lower_bound(kEntries.begin(), kEntries.end(), id,
                                     [](const Entry& e, int key) { return e.id < key; });
    return it != kEntries.end() && it->id == id ? &*it : nullptr;
}

} // namespace

QString StringTable::Text(int id) {
    const Entry* e = Find(id);
    return e ? QCoreApplication::translate("StringTable", e->text) : QString();
}

bool StringTable::Has(int id) {
    return Find(id) != nullptr;
}

} // namespace tessellon
