// Keys during play: Escape's abort question, then each player's own keys.
#include "shell/playscreen.h"

#include "players/input.h"
#include "shell/app.h"
#include "shell/overlays.h"
#include "shell/screens.h"

namespace murk {

void PlayKeyDown(App& app, int key) {
    Game& g = app.game;
    if (key == vk::Escape && SomeoneCanPlay(g)) {
        app.play.Paused = true;
        // A test play goes back to the level editor, and says so.
        if (Confirm(app, app.play.test ? "Abort the test play and return to the level editor?"
                                       : "Abort game and return to menu?")) {
            EndOverlays(app);  // the room stays beside the menu, as it is without them
            ReturnToMenu(app);
        } else {
            app.DrawRoom();
            app.play.Paused = false;
        }
    }
    PlayersKeyDown(g, app, key);
}

void PlayKeyUp(App& app, int key) {
    PlayersKeyUp(app.game, app, key);
}

}  // namespace murk
