// The main menu's commands: level stepping, players, starting games, the other windows, quit.
#pragma once

namespace murk {

struct App;

inline constexpr int kStepInitialDelayMs = 210;
inline constexpr int kStepRepeatMs = 35;

// Step the level label with auto-repeat while the key or button stays down (its repeat flag).
void StepLevelUp(App& app);
void StepLevelDown(App& app);

// Start a game on the menu's level, or on a random level with random mode on.
void StartGameCommand(App& app, bool random);
void TogglePlayers(App& app);
void OpenOptions(App& app);
void OpenScores(App& app);
void OpenHelp(App& app);
void QuitCommand(App& app);

}  // namespace murk
