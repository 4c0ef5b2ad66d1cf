// The moves between the main window's screens, and the program's end.
#include "shell/screens.h"

#include "options/optionsfile.h"
#include "shell/app.h"
#include "shell/mainform.h"

namespace murk {

void ShowMenuState(App& app) {
    TMainForm& m = *app.mainForm;
    m.LevelLbl->SetText(app.menu.level);
    m.NumPlayersLbl->SetText(app.menu.players);
    m.MenuBox->SetVisible(app.menu.shown);
    Screen* next = app.menu.shown                       ? app.menuScreen.get()
                   : app.menu.editing && !app.play.test ? app.editScreen.get()
                                                        : app.playScreen.get();
    if (next == m.screen) return;
    m.screen = next;
    next->Shown();
}

void ShowEditScreen(App& app) {
    app.menu.shown = false;
    app.menu.editing = true;
    ShowMenuState(app);
}

void CloseEditScreen(App& app) {
    app.menu.editing = false;
    app.menu.shown = true;
    ShowMenuState(app);
}

void ShowPlayScreen(App& app) {
    app.menu.shown = false;
    ShowMenuState(app);
}

void StopGameTimers(App& app) {
    SetTimerInterval(app, app.WarpTimer, 0);
    SetTimerInterval(app, app.GameOverTimer, 0);
    app.play.WarpArmed1 = false;
    app.play.WarpArmed2 = false;
}

void ReturnToMenu(App& app) {
    Game& g = app.game;
    StopGameTimers(app);
    g.GameStopped = true;
    g.PlayerCount = 0;
    app.play.Paused = false;
    app.play.test.reset();
    app.menu.shown = !app.menu.editing;
    ShowMenuState(app);
    app.pf.SetPointer(Pointer::Normal);
}

void ShutDown(App& app) {
    if (app.terminated) return;
    int w = 0, h = 0;
    app.pf.DisplaySize(w, h);
    const bool saved = app.SavedScreenWidth > 0 && app.SavedScreenHeight > 0;
    if (saved && (w != app.SavedScreenWidth || h != app.SavedScreenHeight))
        app.pf.SetDisplayMode(app.SavedScreenWidth, app.SavedScreenHeight);
    if (app.ModeAccepted && app.useOptionsFile) SaveOptions(app, app.options);
    app.pf.HideWindow();
    app.terminated = true;
}

}  // namespace murk
