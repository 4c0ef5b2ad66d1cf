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

inline constexpr int kTileCount = 132;  // 131 three-character codes plus the slide field
inline constexpr int kSlideFieldIndex = 131;

// All tiles in code order (A00..A99, B00..B30, then Z).
const std::array<TileInfo, kTileCount>& TileCatalogue();

// Index 0..130 of a three-character code A00..B30, kSlideFieldIndex for any text starting with
// 'Z', -1 for anything else (the empty text included).
int TileIndex(std::string_view code);

// The code at catalogue index 0..131 ("Z" for the slide field).
std::string TileCodeAt(int index);

// How the three-character codes run, for messages: "A00..A99, B00..B30".
std::string TileCodeRanges();

// File name of a tile's picture, for example "A00-Floor.bmp" or "Z-SlideField.bmp".
std::string TileFileName(int index);

// Member k (1..8) of the family of eight that starts at `first`; counts across A99/B00.
std::string FamilyCode(std::string_view first, int k);

// The codes the rules name. A family of eight runs clockwise from its first member, which
// faces north; the last member is named where a rule needs the whole run.
namespace code {
inline constexpr std::string_view Floor = "A00";

// Creatures and their producers.
inline constexpr std::string_view AntProducer = "A01";
inline constexpr std::string_view Ant = "A02";
inline constexpr std::string_view DevilProducer = "A03";
inline constexpr std::string_view Devil = "A04";
inline constexpr std::string_view CowProducer = "A05";
inline constexpr std::string_view Cow = "A06";
inline constexpr std::string_view Chigger = "A07";
inline constexpr std::string_view FrogProducer = "A08";
inline constexpr std::string_view Frog = "A09";
inline constexpr std::string_view HorseProducer = "A10";
inline constexpr std::string_view Horse = "A11";
inline constexpr std::string_view PigProducer1 = "A12";  // stages 1..4 grow; 5 is the adult
inline constexpr std::string_view PigProducer2 = "A13";
inline constexpr std::string_view PigProducer3 = "A14";
inline constexpr std::string_view PigProducer4 = "A15";
inline constexpr std::string_view AdultPigProducer = "A16";
inline constexpr std::string_view Pig = "A17";
inline constexpr std::string_view RandomProducer = "A18";
inline constexpr std::string_view FireProducer = "A19";
inline constexpr std::string_view Star = "A31";

// Walls.
inline constexpr std::string_view SolidWall = "A32";
inline constexpr std::string_view ChainWallStopped = "A33";
inline constexpr std::string_view ChainWallMoving = "A34";
inline constexpr std::string_view EnemyPassableWall = "A35";
inline constexpr std::string_view ShootableWall = "A36";
inline constexpr std::string_view EdgeWall = "A39";
inline constexpr std::string_view ChainWall2Stopped = "B29";
inline constexpr std::string_view ChainWall2Moving = "B30";

// Items, doors, fields and the level's start and finish.
inline constexpr std::string_view Door = "A28";
inline constexpr std::string_view Key = "A29";
inline constexpr std::string_view DeathField = "A30";
inline constexpr std::string_view Money = "A37";
inline constexpr std::string_view HealthKit = "A38";
inline constexpr std::string_view ForceField = "A40";
inline constexpr std::string_view Bomb = "A41";
inline constexpr std::string_view Heart = "A42";
inline constexpr std::string_view Shield = "A43";
inline constexpr std::string_view Start = "A44";
inline constexpr std::string_view Finish = "A45";
inline constexpr std::string_view Transport = "B28";
inline constexpr std::string_view SlideField = "Z";  // a slide field's code goes on with its target

// Players and their bullets.
inline constexpr std::string_view Player1 = "A46";
inline constexpr std::string_view Player2 = "A47";
inline constexpr std::string_view P1Bullet1 = "A48";
inline constexpr std::string_view P1Bullet8 = "A55";
inline constexpr std::string_view P2Bullet1 = "A56";
inline constexpr std::string_view P2Bullet8 = "A63";

// Fire darts and the four laser sets: producers facing each way, and the beams they flash.
inline constexpr std::string_view Fire1 = "A64";
inline constexpr std::string_view Fire8 = "A71";
inline constexpr std::string_view Laser1Producer1 = "A20";
inline constexpr std::string_view Laser1Producer3 = "A22";  // facing east, as the help shows it
inline constexpr std::string_view Laser1Producer8 = "A27";
inline constexpr std::string_view Laser1Beam1 = "A72";
inline constexpr std::string_view Laser1Beam8 = "A79";
inline constexpr std::string_view Laser2Producer1 = "A80";
inline constexpr std::string_view Laser2Producer8 = "A87";
inline constexpr std::string_view Laser2Beam1 = "A88";
inline constexpr std::string_view Laser2Beam8 = "A95";
inline constexpr std::string_view Laser3Producer1 = "A96";
inline constexpr std::string_view Laser3Producer8 = "B03";
inline constexpr std::string_view Laser3Beam1 = "B04";
inline constexpr std::string_view Laser3Beam8 = "B11";
inline constexpr std::string_view Laser4Producer1 = "B12";
inline constexpr std::string_view Laser4Producer8 = "B19";
inline constexpr std::string_view Laser4Beam1 = "B20";
inline constexpr std::string_view Laser4Beam8 = "B27";
}  // namespace code

// Member k (1..8) of the family of eight that starts at `first` that `code` is, 0 for a code
// outside it: the direction a dart flies, a laser producer or a beam faces.
int FamilyMember(std::string_view code, std::string_view first);

// The four laser sets: producers facing each way and the beams they flash, each a family of eight
// that runs clockwise from north.
struct LaserSet {
    std::string_view firstProducer;
    std::string_view firstBeam;
};
inline constexpr std::array<LaserSet, 4> kLaserSets = {{
    {code::Laser1Producer1, code::Laser1Beam1},
    {code::Laser2Producer1, code::Laser2Beam1},
    {code::Laser3Producer1, code::Laser3Beam1},
    {code::Laser4Producer1, code::Laser4Beam1},
}};

// A slide field: any text that starts with the slide field's letter.
inline bool IsSlideField(std::string_view c) {
    return !c.empty() && c[0] == code::SlideField[0];
}

// A slide field's text goes on with its target square's column and row, a letter each: 'A'..'Z'
// stand for 1..26, 'a' 'b' 'c' for 27..29, and any other character, or none, for 30.
int SlideNumber(char c);
int SlideTargetCol(std::string_view slideField);
int SlideTargetRow(std::string_view slideField);
// The letter written for 1..30 ('d' for 30); '\0' for any other number.
char SlideLetter(int n);
// The slide field's text for a target square: its letter, then the column and row letters.
std::string SlideFieldCode(int targetCol, int targetRow);

}  // namespace murk
