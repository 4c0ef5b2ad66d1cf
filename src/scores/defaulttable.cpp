// The delivered high-score table: modest results that a first good game can beat.
#include "scores/defaulttable.h"

#include <string>

namespace murk {

namespace {

struct Entry {
    const char* name;
    int score;
    int levels;
};

constexpr Entry kEntries[kShownPlaces] = {
    {"Greta the Grim", 6200, 9},
    {"Mole King", 5400, 8},
    {"Lanternjack", 4700, 7},
    {"Dusty", 4100, 6},
    {"Pip Ironsock", 3500, 5},
    {"Marla", 3000, 5},
    {"Old Hob", 2500, 4},
    {"Sprocket", 2100, 3},
    {"Nell", 1700, 3},
    {"Brindle", 1400, 2},
    {"Quill", 1100, 2},
    {"Tansy", 800, 1},
    {"Fen", 600, 1},
    {"Wick", 400, 0},
    {"Noodle", 200, 0},
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
