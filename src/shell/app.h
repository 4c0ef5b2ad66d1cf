// App: the running program — the platform, the game state, the windows, timers and the pump.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/state.h"
#include "help/helpform.h"
#include "platform/platform.h"
#include "scores/hscoreform.h"
#include "scores/nameform.h"
#include "shell/tilestore.h"
#include "sound/soundbank.h"

namespace murk {

class Form;
class TMainForm;
class TOptionsForm;

// A window timer on the platform clock. Interval 0 stops it; setting the interval it already
// has keeps the countdown running.
struct Timer {
    int interval = 0;
    uint64_t due = 0;
    std::function<void()> onTimer;
};

struct App {
    explicit App(Platform& platform);
    ~App();

    Platform& pf;
    bool terminated = false;  // set by ShutDown; every loop ends at its next check
    bool useOptionsFile = true;  // murk-sim keeps its options to itself
    // Runs a started game's passes, called at the end of the start command: the game loop
    // itself (GameLoop), or, for a driver that runs the passes one at a time with RunPass
    // (murk-sim, tests), PrepareLoopOnly, which leaves loopActive and the pace read at the loop's
    // start (loopDelay) for it.
    void (*runLoop)(App&);
    bool loopActive = false;
    int loopDelay = 0;

    Game game;
    TileStore tiles;
    SoundBank sound;
    Timer WarpTimer;
    Timer GameOverTimer;

    std::string DirLbl;  // program directory with a trailing '/'
    int SavedScreenWidth = 0, SavedScreenHeight = 0;
    bool ModeAccepted = false;
    uint64_t PaintCount = 1;
    bool drawingRoom = false;
    bool roomRedrawPending = false;

    std::unique_ptr<TMainForm> mainForm;
    std::unique_ptr<TOptionsForm> optionsForm;
    std::unique_ptr<THScoreForm> hscoreForm;
    std::unique_ptr<TNameForm> nameForm;
    std::unique_ptr<THelpForm> helpForm;
    std::vector<Form*> shownForms;  // in showing order; the last one receives input
};

void SetTimerInterval(App& app, Timer& t, int ms);

// Called once a round by a loop that only an event or a timer can end; `what` names the wait
// for the platform (see Platform::AwaitingEvent).
void AwaitEvent(App& app, const char* what);

// A game is under way. The rules let messages through in the middle of their work; an abort
// answered there ends the game, and nothing may then move or be drawn over the menu.
inline bool GameRunning(const App& app) { return !app.terminated && !app.game.GameStopped; }

// Delivers every pending event to its window and fires due timers. Safe to call from inside a
// handler: each event is taken from the queue once, so nothing is lost or delivered twice.
void ProcessMessages(App& app);

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

// Waits for the next event or the next due timer; the idle loops call it between their pumps.
// `what` names the wait, as for AwaitEvent, which it calls first.
void WaitForMessages(App& app, const char* what);

// Shows a window over the others, or hides it (the window below is painted again).
void ShowForm(App& app, Form& f);
void HideForm(App& app, Form& f);

// The application's standard display of a failure's own text.
void ShowException(App& app, const std::string& text);
void ShowError(App& app, const std::string& text);
bool Confirm(App& app, const std::string& text, bool okCancel = false);

// The failure thrown inside an operation and caught at its top (drawing, loading, capturing).
struct Failure {
    std::string text;
};

}  // namespace murk
