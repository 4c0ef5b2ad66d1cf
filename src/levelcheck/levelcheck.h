// The level validator: finds what would make a level broken, unfair or unplayable for two.
#pragma once

#include <string>
#include <vector>

#include "levelcheck/lessons.h"
#include "levelcheck/report.h"
#include "levelsource/levelfile.h"

namespace murk {

// Every problem of one level, one line each, naming the level, room and square:
// "Level003.lvl: room 2 1, column 30 row 5: ...". Empty when the level passes. With a teaching
// order, a level before the one that teaches health kits is not asked for one.
std::vector<std::string> CheckLevel(const LevelFile& level, const Lessons* lessons = nullptr);

// The same problems as they are found, for a caller that shows them square by square (the
// editor): ProblemText(p) is the line CheckLevel gives after the level's name.
std::vector<LevelProblem> CheckLevelProblems(const LevelFile& level,
                                             const Lessons* lessons = nullptr);

// Checks the level files of a folder: sources (LevelNNN.lvl) when it holds any, else compiled
// levels (LevelNNN.dat). They must be numbered from 000 without gaps, each must pass
// CheckLevel, and no two may share a title. The levels read are appended to `levels` for a set-wide
// check.
// A folder's lessons.txt is the teaching order, not a level.
std::vector<std::string> CheckLevelFolder(const std::string& folder,
                                          std::vector<LevelFile>* levels = nullptr,
                                          const Lessons* lessons = nullptr);

// The set-wide check: every tile a level may hold (walls, items, fields, creatures, producers,
// every pig producer stage, the fire-dart producer, laser producers of each set facing north,
// east, south and west) appears in at least one of the levels. One line per missing tile.
std::vector<std::string> CheckCoverage(const std::vector<LevelFile>& levels);

// The set-wide teaching check: the teaching order's own problems, then every tile a level holds
// before the level that teaches it (its first square, one line a tile and level) and every tile a
// teaching level does not hold. Levels are known by the numbers in their names.
std::vector<std::string> CheckFirstAppearances(const std::vector<LevelFile>& levels,
                                               const Lessons& lessons);

// Two rooms are alike when, compared square by square inside their edges (476 squares), as drawn
// or mirrored either way, at most kAlikeSquares squares differ (a tenth: near copies, and rooms
// that are nearly all bare floor), or at most one in kAlikeShare of the squares either room draws
// with anything but floor (a dense room copied with a few changes).
inline constexpr int kAlikeSquares = 48;
inline constexpr int kAlikeShare = 5;

// The set-wide filler check: one line per room alike with a room before it (in the order the
// levels are given, rooms row by row), naming the most alike.
std::vector<std::string> CheckLikeness(const std::vector<LevelFile>& levels);

// The set-wide checks of the levels given together: first appearances (with a teaching order)
// and alike rooms.
std::vector<std::string> CheckSet(const std::vector<LevelFile>& levels, const Lessons* lessons);

}  // namespace murk
