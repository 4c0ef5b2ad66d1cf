// The menu screen: its keys, its buttons and their commands.
#include "shell/menuscreen.h"

#include "options/optionsform.h"
#include "shell/app.h"
#include "shell/editscreen.h"
#include "shell/gameloop.h"
#include "shell/mainform.h"
#include "shell/screens.h"
#include "shell/settings.h"

namespace murk {

namespace {

// One step, then the 210 ms hold-off and the 35 ms repeat while the flag stays set.
void StepWithRepeat(App& app, bool& repeatFlag, int (*next)(int level, int count)) {
    auto step = [&] {
        app.menu.level = std::to_string(next(MenuLevel(app), app.play.LevelCount));
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

MenuScreen::MenuScreen(App& app) : app_(app) {
    TMainForm& m = *app.mainForm;
    m.RandomImage->onClick = [&app] { StartGameCommand(app, true); };
    m.StartImage->onClick = [&app] { StartGameCommand(app, false); };
    m.PlayersImage->onClick = [&app] { TogglePlayers(app); };
    m.OptionsImage->onClick = [&app] { OpenOptions(app); };
    m.ScoresImage->onClick = [&app] { OpenScores(app); };
    m.HelpImage->onClick = [&app] { OpenHelp(app); };
    m.QuitImage->onClick = [&app] { QuitCommand(app); };
    m.LevelDownImage->onMouseDown = [&app](int button) {
        if (button == 1) StepLevelDown(app);
    };
    m.LevelUpImage->onMouseDown = [&app](int button) {
        if (button == 1) StepLevelUp(app);
    };
    m.LevelDownImage->onMouseUp = [&m](int) { m.LevelDownRepeat = false; };
    m.LevelUpImage->onMouseUp = [&m](int) { m.LevelUpRepeat = false; };
}

void MenuScreen::KeyDown(int key) {
    if (key == vk::F5 || key == vk::Down) StepLevelDown(app_);
    if (key == vk::F6 || key == vk::Up) StepLevelUp(app_);
}

void MenuScreen::KeyUp(int key) {
    TMainForm& m = *app_.mainForm;
    switch (key) {
        case vk::F5:
        case vk::Down:
            m.LevelDownRepeat = false;
            break;
        case vk::F6:
        case vk::Up:
            m.LevelUpRepeat = false;
            break;
        case vk::F1:
            StartGameCommand(app_, true);
            break;
        case vk::F2:
            StartGameCommand(app_, false);
            break;
        case vk::F7:
            TogglePlayers(app_);
            break;
        case vk::F9:
            OpenEditorCommand(app_);
            break;
        case vk::F10:
            OpenOptions(app_);
            break;
        case vk::F11:
            OpenScores(app_);
            break;
        case vk::F12:
            OpenHelp(app_);
            break;
        case vk::Escape:
            QuitCommand(app_);
            break;
        default:
            break;
    }
}

int MenuScreen::PadKey(PadControl c, int) const {
    switch (c) {
        case PadControl::Fire:
        case PadControl::Start:
            return vk::F2;
        case PadControl::Select:
            return vk::F7;
        default:
            return WindowPadKey(c);
    }
}

void StepLevelUp(App& app) {
    StepWithRepeat(app, app.mainForm->LevelUpRepeat, Up);
}
void StepLevelDown(App& app) {
    StepWithRepeat(app, app.mainForm->LevelDownRepeat, Down);
}

void StartGameCommand(App& app, bool random) {
    PlayState& play = app.play;
    try {
        app.pf.SetPointer(Pointer::Busy);
        ProcessMessages(app);
        if (random) {
            play.SelectedLevel = app.game.rng.Random(play.LevelCount);
        } else {
            play.SelectedLevel = MenuLevel(app);
        }
        play.RandomMode = random;
    } catch (const Failure& f) {
        ShowException(app, f.text);
        app.pf.SetPointer(Pointer::Normal);
        return;
    }
    StartGame(app);
}

void OpenEditorCommand(App& app) {
    try {
        static_cast<void>(OpenEditor(app, MenuLevel(app)));  // a level it cannot open is named
    } catch (const Failure& f) {
        ShowException(app, f.text);
    }
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
