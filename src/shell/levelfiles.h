// The program's level files: counting them at start-up, loading one for play.
#pragma once

namespace murk {

struct App;

// Number of level files from Level000 up to the first missing number.
int CountLevels(App& app);

// Loads level `level` (in a test play, the level editor's level instead) and shows its title;
// false when it failed and the user has seen why.
[[nodiscard]] bool LoadLevel(App& app, int level);

}  // namespace murk
