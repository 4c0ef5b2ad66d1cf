// The tile catalogue table and lookups by code.
#include "base/tiles.h"

namespace murk {

namespace {

constexpr std::array<TileInfo, kTileCount> kCatalogue = {{
    {"A00", "Floor"},
    {"A01", "AntP"},
    {"A02", "Ant"},
    {"A03", "DevilP"},
    {"A04", "Devil"},
    {"A05", "CowP"},
    {"A06", "Cow"},
    {"A07", "Chigger"},
    {"A08", "FrogP"},
    {"A09", "Frog"},
    {"A10", "HorseP"},
    {"A11", "Horse"},
    {"A12", "PigP1"},
    {"A13", "PigP2"},
    {"A14", "PigP3"},
    {"A15", "PigP4"},
    {"A16", "PigP5"},
    {"A17", "Pig"},
    {"A18", "RandomP"},
    {"A19", "FireP"},
    {"A20", "LaserSet1P1"},
    {"A21", "LaserSet1P2"},
    {"A22", "LaserSet1P3"},
    {"A23", "LaserSet1P4"},
    {"A24", "LaserSet1P5"},
    {"A25", "LaserSet1P6"},
    {"A26", "LaserSet1P7"},
    {"A27", "LaserSet1P8"},
    {"A28", "Door"},
    {"A29", "Key"},
    {"A30", "DeathField"},
    {"A31", "Star"},
    {"A32", "BrickSolid"},
    {"A33", "BrickStopped"},
    {"A34", "BrickMoving"},
    {"A35", "BrickEnemyTrans"},
    {"A36", "BrickShootable"},
    {"A37", "Money"},
    {"A38", "Health"},
    {"A39", "BrickSolid"},
    {"A40", "ForceField"},
    {"A41", "Bomb"},
    {"A42", "Heart"},
    {"A43", "Shield"},
    {"A44", "Start"},
    {"A45", "Finish"},
    {"A46", "Player1"},
    {"A47", "Player2"},
    {"A48", "P1Bullet1"},
    {"A49", "P1Bullet2"},
    {"A50", "P1Bullet3"},
    {"A51", "P1Bullet4"},
    {"A52", "P1Bullet5"},
    {"A53", "P1Bullet6"},
    {"A54", "P1Bullet7"},
    {"A55", "P1Bullet8"},
    {"A56", "P2Bullet1"},
    {"A57", "P2Bullet2"},
    {"A58", "P2Bullet3"},
    {"A59", "P2Bullet4"},
    {"A60", "P2Bullet5"},
    {"A61", "P2Bullet6"},
    {"A62", "P2Bullet7"},
    {"A63", "P2Bullet8"},
    {"A64", "Fire1"},
    {"A65", "Fire2"},
    {"A66", "Fire3"},
    {"A67", "Fire4"},
    {"A68", "Fire5"},
    {"A69", "Fire6"},
    {"A70", "Fire7"},
    {"A71", "Fire8"},
    {"A72", "LaserSet1-1"},
    {"A73", "LaserSet1-2"},
    {"A74", "LaserSet1-3"},
    {"A75", "LaserSet1-4"},
    {"A76", "LaserSet1-5"},
    {"A77", "LaserSet1-6"},
    {"A78", "LaserSet1-7"},
    {"A79", "LaserSet1-8"},
    {"A80", "LaserSet2P1"},
    {"A81", "LaserSet2P2"},
    {"A82", "LaserSet2P3"},
    {"A83", "LaserSet2P4"},
    {"A84", "LaserSet2P5"},
    {"A85", "LaserSet2P6"},
    {"A86", "LaserSet2P7"},
    {"A87", "LaserSet2P8"},
    {"A88", "LaserSet2-1"},
    {"A89", "LaserSet2-2"},
    {"A90", "LaserSet2-3"},
    {"A91", "LaserSet2-4"},
    {"A92", "LaserSet2-5"},
    {"A93", "LaserSet2-6"},
    {"A94", "LaserSet2-7"},
    {"A95", "LaserSet2-8"},
    {"A96", "LaserSet3P1"},
    {"A97", "LaserSet3P2"},
    {"A98", "LaserSet3P3"},
    {"A99", "LaserSet3P4"},
    {"B00", "LaserSet3P5"},
    {"B01", "LaserSet3P6"},
    {"B02", "LaserSet3P7"},
    {"B03", "LaserSet3P8"},
    {"B04", "LaserSet3-1"},
    {"B05", "LaserSet3-2"},
    {"B06", "LaserSet3-3"},
    {"B07", "LaserSet3-4"},
    {"B08", "LaserSet3-5"},
    {"B09", "LaserSet3-6"},
    {"B10", "LaserSet3-7"},
    {"B11", "LaserSet3-8"},
    {"B12", "LaserSet4P1"},
    {"B13", "LaserSet4P2"},
    {"B14", "LaserSet4P3"},
    {"B15", "LaserSet4P4"},
    {"B16", "LaserSet4P5"},
    {"B17", "LaserSet4P6"},
    {"B18", "LaserSet4P7"},
    {"B19", "LaserSet4P8"},
    {"B20", "LaserSet4-1"},
    {"B21", "LaserSet4-2"},
    {"B22", "LaserSet4-3"},
    {"B23", "LaserSet4-4"},
    {"B24", "LaserSet4-5"},
    {"B25", "LaserSet4-6"},
    {"B26", "LaserSet4-7"},
    {"B27", "LaserSet4-8"},
    {"B28", "PlayerTransport"},
    {"B29", "BrickStopped2"},
    {"B30", "BrickMoving2"},
    {"Z", "SlideField"},
}};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Index n holds the letter for target coordinate n; 30 may be any other character, 'd' reads best.
constexpr char kSlideLetters[] = "?ABCDEFGHIJKLMNOPQRSTUVWXYZabcd";

int SlideTargetAt(std::string_view slideField, size_t i) {
    return SlideNumber(i < slideField.size() ? slideField[i] : '\0');
}

}  // namespace

const std::array<TileInfo, kTileCount>& TileCatalogue() {
    return kCatalogue;
}

int TileIndex(std::string_view code) {
    if (!code.empty() && code[0] == 'Z') return kSlideFieldIndex;
    if (code.size() != 3 || !IsDigit(code[1]) || !IsDigit(code[2])) return -1;
    const int n = (code[1] - '0') * 10 + (code[2] - '0');
    if (code[0] == 'A') return n;
    if (code[0] == 'B' && n <= 30) return 100 + n;
    return -1;
}

std::string TileCodeAt(int index) {
    if (index < 0 || index >= kTileCount) return {};
    return kCatalogue[static_cast<size_t>(index)].code;
}

std::string TileCodeRanges() {
    return TileCodeAt(0) + ".." + TileCodeAt(99) + ", " + TileCodeAt(100) + ".." +
           TileCodeAt(kSlideFieldIndex - 1);
}

std::string TileFileName(int index) {
    if (index < 0 || index >= kTileCount) return {};
    const TileInfo& t = kCatalogue[static_cast<size_t>(index)];
    return std::string(t.code) + "-" + t.name + ".bmp";
}

std::string FamilyCode(std::string_view first, int k) {
    const int base = TileIndex(first);
    if (base < 0 || base == kSlideFieldIndex || k < 1 || k > 8) return {};
    return TileCodeAt(base + k - 1);
}

int FamilyMember(std::string_view code, std::string_view first) {
    const int base = TileIndex(first), index = TileIndex(code);
    if (base < 0 || index == kSlideFieldIndex || index < base || index >= base + 8) return 0;
    return index - base + 1;
}

int SlideNumber(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A' + 1;
    if (c >= 'a' && c <= 'c') return c - 'a' + 27;
    return 30;
}

int SlideTargetCol(std::string_view slideField) {
    return SlideTargetAt(slideField, 1);
}

int SlideTargetRow(std::string_view slideField) {
    return SlideTargetAt(slideField, 2);
}

char SlideLetter(int n) {
    return n >= 1 && n <= 30 ? kSlideLetters[n] : '\0';
}

std::string SlideFieldCode(int targetCol, int targetRow) {
    return std::string(code::SlideField) + SlideLetter(targetCol) + SlideLetter(targetRow);
}

}  // namespace murk
