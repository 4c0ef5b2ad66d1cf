// Game start, the game loop, the warp and game-over timers, and the return to the menu.
#include "shell/gameloop.h"

#include "level/levels.h"
#include "level/room.h"
#include "shell/app.h"
#include "shell/levelfiles.h"
#include "shell/mainform.h"
#include "shell/overlays.h"
#include "shell/panels.h"
#include "shell/render.h"
#include "shell/screens.h"
#include "shell/settings.h"
#include "world/tick.h"

namespace murk {

namespace {

// A player's six keys from the options, which list them up, down, left, right, fire, menu.
void CopyKeys(Player& p, const OptionValues& o, size_t first) {
    p.leftKey = o.keys[first + 2].code;
    p.rightKey = o.keys[first + 3].code;
    p.upKey = o.keys[first].code;
    p.downKey = o.keys[first + 1].code;
    p.fireKey = o.keys[first + 4].code;
    p.menuKey = o.keys[first + 5].code;
}

}  // namespace

bool BeginGame(App& app) {
    Game& g = app.game;
    TMainForm& m = *app.mainForm;
    StopGameTimers(app);
    ClearOverlays(app);
    try {
        if (!LoadLevel(app, app.play.SelectedLevel) ||
            !EnterRoom(app.game, app, g.StartRoomCol, g.StartRoomRow)) {
            ReturnToMenu(app);
            return false;
        }
        ShowPlayScreen(app);
        ProcessMessages(app);
        g.PlayerCount = MenuPlayers(app);
        InitPlayer(g.P1(), 1);
        InitPlayer(g.P2(), 2);
        CopyKeys(g.P1(), app.options, 0);
        CopyKeys(g.P2(), app.options, 6);
        g.CurrentRoomCol = g.StartRoomCol;
        g.CurrentRoomRow = g.StartRoomRow;
        if (!RenderRoom(app)) {
            ReturnToMenu(app);
            return false;
        }
        m.ShowPanels(g.PlayerCount == 2);
        ProcessMessages(app);
        app.play.Paused = false;
        g.GameStopped = false;
        app.sound.soundOn = app.options.sound == "On";
        m.LevelTitleLbl->SetVisible(true);
        app.pf.SetPointer(Pointer::Hidden);
        LevelArrived(app);
        return !app.terminated;
    } catch (const Failure& f) {
        ShowException(app, f.text);
        ShowError(app, "Error starting game.");
        app.pf.SetPointer(Pointer::Hidden);
        return false;
    }
}

void StartGame(App& app) {
    if (!BeginGame(app)) return;
    if (app.runLoop)
        app.runLoop(app);
    else
        GameLoop(app);
}

void PrepareLoopOnly(App& app) {
    app.loopActive = PrepareLoop(app, app.loopDelay);
}

bool PrepareLoop(App& app, int& delay) {
    try {
        app.DrawRoom();
        delay = GameSpeed(app);
        app.game.rng.Seed(app.pf.RandomSeed());
        return true;
    } catch (const Failure& f) {
        ShowException(app, f.text);
        return false;
    }
}

void RunPass(App& app, int delay) {
    Game& g = app.game;
    PlayState& play = app.play;
    PanelRefresh(app);
    ProcessMessages(app);
    OverlaysBeforeTick(app);
    WorldTick(app.game, app);
    if (g.P1().finished && !play.WarpArmed1) {
        play.WarpArmed1 = true;
        g.P1().status = "WARP";
        SetTimerInterval(app, app.WarpTimer, kWarpDelayMs);
    }
    if (g.P2().finished && !play.WarpArmed2) {
        play.WarpArmed2 = true;
        g.P2().status = "WARP";
        SetTimerInterval(app, app.WarpTimer, kWarpDelayMs);
    }
    if (g.PlayerCount == 1 && g.P1().dead) {
        g.P1().status = "Game Over";
        SetTimerInterval(app, app.GameOverTimer, kGameOverDelayMs);
    } else if (g.PlayerCount == 2 && g.P1().dead && g.P2().dead) {
        g.P1().status = "Game Over";
        g.P2().status = "Game Over";
        SetTimerInterval(app, app.GameOverTimer, kGameOverDelayMs);
    }
    OverlaysAfterTick(app, delay);
    WaitMessagesFor(app, delay);
    // Paused: only an event (the question's answer, the window taken back) or a timer goes on.
    while (play.Paused && !app.terminated) {
        WaitForMessages(app, "the game is paused");
        ProcessMessages(app);
        app.DrawRoom();
    }
}

void GameLoop(App& app) {
    int delay = 0;
    if (!PrepareLoop(app, delay)) return;
    try {
        while (!app.game.GameStopped && !app.terminated) RunPass(app, delay);
    } catch (const Failure& f) {
        ShowException(app, f.text);
    }
}

void WarpTimerTimer(App& app) {
    Game& g = app.game;
    SetTimerInterval(app, app.WarpTimer, 0);
    EndWarpWait(app);
    const bool p2Done = g.P2().finished || g.P2().dead;
    const bool p1Done = g.P1().finished || g.P1().dead;
    if (app.play.test && (g.PlayerCount == 1 || (p1Done && p2Done))) {
        // A test play ends at its warp: there is no next level to go to.
        EndOverlays(app);
        ReturnToMenu(app);
    } else if (g.PlayerCount == 1 || (p1Done && p2Done)) {
        NextLevel(app);
    }
    app.play.WarpArmed1 = false;
    app.play.WarpArmed2 = false;
}

void NextLevel(App& app) {
    Game& g = app.game;
    PlayState& play = app.play;
    if (play.RandomMode)
        play.SelectedLevel = g.rng.Random(play.LevelCount);
    else
        play.SelectedLevel =
            play.SelectedLevel + 1 > play.LevelCount - 1 ? 0 : play.SelectedLevel + 1;
    // A level or room that fails has shown why; play goes on in what is left, as it always has.
    static_cast<void>(LoadLevel(app, play.SelectedLevel));
    AdvancePlayerToNextLevel(g.P1(), true);
    AdvancePlayerToNextLevel(g.P2(), g.PlayerCount == 2);
    static_cast<void>(EnterRoom(app.game, app, g.StartRoomCol, g.StartRoomRow));
    app.DrawRoom();
    LevelArrived(app);
}

void GameOverTimerTimer(App& app) {
    SetTimerInterval(app, app.GameOverTimer, 0);
    EndBanner(app);
    const bool test = app.play.test.has_value();
    ReturnToMenu(app);
    if (test) return;  // a test play of a level being edited earns no place in the table
    // The results as the panels last showed them, for the players the menu counts.
    std::vector<ShownResult> results;
    const size_t players = app.menu.players == "2" ? 2 : 1;
    for (size_t i = 0; i < players; ++i)
        results.push_back({app.panelTexts[i].points, app.panelTexts[i].levelsPassed});
    TNameForm& names = *app.nameForm;
    ScoresAfterGame(
        app, *app.hscoreForm, *app.mainForm, results,
        [&names](const std::string& name, Rgb colour) { return names.AskName(name, colour); });
}

}  // namespace murk
