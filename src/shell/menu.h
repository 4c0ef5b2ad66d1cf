// The main menu's commands: level stepping, players, starting games, the other windows, quit.
#pragma once

#include <string>

namespace murk {

struct App;

// What the menu shows and the start of a game reads: the level and the player count as their
// labels show them, and whether the menu stands over the room (it is hidden while a game
// starts and runs, and keys then go to the players).
struct MenuState {
    std::string level = "0";
    std::string players = "1";
    bool shown = true;
};

// Shows the menu state in the main window: the two labels and the menu box.
void ShowMenuState(App& app);

inline constexpr int kStepInitialDelayMs = 210;
inline constexpr int kStepRepeatMs = 35;

// Step the menu's level with auto-repeat while the key or button stays down (its repeat flag).
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
