// The high-score table: reading and writing HighScores.dat, the ranking rule, new results.
#pragma once

#include <optional>
#include <string>

#include "base/stringgrid.h"
#include "scores/defaulttable.h"

namespace murk {

struct App;

inline constexpr const char* kHighScoresFile = "HighScores.dat";

// A score or levels text as a number: optional sign and decimal digits, nothing else.
std::optional<long long> ParseTableNumber(const std::string& text);

// The first place (row 1 up to the last row) that a new result takes, or -1 when it takes none.
// A result beats a row with a lower score, or with the same score and fewer levels; a result
// that only ties goes below. A row whose score or levels is not a number holds no real result,
// so any result takes it.
int FindPlace(const StringGrid& table, long long score, long long levels);

// Moves rows `row`..last down one place (the last row's entry drops out; columns 0 and 1, the
// rank texts, stay where they are; further columns move with their row) and writes the new
// entry's name, score and levels into `row`.
void InsertEntry(StringGrid& table, int row, const std::string& name, long long score,
                 const std::string& levelsText);

// Empties the table, then reads HighScores.dat from the working folder into it. Returns 0, or
// 1 after telling the user why not (the table is then left with two empty rows).
int LoadTable(App& app, StringGrid& table);

// Writes the table to HighScores.dat (asking first when the file is read-only). Every failure
// is reported; the old file then stays as it was.
void SaveTable(App& app, StringGrid& table);

// After a game: asks each player whose result earns a place for a name (player 1 first) and
// enters it, then saves the table whether or not anything changed.
void InsertResults(App& app, StringGrid& table);

}  // namespace murk
