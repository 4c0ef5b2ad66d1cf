// The high-score table: reading and writing HighScores.dat, the ranking rule, new results.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/stringgrid.h"
#include "platform/platform.h"
#include "scores/defaulttable.h"

namespace murk {

struct Desk;

// A player's result as the status panel showed it when the game ended.
struct ShownResult {
    std::string points;
    std::string levelsPassed;
};

// Asks for a name, offering `defaultName` shown in `colour`; returns the name entered.
using NameAsker = std::function<std::string(const std::string& defaultName, Rgb colour)>;

inline constexpr const char* kHighScoresFile = "HighScores.dat";
// The longest name in bytes: what one cell of HighScores.dat holds and reads back.
inline constexpr size_t kMaxNameBytes = kMaxCellLength;

// A score or levels text as a number: optional sign and decimal digits, nothing else.
std::optional<long long> ParseTableNumber(const std::string& text);

// The first place (row 1 up to the last row) that a new result takes, or -1 when it takes none.
// A result beats a row with a lower score, or with the same score and fewer levels; a result
// that only ties goes below. A row whose score or levels is not a number holds no real result,
// so any result takes it.
int FindPlace(const StringGrid& table, long long score, long long levels);

// Moves rows `row`..last down one place (the last row's entry drops out; columns 0 and 1, the
// rank texts, stay where they are; further columns move with their row) and writes the new
// entry's name, score and levels into `row`, and its replay's name, when it has one, into
// kReplayCol (a table without that column gets it). The new entry's columns beyond the shown
// ones hold nothing else.
void InsertEntry(StringGrid& table, int row, const std::string& name, long long score,
                 const std::string& levelsText, const std::string& replay = "");

// Empties the table, then reads HighScores.dat from the working folder into it. Returns 0, or
// 1 after telling the user why not (the table is then left with two empty rows).
int LoadTable(Desk& desk, StringGrid& table);

// Writes the table to HighScores.dat (asking first when the file is read-only). Every failure
// is reported; the old file then stays as it was. A table the file could not give back (too
// large for the reader) is refused rather than written.
void SaveTable(Desk& desk, StringGrid& table);

// After a game: asks each player whose result earns a place for a name (player 1 first, one
// result a player) and enters it, then saves the table whether or not anything changed.
void InsertResults(Desk& desk, StringGrid& table, const std::vector<ShownResult>& results,
                   const NameAsker& askName);

}  // namespace murk
