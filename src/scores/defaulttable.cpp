// The delivered high-score table: a ladder from the first level's finish to most of the set.
#include "scores/defaulttable.h"

#include <string>

namespace murk {

namespace {

struct Entry {
    const char* name;
    int score;
    int levels;
};

// A ladder to climb over an evening: finishing the first level beats the last line, the
// first needs most of the set with most of its gold.
constexpr Entry kEntries[kShownPlaces] = {
    {"Greta the Grim", 48000, 21},
    {"Mole King", 41000, 19},
    {"Lanternjack", 35000, 17},
    {"Dusty", 29500, 15},
    {"Pip Ironsock", 24500, 13},
    {"Marla", 20000, 12},
    {"Old Hob", 16000, 10},
    {"Sprocket", 12500, 9},
    {"Nell", 9500, 7},
    {"Brindle", 7000, 6},
    {"Quill", 5000, 5},
    {"Tansy", 3300, 4},
    {"Fen", 2000, 3},
    {"Wick", 1000, 1},
    {"Noodle", 300, 0},
};

constexpr int kWidths[kTableCols] = {64, 48, 220, 120, 96};

}  // namespace

StringGrid DefaultHighScoreTable() {
    StringGrid t(kTableCols, kShownPlaces + 1);
    for (int c = 0; c < kTableCols; ++c) t.SetColWidth(c, kWidths[c]);
    t.SetCell(kRankCol, 0, "Rank");
    t.SetCell(kNameCol, 0, "Name");
    t.SetCell(kScoreCol, 0, "Score");
    t.SetCell(kLevelsCol, 0, "Levels");
    t.SetCell(0, 1, kSaveMark);
    for (int i = 0; i < kShownPlaces; ++i) {
        const Entry& e = kEntries[i];
        const int row = i + 1;
        t.SetCell(kRankCol, row, std::to_string(row));
        t.SetCell(kNameCol, row, e.name);
        t.SetCell(kScoreCol, row, std::to_string(e.score));
        t.SetCell(kLevelsCol, row, std::to_string(e.levels));
    }
    return t;
}

GridHeader HighScoreHeader() {
    GridHeader h;
    h.fill(20);
    return h;
}

}  // namespace murk
