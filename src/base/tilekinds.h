// What kind of tile each code is: the family a player sees it in, how a player gets past it, its
// character in level sources and what designers call it. The game's tile classes, the level
// tools and the level editor's palette all read this one table.
#pragma once

#include <span>
#include <string_view>

namespace murk {

// The families as a player thinks of them, in the order a palette shows them.
enum class TileFamily {
    Walls,
    FloorsAndFields,
    Items,
    Creatures,
    Producers,
    DartsAndLasers,
    DoorsAndKeys,
    PlayersAndStarts,  // the players, their bullets and the start marker
    Finish,
};
inline constexpr int kTileFamilyCount = 9;

// A family's heading, e.g. "Floors and fields"; "" for a number that is no family.
const char* FamilyTitle(TileFamily family);

// How a player gets onto or past a tile, as the level tools plan a way across a level.
enum class Passage {
    Walk,  // steps onto it: floor, items, the key, the finish, pig producers young enough to eat
    Door,  // with a key in hand
    Transport,  // carried on in a straight line
    Slide,      // sent to its target square
    Shoot,      // once bullets clear it
    Fleeting,   // a bullet, dart or beam: gone within a few passes
    MovesOn,    // a pig or a player: leaves sooner or later, but no bullet clears it
    Block,      // never: lasting walls, deadly fields, the start marker, adult pig, dart and laser
                // producers
};

struct TileKind {
    std::string_view first;  // the code, or the first of a run of codes in catalogue order
    std::string_view last;   // the run's last code (the same code for a single tile)
    TileFamily family;
    Passage passage;
    int shots;         // Passage::Shoot: the bullets that clear it, each stepping it down once
    char legend;       // its character in level sources; '\0' where a source must give one
    bool placed;       // designers put it in levels; the rest only the game makes
    const char* name;  // what designers call it: "solid wall", "laser producer, set 2"
    const char* note;  // what a description says after its character: "(stage 1)", or ""
};

// Every row, in catalogue order; each catalogue code lies in exactly one.
std::span<const TileKind> TileKinds();

// The row of a code (any slide field's text included); nullptr for text that is no tile.
const TileKind* KindOf(std::string_view code);

// The legend every level source starts from: a tile's character, '\0' for none, and the code a
// character stands for (the slide field's for the slide field), "" for none.
char LegendChar(std::string_view code);
std::string_view LegendCode(char c);

// A character a source may give a meaning: printable ASCII other than the space and the
// comment mark ';'.
bool IsLegendChar(char c);

}  // namespace murk
