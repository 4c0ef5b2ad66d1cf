// The high-score table a new game folder starts with, and the header every saved table carries.
#pragma once

#include "base/gridfile.h"
#include "base/stringgrid.h"

namespace murk {

// Columns of a table row; column 0 holds no data the window shows.
inline constexpr int kRankCol = 1, kNameCol = 2, kScoreCol = 3, kLevelsCol = 4;
inline constexpr int kTableCols = 5;
// After the shown columns: the name of the replay of the game an entry was made in, where it was
// recorded (tables from before have no such column; they load and save unchanged).
inline constexpr int kReplayCol = 5;
inline constexpr int kShownPlaces = 15;               // rows 1..15 are the places the window shows
inline constexpr const char* kSaveMark = "vhsmovie";  // column 0 of row 1 in every saved table

// Fifteen made-up results under a row of column titles, ranks "1".."15".
StringGrid DefaultHighScoreTable();

// The twelve header integers of a saved table: all 20; they are ignored on reading.
GridHeader HighScoreHeader();

}  // namespace murk
