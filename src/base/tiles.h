// The tile catalogue: every tile code, its name and its picture file, and the code families.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace murk {

struct TileInfo {
    const char* code;  // "A00".."B30", or "Z" for the slide field
    const char* name;  // the picture's descriptive name, as in the file name
};

// A room is 30 squares across and 19 down; every tile picture is 32 pixels square.
inline constexpr int kRoomCols = 30;
inline constexpr int kRoomRows = 19;
inline constexpr int kTilePixels = 32;

inline constexpr int kTileCount = 132;   // 131 three-character codes plus the slide field
inline constexpr int kSlideFieldIndex = 131;

// All tiles in code order (A00..A99, B00..B30, then Z).
const std::array<TileInfo, kTileCount>& TileCatalogue();

// Index 0..130 of a three-character code A00..B30, kSlideFieldIndex for any text starting with
// 'Z', -1 for anything else (the empty text included).
int TileIndex(std::string_view code);

// The code at catalogue index 0..131 ("Z" for the slide field).
std::string TileCodeAt(int index);

// File name of a tile's picture, for example "A00-Floor.bmp" or "Z-SlideField.bmp".
std::string TileFileName(int index);

// Member k (1..8) of the family of eight that starts at `first`; counts across A99/B00.
std::string FamilyCode(std::string_view first, int k);

// Well-known codes.
namespace code {
inline constexpr std::string_view Floor = "A00";
inline constexpr std::string_view SolidWall = "A32";
inline constexpr std::string_view EdgeWall = "A39";
inline constexpr std::string_view Player1 = "A46";
inline constexpr std::string_view Player2 = "A47";
inline constexpr std::string_view P1Bullet1 = "A48";
inline constexpr std::string_view P2Bullet1 = "A56";
inline constexpr std::string_view Fire1 = "A64";
inline constexpr std::string_view Laser1Producer1 = "A20";
inline constexpr std::string_view Laser1Beam1 = "A72";
inline constexpr std::string_view Laser2Producer1 = "A80";
inline constexpr std::string_view Laser2Beam1 = "A88";
inline constexpr std::string_view Laser3Producer1 = "A96";
inline constexpr std::string_view Laser3Beam1 = "B04";
inline constexpr std::string_view Laser4Producer1 = "B12";
inline constexpr std::string_view Laser4Beam1 = "B20";
}  // namespace code

}  // namespace murk
