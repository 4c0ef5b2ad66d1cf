// The level validator: finds what would make a level broken, unfair or unplayable for two.
#pragma once

#include <string>
#include <vector>

#include "levelc/levelfile.h"

namespace murk {

// Every problem of one level, one line each, naming the level, room and square:
// "Level003.lvl: room 2 1, column 30 row 5: ...". Empty when the level passes.
std::vector<std::string> CheckLevel(const LevelFile& level);

// Checks the level files of a folder: sources (LevelNNN.lvl) when it holds any, else compiled
// levels (LevelNNN.dat). They must be numbered from 000 without gaps, each must pass
// CheckLevel, and no two may share a title. The levels read are appended to `levels` for a set-wide
// check.
std::vector<std::string> CheckLevelFolder(const std::string& folder,
                                          std::vector<LevelFile>* levels = nullptr);

// The set-wide check: every tile a level may hold (walls, items, fields, creatures, producers,
// every pig producer stage, the fire-dart producer, laser producers of each set facing north,
// east, south and west) appears in at least one of the levels. One line per missing tile.
std::vector<std::string> CheckCoverage(const std::vector<LevelFile>& levels);

}  // namespace murk
