// App: the running program — the desk with its windows, the game state and what the game reads.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "game/host.h"
#include "game/state.h"
#include "help/helpform.h"
#include "options/optionsparse.h"
#include "platform/platform.h"
#include "scores/hscoreform.h"
#include "scores/nameform.h"
#include "shell/programstate.h"
#include "shell/screen.h"
#include "shell/tilestore.h"
#include "sound/soundbank.h"
#include "ui/desk.h"

namespace murk {

class Form;
class TMainForm;
class TOptionsForm;
class TPadsForm;

// App is the desk the windows share, with the game and what the game reads; it implements the
// rules' host: squares and rooms drawn on the platform, sounds from the bank, the desk's pump.
struct App final : Desk, Host {
    explicit App(Platform& platform);
    ~App() override;

    void DrawSquare(int col, int row, std::string_view code) override;
    void DrawRoom() override;
    void PlaySound(std::string_view id) override;
    void PumpMessages() override;
    bool Closing() const override { return terminated; }
    void ShowException(const std::string& text) override;

    bool useOptionsFile = true;  // murk-sim keeps its options (and Pads.dat) to itself
    // Runs a started game's passes, called at the end of the start command: the game loop
    // itself (GameLoop) when unset, or, for a driver that runs the passes one at a time with
    // RunPass (murk-sim, tests), PrepareLoopOnly, which leaves loopActive and the pace read at
    // the loop's start (loopDelay) for it.
    void (*runLoop)(App&) = nullptr;
    bool loopActive = false;
    int loopDelay = 0;

    Game game;
    TileStore tiles;
    SoundBank sound;
    OptionValues options;                  // edited by the options window, read by the game
    MenuState menu;                        // shown by the menu
    PlayState play;                        // the course of the games
    std::array<PanelTexts, 2> panelTexts;  // what the status panels show, player 1 first
    OverlayState overlays;                 // drawn by the game loop (shell/overlays.h)
    std::string levelTitle;                // shown above the room: "Level 7 - <title>"
    Timer WarpTimer;
    Timer GameOverTimer;

    int SavedScreenWidth = 0, SavedScreenHeight = 0;
    bool ModeAccepted = false;
    uint64_t PaintCount = 1;
    bool drawingRoom = false;
    bool roomRedrawPending = false;

    std::unique_ptr<TMainForm> mainForm;
    std::unique_ptr<TOptionsForm> optionsForm;
    std::unique_ptr<TPadsForm> padsForm;  // over the options window
    std::unique_ptr<THScoreForm> hscoreForm;
    std::unique_ptr<TNameForm> nameForm;
    std::unique_ptr<THelpForm> helpForm;
    std::unique_ptr<Screen> menuScreen;  // the main window's screens (shell/screens.h)
    std::unique_ptr<Screen> playScreen;
    std::unique_ptr<Screen> editScreen;  // the level editor (shell/editscreen.h)
    int editAtStart = -1;                // `murk --edit N`: the level the editor opens at start
};

inline bool GameRunning(const App& app) {
    return GameRunning(app.game, app);
}

}  // namespace murk
