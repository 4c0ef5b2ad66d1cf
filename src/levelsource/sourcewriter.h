// Writes a level as the game loads it back out as a level source, for the editor's saves.
#pragma once

#include <string>
#include <string_view>

#include "levelsource/levelfile.h"

namespace murk {

// What writing a source gave: the text, or why the level cannot be written as one.
struct WrittenSource {
    std::string text;
    std::string error;  // "" when the text was written
    bool Ok() const { return error.empty(); }
};

// The level's source: its header lines, a legend line for each tile it holds that has no
// character of its own, then every room with its slide lines. levelc compiles it to the same
// grid file, byte for byte, for any level levelc could have made (start squares holding their
// players, and those tiles nowhere else). It fails only on what no source can say: a title
// TitleProblem refuses, a size outside 1..kMaxLevelRooms, a room that is not 570 tile codes, a
// slide field whose target is off the room, more kinds of tile than LegendCapacity.
WrittenSource WriteLevelSource(const LevelFile& level);

// How many kinds of tile one source can draw: a legend character each, every slide field
// sharing one.
int LegendCapacity();

// Why `code` cannot stand on a square of a level source; "" when it can: a code of the catalogue,
// a slide field's aimed at a square of its room, its letters as a source writes them.
std::string CodeProblem(std::string_view code);

// Why `title` cannot be a level's title line; "" when it can: 1 to kMaxTitleLength characters,
// none of them ';' (a comment's start) or a control character, and no blank at either end.
std::string TitleProblem(std::string_view title);

}  // namespace murk
