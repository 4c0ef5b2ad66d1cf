// The play screen: keys during a game. Escape's abort question, then each player's own keys.
// The game's start, loop, warp and game over are in gameloop.h.
#pragma once

#include "shell/screen.h"

namespace murk {

struct App;

// Escape asks whether to abort (the loop waits meanwhile); every key also goes to the players.
void PlayKeyDown(App& app, int key);
void PlayKeyUp(App& app, int key);

// The main window lost the keyboard, or has it again. While a game runs and is not paused,
// leaving the window pauses it as the abort question does (the loop waits) and silences it,
// unless Pads.dat says not to; coming back goes on from where it stopped.
void PlayFocusChanged(App& app, bool focused);

class PlayScreen final : public Screen {
public:
    explicit PlayScreen(App& app) : app_(app) {}
    void KeyDown(int key) override { PlayKeyDown(app_, key); }
    void KeyUp(int key) override { PlayKeyUp(app_, key); }
    // A pad presses its player's keys (in a one-player game, player 1's): the d-pad and stick
    // walk, the fire button fires, the item-menu button opens the item menu, and Start asks
    // whether to abort (Escape).
    int PadKey(PadControl c, int player) const override;

private:
    App& app_;
};

}  // namespace murk
