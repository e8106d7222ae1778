#pragma once

#include <QString>

namespace tessellon {

// Every user-visible text, addressed by its numeric identifier. Texts are translatable with
// Qt's tools (context "StringTable"); an unknown identifier gives an empty text.
class StringTable {
public:
    static QString Text(int id);
    static bool Has(int id);
};

// Identifiers used by name in the code. Entries from 1000 up have no historic number.
namespace str {
inline constexpr int WindowCaptionBase = 101;
inline constexpr int MyDocTip = 102;
inline constexpr int DesktopCaption = 103;
inline constexpr int DesktopTip = 104;
inline constexpr int ShowTiles = 105;
inline constexpr int ShowTilesTip = 106;
inline constexpr int RotateTiles = 107;
inline constexpr int RotateTilesTip = 108;
inline constexpr int PreviewCaption = 109;
inline constexpr int PreviewTip = 110;
inline constexpr int RotateImageTip = 111;
inline constexpr int FinalPosterSize = 112;
inline constexpr int MegaPixels = 113;
inline constexpr int MyDocCaption = 114;
inline constexpr int MegaPixelsTip = 115;
inline constexpr int SizeCaption = 116;
inline constexpr int SizeTip = 118;
inline constexpr int ResolutionCaption = 119;
inline constexpr int QualityCaption = 120;
inline constexpr int QualityTip = 122;
inline constexpr int ResolutionTip = 124;
inline constexpr int TilePlacement = 125;
inline constexpr int ArrowTip = 126;
inline constexpr int Vertical = 127;
inline constexpr int Horizontal = 128;
inline constexpr int LrInitial = 129;
inline constexpr int LrTip = 130;
inline constexpr int TbInitial = 131;
inline constexpr int TbTip = 132;
inline constexpr int ZoomAmountTip = 134;
inline constexpr int Zoom = 135;
inline constexpr int NumberOfTiles = 136;
inline constexpr int LockWh = 137;
inline constexpr int LockWhTip = 138;
inline constexpr int TilesWideTip = 139;
inline constexpr int TilesHighTip = 140;
inline constexpr int High = 141;
inline constexpr int Wide = 142;
inline constexpr int SaveNow = 143;
inline constexpr int SaveNowTip = 144;
inline constexpr int QuitCaption = 145;
inline constexpr int QuitTip = 146;
inline constexpr int PrintSizePerTile = 147;
inline constexpr int EditPaperTip = 148;
inline constexpr int AdjustEdges = 149;
inline constexpr int AdjustEdgesTip = 150;
inline constexpr int EditProfiles = 151;
inline constexpr int EditProfilesTip = 152;
inline constexpr int CurBtmTip = 153;
inline constexpr int UnitsCaption = 154;
inline constexpr int UnitsTip = 155;
inline constexpr int TrimmedCaption = 156;
inline constexpr int TrimmedTip = 157;
inline constexpr int PaperSizeCaption = 158;
inline constexpr int PaperSizeTip = 159;
inline constexpr int PaperCaption = 160;
inline constexpr int PaperTip = 161;
inline constexpr int PicCurTip = 162;
inline constexpr int FileTypeTip = 163;
inline constexpr int FilesTip = 164;
inline constexpr int DirTip = 165;
inline constexpr int DriveTip = 166;
inline constexpr int Step4 = 167;
inline constexpr int Step3 = 168;
inline constexpr int Step2 = 169;
inline constexpr int Step1 = 170;
inline constexpr int MenuFile = 171;
inline constexpr int MenuExit = 172;
inline constexpr int MenuTools = 173;
inline constexpr int MenuPaperSize = 174;
inline constexpr int MenuEdgeClip = 175;
inline constexpr int MenuHelp = 176;
inline constexpr int MenuContent = 177;
inline constexpr int MenuAbout = 179;
inline constexpr int EdgeIntroText = 181;
inline constexpr int EdgeIntroTitle = 182;
inline constexpr int NoImageSelected = 185;
inline constexpr int NoImageSelectedTitle = 186;
inline constexpr int Center = 202;
inline constexpr int FullWidth = 201;
inline constexpr int Left = 203;
inline constexpr int Right = 204;
inline constexpr int Up = 205;
inline constexpr int Down = 206;
inline constexpr int InchesLower = 207;
inline constexpr int Cm = 208;
inline constexpr int Excellent = 209;
inline constexpr int VeryGood = 210;
inline constexpr int Good = 211;
inline constexpr int Fair = 212;
inline constexpr int GoodFromDistance = 213;
inline constexpr int FairFromDistance = 214;
inline constexpr int InvalidTileConfig = 218;
inline constexpr int Invalid = 219;
inline constexpr int HelpFileIs = 221;
inline constexpr int HelpFileMissing = 222;
inline constexpr int HelpFileMissingTitle = 223;
inline constexpr int To = 225;
inline constexpr int InchesRange = 226;
inline constexpr int MillimetersRange = 227;
inline constexpr int InvalidTileSizeTitle = 228;
inline constexpr int InchesWord = 229;
inline constexpr int MillimetersWord = 230;
inline constexpr int FullHeight = 233;
inline constexpr int Dots = 234;
inline constexpr int InvalidTileSizes = 235;
inline constexpr int AboutCaption = 236;
inline constexpr int SystemInfoCaption = 238;
inline constexpr int ProductName = 240;
inline constexpr int VersionWord = 242;
inline constexpr int AboutDescription = 243;
inline constexpr int AboutOk = 244;
inline constexpr int PosterPreview = 328;
inline constexpr int Close = 329;
inline constexpr int InvalidPrintSizeValues = 330;
inline constexpr int InvalidInformation = 331;
inline constexpr int InchSingular = 287;
inline constexpr int Step1EdgeDesc = 277;
inline constexpr int InchesPlural = 323;
inline constexpr int InchStripe = 324;
inline constexpr int EdgeTestPrint = 495;
inline constexpr int EdgeStep2Desc = 502;
inline constexpr int LeftEdgeTip = 505;
inline constexpr int RightEdgeTip = 506;
inline constexpr int TopEdgeTip = 507;
inline constexpr int BottomEdgeTip = 508;
inline constexpr int CwRotate = 521;
inline constexpr int NoRotate = 520;
inline constexpr int CcwRotate = 522;
inline constexpr int Rotate180 = 523;
inline constexpr int MegaPixelsValueTip = 509;
inline constexpr int SizeValueTip = 510;
inline constexpr int ResolutionValueTip = 511;
inline constexpr int FilterAllImages = 515;
inline constexpr int FilterJpeg = 516;
inline constexpr int FilterTiff = 517;
inline constexpr int FilterBmp = 518;
inline constexpr int FilterAllFiles = 519;
inline constexpr int AppTitle = 546;
inline constexpr int OverlapCaption = 600;
inline constexpr int OverlapTip = 601;
inline constexpr int InvalidOverlap = 602;
inline constexpr int HalfTileSize = 603;
inline constexpr int OverlapStepCaption = 604;
} // namespace str

} // namespace tessellon
