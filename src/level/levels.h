// Level files: their names, and reading one into the game's level grid.
#pragma once

#include <functional>
#include <string>

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

// Reads level `level` from `path` into LevelGrid, the start squares and the start room, and
// counts the load in LevelSerial. The grid is emptied first, and stays so when the file is
// missing or damaged. `pump` lets messages through while the file is read.
[[nodiscard]] LevelLoad ReadLevel(Game& g, int level, const std::string& path,
                                  const std::function<void()>& pump);

}  // namespace murk
