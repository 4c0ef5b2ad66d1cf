// Keys during play: Escape's abort question, then each player's own keys.
#include "shell/playscreen.h"

#include "players/input.h"
#include "shell/app.h"
#include "shell/overlays.h"
#include "shell/screens.h"
#include "sound/soundbank.h"

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

void PlayFocusChanged(App& app, bool focused) {
    PlayState& play = app.play;
    if (!focused) {
        if (play.Paused || app.game.GameStopped || app.menu.shown ||
            !app.pads.settings.pauseWhenLeft)
            return;
        play.Paused = true;
        play.pausedForFocus = true;
        play.soundBeforePause = app.sound.soundOn;
        app.sound.soundOn = false;
        if (play.soundBeforePause) StopSounds(app, app.sound);
        return;
    }
    if (!play.pausedForFocus) return;
    play.pausedForFocus = false;
    app.sound.soundOn = play.soundBeforePause;
    // A game that ended meanwhile (its game-over timer runs on) has left the pause already.
    if (!play.Paused) return;
    app.DrawRoom();
    play.Paused = false;
}

int PlayScreen::PadKey(PadControl c, int player) const {
    // In a one-player game there is no one else for a pad to play.
    const bool second = player == 2 && app_.game.PlayerCount == 2;
    const Player& p = app_.game.players[second ? 1 : 0];
    switch (c) {
        case PadControl::Up:
            return p.upKey;
        case PadControl::Down:
            return p.downKey;
        case PadControl::Left:
            return p.leftKey;
        case PadControl::Right:
            return p.rightKey;
        case PadControl::Fire:
            return p.fireKey;
        case PadControl::ItemMenu:
            return p.menuKey;
        case PadControl::Start:
            return vk::Escape;
        case PadControl::Select:
            return 0;
    }
    return 0;
}

}  // namespace murk
