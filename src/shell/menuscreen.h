// The menu screen: its keys and buttons. Level stepping, players, starting games, the other
// windows and quit.
#pragma once

#include "shell/screen.h"

namespace murk {

struct App;

class MenuScreen final : public Screen {
public:
    // Gives the menu's buttons their commands.
    explicit MenuScreen(App& app);
    void KeyDown(int key) override;  // F5/F6 and the arrows step the level
    void KeyUp(int key) override;    // the function keys' commands (F9 the editor), Escape quits
    // A pad steps the level with its up and down, starts a game with its fire button or Start,
    // switches the players with Select and asks to quit with its item-menu button.
    int PadKey(PadControl c, int player) const override;

private:
    App& app_;
};

inline constexpr int kStepInitialDelayMs = 210;
inline constexpr int kStepRepeatMs = 35;

// Step the menu's level with auto-repeat while the key or button stays down (its repeat flag).
void StepLevelUp(App& app);
void StepLevelDown(App& app);

// Start a game on the menu's level, or on a random level with random mode on.
void StartGameCommand(App& app, bool random);
// F9: the level editor on the menu's level.
void OpenEditorCommand(App& app);
void TogglePlayers(App& app);
void OpenOptions(App& app);
void OpenScores(App& app);
void OpenHelp(App& app);
void QuitCommand(App& app);

}  // namespace murk
