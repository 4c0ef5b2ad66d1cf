// Level files: counting them at start-up and loading one into the level grid.
#pragma once

#include <string>

namespace murk {

struct App;

inline constexpr const char* kLevelsFolder = "Levels/";

// "<dir>Levels/Level007.dat"; the number is zero-padded to at least three digits.
std::string LevelFileName(const std::string& dir, int level);

// Number of level files from Level000 up to the first missing number.
int CountLevels(App& app);

// Loads level `level` into LevelGrid, the start squares and start room, and the title label.
// Returns 0 on success, 1 after showing why it failed.
int LoadLevel(App& app, int level);

}  // namespace murk
