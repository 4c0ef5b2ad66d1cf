// A game from start to end: game start, the loop and its pace, warp, game over, back to menu.
#pragma once

namespace murk {

struct App;

inline constexpr int kWarpDelayMs = 3800;
inline constexpr int kGameOverDelayMs = 3100;

// Runs a whole game on the selected level (set by the menu with random mode), or on the level
// editor's level in a test play (PlayState::test); returns when it ends.
void StartGame(App& app);

// The start of a game without its loop: everything StartGame does before running the loop.
// Returns false when the game could not start.
bool BeginGame(App& app);

// The loop's set-up (first draw, pace, seed), then passes while the game runs. App::runLoop
// unless a driver runs the passes.
void GameLoop(App& app);
bool PrepareLoop(App& app, int& delay);
void RunPass(App& app, int delay);
// The loop's set-up alone, for a driver that then runs the passes itself while loopActive
// holds (murk-sim, tests): App::runLoop for them.
void PrepareLoopOnly(App& app);

void WarpTimerTimer(App& app);
void GameOverTimerTimer(App& app);
void NextLevel(App& app);

}  // namespace murk
