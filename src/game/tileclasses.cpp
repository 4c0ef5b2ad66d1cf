// The tile classes the bullets, bombs, players and the world share.
#include "game/tileclasses.h"

#include <array>
#include <string_view>

#include "base/square.h"
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
    {code::AntProducer, true, false, true},  // creatures and producers
    {code::Ant, true, false, true},
    {code::DevilProducer, true, false, true},
    {code::Devil, true, false, true},
    {code::CowProducer, true, false, true},
    {code::Cow, true, false, true},
    {code::Chigger, true, false, true},
    {code::FrogProducer, true, false, true},
    {code::Frog, true, false, true},
    {code::HorseProducer, true, false, true},
    {code::Horse, true, false, true},
    {code::PigProducer1, true, true, false},
    {code::PigProducer2, true, true, false},
    {code::PigProducer3, true, true, false},
    {code::PigProducer4, true, true, false},
    {code::AdultPigProducer, true, false, false},
    {code::Pig, true, false, true},
    {code::RandomProducer, true, false, true},
    {code::FireProducer, true, false, true},
    {code::Star, true, false, true},
    {code::Bomb, false, false, true},  // bombs and players only feel the blast
    {code::Player1, false, false, true},
    {code::Player2, false, false, true},
}};

// Outside the playfield every square reads as the empty text, which belongs to no class.
std::string_view At(const Game& g, int col, int row) {
    return InPlayfield({col, row}) ? std::string_view(g.RoomGrid.Cell(col, row))
                                   : std::string_view();
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
