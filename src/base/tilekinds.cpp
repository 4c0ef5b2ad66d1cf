// The tile kinds table and its lookups by code and by legend character.
#include "base/tilekinds.h"

#include <array>

#include "base/tiles.h"

namespace murk {

namespace {

using enum TileFamily;
using enum Passage;

// A tile designers draw, with its default character where it has one.
constexpr TileKind Drawn(std::string_view code, TileFamily family, Passage passage, int shots,
                         char legend, const char* name, const char* note = "") {
    return {code, code, family, passage, shots, legend, true, name, note};
}

// A tile designers do not place: the game makes it, or only the help shows it.
constexpr TileKind NotPlaced(std::string_view code, TileFamily family, Passage passage, int shots,
                             const char* name) {
    return {code, code, family, passage, shots, '\0', false, name, ""};
}

// A family of eight facings; a source that places them gives each a character of its own.
constexpr TileKind Facings(std::string_view first, std::string_view last, TileFamily family,
                           Passage passage, bool placed, const char* name) {
    return {first, last, family, passage, 0, '\0', placed, name, ""};
}

// Shots follow the bullet impacts: chigger > cow > devil > ant > gone, and the producers alike.
// Creatures are lower case and their producers the same letter in upper case, so a room reads
// at a glance; walls and items use shapes.
constexpr TileKind kKinds[] = {
    Drawn(code::Floor, FloorsAndFields, Walk, 0, '.', "floor"),
    Drawn(code::AntProducer, Producers, Shoot, 1, 'A', "ant producer"),
    Drawn(code::Ant, Creatures, Shoot, 1, 'a', "ant"),
    Drawn(code::DevilProducer, Producers, Shoot, 2, 'V', "devil producer"),
    Drawn(code::Devil, Creatures, Shoot, 2, 'v', "devil"),
    Drawn(code::CowProducer, Producers, Shoot, 3, 'C', "cow producer"),
    Drawn(code::Cow, Creatures, Shoot, 3, 'c', "cow"),
    Drawn(code::Chigger, Creatures, Shoot, 4, 'g', "chigger"),
    Drawn(code::FrogProducer, Producers, Shoot, 1, 'R', "frog producer"),
    Drawn(code::Frog, Creatures, Shoot, 1, 'r', "frog"),
    Drawn(code::HorseProducer, Producers, Shoot, 1, 'H', "horse producer"),  // it bursts as it goes
    Drawn(code::Horse, Creatures, Shoot, 1, 'h', "horse"),
    Drawn(code::PigProducer1, Producers, Walk, 0, 'u', "baby pig producer", "(stage 1)"),
    Drawn(code::PigProducer2, Producers, Walk, 0, '\0', "pig producer, stage 2"),
    Drawn(code::PigProducer3, Producers, Walk, 0, '\0', "pig producer, stage 3"),
    Drawn(code::PigProducer4, Producers, Walk, 0, '\0', "pig producer, stage 4"),
    Drawn(code::AdultPigProducer, Producers, Block, 0, 'P', "adult pig producer", "(stage 5)"),
    Drawn(code::Pig, Creatures, MovesOn, 0, 'p', "pig"),
    Drawn(code::RandomProducer, Producers, Shoot, 1, '?', "random producer"),
    Drawn(code::FireProducer, DartsAndLasers, Block, 0, '^', "fire-dart producer"),
    Facings(code::Laser1Producer1, code::Laser1Producer8, DartsAndLasers, Block, true,
            "laser producer, set 1"),
    Drawn(code::Door, DoorsAndKeys, Door, 0, 'D', "door"),
    Drawn(code::Key, DoorsAndKeys, Walk, 0, 'k', "key"),
    Drawn(code::DeathField, FloorsAndFields, Block, 0, '!', "death field"),
    Drawn(code::Star, Creatures, Shoot, 3, '*', "star"),
    Drawn(code::SolidWall, Walls, Block, 0, '#', "solid wall"),
    Drawn(code::ChainWallStopped, Walls, Shoot, 1, '=', "chain wall"),
    NotPlaced(code::ChainWallMoving, Walls, Shoot, 1, "burning chain wall"),
    Drawn(code::EnemyPassableWall, Walls, Block, 0, ':', "enemy-passable wall"),
    Drawn(code::ShootableWall, Walls, Shoot, 1, '%', "shootable wall"),
    Drawn(code::Money, Items, Walk, 0, '$', "gold sack"),
    Drawn(code::HealthKit, Items, Walk, 0, '+', "health kit"),
    Drawn(code::EdgeWall, Walls, Block, 0, 'X', "edge wall"),
    Drawn(code::ForceField, FloorsAndFields, Block, 0, '|', "force field"),
    Drawn(code::Bomb, Items, Walk, 0, 'b', "bomb"),
    Drawn(code::Heart, Items, Shoot, 5, '&', "heart"),  // it hatches a chigger first
    Drawn(code::Shield, Items, Walk, 0, 's', "shield"),
    NotPlaced(code::Start, PlayersAndStarts, Block, 0, "start marker"),  // the help shows it
    Drawn(code::Finish, Finish, Walk, 0, 'F', "level finish"),
    Drawn(code::Player1, PlayersAndStarts, MovesOn, 0, '1', "player 1"),
    Drawn(code::Player2, PlayersAndStarts, MovesOn, 0, '2', "player 2"),
    Facings(code::P1Bullet1, code::P1Bullet8, PlayersAndStarts, Fleeting, false, "player's bullet"),
    Facings(code::P2Bullet1, code::P2Bullet8, PlayersAndStarts, Fleeting, false, "player's bullet"),
    Facings(code::Fire1, code::Fire8, DartsAndLasers, Fleeting, true, "fire dart"),
    Facings(code::Laser1Beam1, code::Laser1Beam8, DartsAndLasers, Fleeting, false,
            "laser beam, set 1"),
    Facings(code::Laser2Producer1, code::Laser2Producer8, DartsAndLasers, Block, true,
            "laser producer, set 2"),
    Facings(code::Laser2Beam1, code::Laser2Beam8, DartsAndLasers, Fleeting, false,
            "laser beam, set 2"),
    Facings(code::Laser3Producer1, code::Laser3Producer8, DartsAndLasers, Block, true,
            "laser producer, set 3"),
    Facings(code::Laser3Beam1, code::Laser3Beam8, DartsAndLasers, Fleeting, false,
            "laser beam, set 3"),
    Facings(code::Laser4Producer1, code::Laser4Producer8, DartsAndLasers, Block, true,
            "laser producer, set 4"),
    Facings(code::Laser4Beam1, code::Laser4Beam8, DartsAndLasers, Fleeting, false,
            "laser beam, set 4"),
    Drawn(code::Transport, FloorsAndFields, Transport, 0, '>', "transport field"),
    Drawn(code::ChainWall2Stopped, Walls, Shoot, 1, '~', "chain wall 2"),
    NotPlaced(code::ChainWall2Moving, Walls, Shoot, 1, "burning chain wall 2"),
    Drawn(code::SlideField, FloorsAndFields, Slide, 0, 'z', "slide field"),
};

constexpr std::array<const char*, kTileFamilyCount> kFamilyTitles = {
    "Walls",          "Floors and fields",  "Items",
    "Creatures",      "Producers",          "Darts and lasers",
    "Doors and keys", "Players and starts", "The finish",
};

// The row of each catalogue index, looked up once: the level tools ask about every square of a
// level, and the rules' classes about every square of the room.
const std::array<const TileKind*, kTileCount>& KindByIndex() {
    static const std::array<const TileKind*, kTileCount> table = [] {
        std::array<const TileKind*, kTileCount> t{};
        for (const TileKind& kind : kKinds)
            for (int i = TileIndex(kind.first); i >= 0 && i <= TileIndex(kind.last); ++i)
                t[static_cast<size_t>(i)] = &kind;
        return t;
    }();
    return table;
}

}  // namespace

const char* FamilyTitle(TileFamily family) {
    const int i = static_cast<int>(family);
    return i >= 0 && i < kTileFamilyCount ? kFamilyTitles[static_cast<size_t>(i)] : "";
}

std::span<const TileKind> TileKinds() {
    return kKinds;
}

const TileKind* KindOf(std::string_view code) {
    const int i = TileIndex(code);
    return i < 0 ? nullptr : KindByIndex()[static_cast<size_t>(i)];
}

char LegendChar(std::string_view code) {
    const TileKind* kind = KindOf(code);
    return kind ? kind->legend : '\0';
}

std::string_view LegendCode(char c) {
    if (c == '\0') return {};
    for (const TileKind& kind : kKinds)
        if (kind.legend == c) return kind.first;
    return {};
}

bool IsLegendChar(char c) {
    return c > ' ' && c < 127 && c != ';';
}

}  // namespace murk
