// The tile classes the bullets, bombs, players and the world share.
#include "game/tileclasses.h"

#include <array>
#include <string_view>

#include "base/tiles.h"
#include "game/state.h"

namespace murk {

namespace {

// Membership of the tile classes; codes not listed belong to none.
struct ClassRow {
    std::string_view code;
    bool hostile;
    bool growingPig;
    bool blast;
};

constexpr std::array<ClassRow, 23> kClasses = {{
    {"A01", true, false, true},  {"A02", true, false, true},  {"A03", true, false, true},
    {"A04", true, false, true},  {"A05", true, false, true},  {"A06", true, false, true},
    {"A07", true, false, true},  {"A08", true, false, true},  {"A09", true, false, true},
    {"A10", true, false, true},  {"A11", true, false, true},  {"A12", true, true, false},
    {"A13", true, true, false},  {"A14", true, true, false},  {"A15", true, true, false},
    {"A16", true, false, false}, {"A17", true, false, true},  {"A18", true, false, true},
    {"A19", true, false, true},  {"A31", true, false, true},  {"A41", false, false, true},
    {"A46", false, false, true}, {"A47", false, false, true},
}};

// Outside the playfield every square reads as the empty text, which belongs to no class.
std::string_view At(const Game& g, int col, int row) {
    const bool inRoom = col >= 1 && col <= kRoomCols && row >= 1 && row <= kRoomRows;
    return inRoom ? std::string_view(g.RoomGrid.Cell(col, row)) : std::string_view();
}

const ClassRow* ClassOf(const Game& g, int col, int row) {
    const std::string_view code = At(g, col, row);
    for (const ClassRow& c : kClasses)
        if (c.code == code) return &c;
    return nullptr;
}

}  // namespace

bool IsHostileTile(const Game& g, int col, int row) {
    const ClassRow* c = ClassOf(g, col, row);
    return c && c->hostile;
}

bool IsGrowingPigProducer(const Game& g, int col, int row) {
    const ClassRow* c = ClassOf(g, col, row);
    return c && c->growingPig;
}

bool IsBlastAffected(const Game& g, int col, int row) {
    const ClassRow* c = ClassOf(g, col, row);
    return c && c->blast;
}

}  // namespace murk
