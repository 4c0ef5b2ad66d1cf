// The play screen: keys during a game. Escape's abort question, then each player's own keys.
// The game's start, loop, warp and game over are in gameloop.h.
#pragma once

#include "shell/screen.h"

namespace murk {

struct App;

// Escape asks whether to abort (the loop waits meanwhile); every key also goes to the players.
void PlayKeyDown(App& app, int key);
void PlayKeyUp(App& app, int key);

class PlayScreen final : public Screen {
public:
    explicit PlayScreen(App& app) : app_(app) {}
    void KeyDown(int key) override { PlayKeyDown(app_, key); }
    void KeyUp(int key) override { PlayKeyUp(app_, key); }

private:
    App& app_;
};

}  // namespace murk
