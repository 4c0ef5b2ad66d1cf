// Main menu commands.
#include "shell/menu.h"

#include "options/optionsform.h"
#include "shell/app.h"
#include "shell/gameloop.h"
#include "shell/mainform.h"
#include "shell/startup.h"

namespace murk {

namespace {

// One step, then the 210 ms hold-off and the 35 ms repeat while the flag stays set.
void StepWithRepeat(App& app, bool& repeatFlag, int (*next)(int level, int count)) {
    auto step = [&] {
        app.menu.level = std::to_string(next(StrToInt(app.menu.level), app.game.LevelCount));
        ShowMenuState(app);
    };
    // The keyboard's own auto-repeat sends more key-downs while the key is held; the stepping
    // already under way repeats by itself, so they add nothing.
    if (repeatFlag) return;
    repeatFlag = true;
    try {
        step();
        for (int i = 0; i < kStepInitialDelayMs && !app.terminated; ++i) {
            app.pf.Sleep1ms();
            ProcessMessages(app);
        }
        while (repeatFlag && !app.terminated) {
            AwaitEvent(app, "the held level arrow repeats until it is released");
            ProcessMessages(app);
            step();
            for (int i = 0; i < kStepRepeatMs && !app.terminated; ++i) {
                ProcessMessages(app);
                app.pf.Sleep1ms();
            }
        }
    } catch (const Failure&) {
        repeatFlag = false;
        app.menu.level = "0";
        ShowMenuState(app);
    }
}

int Up(int n, int count) {
    return n < count - 1 ? n + 1 : 0;
}
int Down(int n, int count) {
    return n <= 0 ? count - 1 : n - 1;
}

}  // namespace

void ShowMenuState(App& app) {
    TMainForm& m = *app.mainForm;
    m.LevelLbl->SetText(app.menu.level);
    m.NumPlayersLbl->SetText(app.menu.players);
    m.MenuBox->SetVisible(app.menu.shown);
}

void StepLevelUp(App& app) {
    StepWithRepeat(app, app.mainForm->LevelUpRepeat, Up);
}
void StepLevelDown(App& app) {
    StepWithRepeat(app, app.mainForm->LevelDownRepeat, Down);
}

void StartGameCommand(App& app, bool random) {
    Game& g = app.game;
    try {
        app.pf.SetPointer(Pointer::Busy);
        ProcessMessages(app);
        if (random) {
            g.SelectedLevel = g.rng.Random(g.LevelCount);
        } else {
            g.SelectedLevel = StrToInt(app.menu.level);
        }
        g.RandomMode = random;
    } catch (const Failure& f) {
        ShowException(app, f.text);
        app.pf.SetPointer(Pointer::Normal);
        return;
    }
    StartGame(app);
}

void TogglePlayers(App& app) {
    app.menu.players = app.menu.players == "1" ? "2" : "1";
    ShowMenuState(app);
}

void OpenOptions(App& app) {
    ShowForm(app, *app.optionsForm);
    HideForm(app, *app.mainForm);
}

void OpenScores(App& app) {
    OpenHighScores(app, *app.hscoreForm, *app.mainForm);
}

void OpenHelp(App& app) {
    app.helpForm->CopyTilePictures(
        [&app](std::string_view code) { return app.tiles.ForCode(code); });
    ShowForm(app, *app.helpForm);
    HideForm(app, *app.mainForm);
}

void QuitCommand(App& app) {
    if (Confirm(app, "Quit to system?")) ShutDown(app);
}

}  // namespace murk
