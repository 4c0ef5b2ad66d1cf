// Level files: their names, and reading one into the game's level grid.
#pragma once

#include <functional>
#include <string>

#include "base/gridfile.h"
#include "base/stringgrid.h"

namespace murk {

struct Game;

inline constexpr const char* kLevelsFolder = "Levels/";

// "<dir>Levels/Level007.dat"; the number is zero-padded to at least three digits.
std::string LevelFileName(const std::string& dir, int level);

// What reading a level gave: on success the title to show, otherwise the message to show.
struct LevelLoad {
    bool loaded = false;
    std::string title;  // "Level 7 - <the level's own title>"
    std::string error;
};

// Reads the level file at `path` into `grid` and `header` as the game loads a level, and returns
// the message the game shows when it cannot ("" when it was read). Only a level that reads whole,
// with its start room and start squares inside it, changes `grid` and `header`. The editor opens
// levels through it, so a damaged file says there what it says in play.
std::string ReadLevelGrid(const std::string& path, StringGrid& grid, GridHeader& header,
                          const std::function<void()>& pump = {});
// The same for a file read elsewhere (the game reads through the platform): `read` is how the
// read went, `text` what it gave.
std::string LevelGridFromRead(FileReadResult read, const std::string& text, StringGrid& grid,
                              GridHeader& header, const std::function<void()>& pump = {});

// Reads level `level` from the file read as `read` gave `text` into LevelGrid, the start squares
// and the start room, and counts the load in LevelSerial. The grid is emptied first, and stays so
// when the file is missing or damaged. `pump` lets messages through while the file is read.
[[nodiscard]] LevelLoad ReadLevel(Game& g, int level, FileReadResult read, const std::string& text,
                                  const std::function<void()>& pump);

// The same for a level held in memory (the level editor's test play): `grid` and `header` as a
// level file holds them, `shown` the title line to show. A level whose start does not fit it is
// refused with the message a damaged file gets.
[[nodiscard]] LevelLoad PutLevel(Game& g, const StringGrid& grid, const GridHeader& header,
                                 std::string shown);

}  // namespace murk
