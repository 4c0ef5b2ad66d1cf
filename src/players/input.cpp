// Play-time key handling.
#include "players/input.h"

#include "game/gameloop.h"
#include "game/render.h"
#include "shell/app.h"

namespace murk {

namespace {

bool SomeoneCanPlay(const Game& g) {
    return !g.players[0].dead || (g.PlayerCount == 2 && !g.players[1].dead);
}

}  // namespace

void PlayKeyDown(App& app, int key) {
    Game& g = app.game;
    if (key == vk::Escape && SomeoneCanPlay(g)) {
        g.Paused = true;
        if (Confirm(app, "Abort game and return to menu?")) {
            ReturnToMenu(app);
        } else {
            DrawRoom(app);
            g.Paused = false;
        }
    }
    // Each player's own keys steer it once walking lands.
}

void PlayKeyUp(App&, int) {
    // Each player's own keys steer it once walking lands.
}

}  // namespace murk
