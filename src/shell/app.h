// App: the running program — the desk with its windows, the game state and what the game reads.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "game/state.h"
#include "help/helpform.h"
#include "options/optionsparse.h"
#include "platform/platform.h"
#include "scores/hscoreform.h"
#include "scores/nameform.h"
#include "shell/menu.h"
#include "shell/panels.h"
#include "shell/tilestore.h"
#include "sound/soundbank.h"
#include "ui/desk.h"

namespace murk {

class Form;
class TMainForm;
class TOptionsForm;

// App derives from the desk the windows share, and adds the game and what the game reads.
struct App : Desk {
    explicit App(Platform& platform);
    ~App();

    bool useOptionsFile = true;  // murk-sim keeps its options to itself
    // The pace read at the loop's start when an external driver runs the passes.
    bool loopActive = false;
    int loopDelay = 0;

    Game game;
    TileStore tiles;
    SoundBank sound;
    OptionValues options;                  // edited by the options window, read by the game
    MenuState menu;                        // shown by the menu
    std::array<PanelTexts, 2> panelTexts;  // what the status panels show, player 1 first
    Timer WarpTimer;
    Timer GameOverTimer;

    int SavedScreenWidth = 0, SavedScreenHeight = 0;
    bool ModeAccepted = false;
    uint64_t PaintCount = 1;
    bool drawingRoom = false;
    bool roomRedrawPending = false;
    std::optional<uint32_t> seed;  // fixed seed for game loops (tests, murk-sim)

    std::unique_ptr<TMainForm> mainForm;
    std::unique_ptr<TOptionsForm> optionsForm;
    std::unique_ptr<THScoreForm> hscoreForm;
    std::unique_ptr<TNameForm> nameForm;
    std::unique_ptr<THelpForm> helpForm;
};

// A game is under way. The rules let messages through in the middle of their work; an abort
// answered there ends the game, and nothing may then move or be drawn over the menu.
inline bool GameRunning(const App& app) { return !app.terminated && !app.game.GameStopped; }

// What a step of a pass stands on across a message pump: the game under way and the level it
// began in. An abort, a game over or a warp at the pump pulls it away; the step must then leave
// the room alone, for the room is now the menu's background or the next level's.
struct Footing {
    uint32_t levelSerial = 0;
};
inline Footing FootingNow(const App& app) { return {app.game.LevelSerial}; }
inline bool Stands(const App& app, Footing f) {
    return GameRunning(app) && app.game.LevelSerial == f.levelSerial;
}
// Lets messages through; true when the footing still stands.
[[nodiscard]] inline bool LetMessagesThrough(App& app, Footing f) {
    ProcessMessages(app);
    return Stands(app, f);
}

}  // namespace murk
