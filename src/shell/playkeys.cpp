// Keys during play: Escape's abort question, then each player's own keys.
#include "shell/playkeys.h"

#include "players/input.h"
#include "shell/app.h"
#include "shell/gameloop.h"
#include "shell/render.h"

namespace murk {

void PlayKeyDown(App& app, int key) {
    Game& g = app.game;
    if (key == vk::Escape && SomeoneCanPlay(g)) {
        g.Paused = true;
        if (Confirm(app, "Abort game and return to menu?")) {
            ReturnToMenu(app);
        } else {
            app.DrawRoom();
            g.Paused = false;
        }
    }
    PlayersKeyDown(g, app, key);
}

void PlayKeyUp(App& app, int key) {
    PlayersKeyUp(app.game, app, key);
}

}  // namespace murk
