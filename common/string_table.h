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
inline constexpr int To = 225;
inline constexpr int InchesRange = 226;
inline constexpr int MillimetersRange = 227;
inline constexpr int InvalidTileSizeTitle = 228;
inline constexpr int InchesWord = 229;
inline constexpr int MillimetersWord = 230;
inline constexpr int FullHeight = 233;
inline constexpr int Dots = 234;
inline constexpr int InvalidTileSizes = 235;
inline constexpr int PosterPreview = 328;
inline constexpr int Close = 329;
inline constexpr int InvalidPrintSizeValues = 330;
inline constexpr int InvalidInformation = 331;
inline constexpr int CwRotate = 521;
inline constexpr int NoRotate = 520;
inline constexpr int CcwRotate = 522;
inline constexpr int Rotate180 = 523;
} // namespace str

} // namespace tessellon
