// Start-up sequence, first paint and shut-down.
#include "shell/startup.h"

#include "base/safefile.h"
#include "level/levels.h"
#include "options/optionsfile.h"
#include "options/optionsform.h"
#include "options/padsfile.h"
#include "options/padsform.h"
#include "scores/table.h"
#include "shell/app.h"
#include "shell/editscreen.h"
#include "shell/gameloop.h"
#include "shell/levelfiles.h"
#include "shell/mainform.h"
#include "shell/menuscreen.h"
#include "shell/playerfolder.h"
#include "shell/playscreen.h"
#include "shell/screens.h"
#include "shell/tilestore.h"
#include "sound/soundbank.h"

namespace murk {

std::string ProgramDirectory(const std::string& cwd) {
    if (cwd.empty() || cwd.back() == '/') return cwd;
    return cwd + "/";
}

namespace {

// The main window's close button: the program ends, but a game that has just ended still owes
// its players their places in the table. Closing during the wait before the table enters them
// under their offered names, as closing the name dialog does.
void CloseProgram(App& app) {
    const bool resultsOwed = app.GameOverTimer.interval > 0;
    ShutDown(app);
    if (resultsOwed) GameOverTimerTimer(app);
}

void CreateWindows(App& app) {
    app.mainForm = std::make_unique<TMainForm>(app, app.menu);
    app.mainForm->onPaint = [&app] { MainFormPaint(app); };
    app.optionsForm = std::make_unique<TOptionsForm>(app, app.options, *app.mainForm);
    app.padsForm = std::make_unique<TPadsForm>(app, app.pads);
    app.optionsForm->onOpenPads = [&app] {
        app.padsForm->saves = app.useOptionsFile;
        app.padsForm->Open();
    };
    app.hscoreForm = std::make_unique<THScoreForm>(app, *app.mainForm);
    app.nameForm = std::make_unique<TNameForm>(app);
    app.helpForm = std::make_unique<THelpForm>(app, *app.mainForm);
    app.menuScreen = std::make_unique<MenuScreen>(app);
    app.playScreen = std::make_unique<PlayScreen>(app);
    app.editScreen = std::make_unique<EditScreen>(app);
    app.mainForm->screen = app.menuScreen.get();
    app.onClose = [&app] {
        if (static_cast<EditScreen&>(*app.editScreen).MayQuit()) CloseProgram(app);
    };
    app.onFocus = [&app](bool focused) { PlayFocusChanged(app, focused); };
    app.WarpTimer.onTimer = [&app] { WarpTimerTimer(app); };
    app.GameOverTimer.onTimer = [&app] { GameOverTimerTimer(app); };
}

// Asks for 1024 x 768 when the display runs at anything else; false when the user declines.
bool SettleDisplayMode(App& app) {
    app.pf.DisplaySize(app.SavedScreenWidth, app.SavedScreenHeight);
    if (app.SavedScreenWidth == 1024 && app.SavedScreenHeight == 768) {
        app.ModeAccepted = true;
        app.pf.SetPointer(Pointer::Normal);
        return true;
    }
    if (!Confirm(app, kResolutionQuestion, true)) {
        ShutDown(app);
        return false;
    }
    app.pf.SetDisplayMode(1024, 768);  // a refused switch is not reported
    app.ModeAccepted = true;
    app.pf.SetPointer(Pointer::Normal);
    return true;
}

// Reads Options.dat over the options and shows them in the options window.
void LoadOptionsFile(App& app) {
    if (!app.useOptionsFile) return;
    ReadOptions(app, app.options);
    app.optionsForm->ShowOptions();
}

}  // namespace

bool Startup(App& app) {
    CreateWindows(app);
    app.game.rng.Seed(app.pf.RandomSeed());
    app.pf.SetPointer(Pointer::Busy);
    app.DirLbl = ProgramDirectory(app.pf.CurrentDirectory());
    app.DataDir = ProgramDirectory(app.pf.DataDirectory());
    // An installed game reads its data from one folder and keeps the player's files in another.
    if (app.DataDir != app.DirLbl) {
        const std::string problem = SetUpPlayerFolder(app.pf, app.DirLbl, app.DataDir);
        if (!problem.empty()) {
            ShowError(app, problem);
            ShutDown(app);
            return false;
        }
    }
    // A save cut short by a kill leaves its temporary file; the file itself is whole.
    app.pf.RemoveStaleSaves(app.DirLbl + kOptionsFile);
    app.pf.RemoveStaleSaves(app.DirLbl + kHighScoresFile);
    app.pf.RemoveStaleSaves(app.DirLbl + kPadsFile);
    std::string error;
    if (!LoadTileImages(app.pf, app.DataDir, app.tiles, error)) {
        ShowException(app, error);
        ShowError(app,
                  "Error loading objects. Please make sure the objects directory exists and "
                  "that it is in the same directory as this program.");
        ShutDown(app);
        return false;
    }
    ProcessMessages(app);
    LoadSounds(app, app.sound);
    ProcessMessages(app);
    app.play.LevelCount = CountLevels(app);
    if (app.terminated) return false;
    if (app.play.LevelCount == 0) {
        ShowError(app,
                  "Error loading levels (no levels found). Please make sure the Levels directory "
                  "exists and that it is in the same directory as this program.");
        ShutDown(app);
        return false;
    }
    app.mainForm->AssignMenuPictures();
    if (!SettleDisplayMode(app)) return false;
    LoadOptionsFile(app);  // the options window reads its file when it is created
    if (app.useOptionsFile && !app.terminated) ReadPads(app, app.pads);
    return !app.terminated;
}

int RunProgram(App& app) {
    if (!Startup(app)) return 0;
    app.pf.ShowWindow();
    ShowForm(app, *app.mainForm);
    if (app.editAtStart >= 0) static_cast<void>(OpenEditor(app, app.editAtStart));
    while (!app.terminated) {
        ProcessMessages(app);
        if (!app.terminated) WaitForMessages(app, "the program waits for input");
    }
    return 0;
}

void MainFormPaint(App& app) {
    if (app.PaintCount == 1) {
        LoadOptionsFile(app);
        if (app.sound.soundOn) {
            if (app.options.sound == "Off") app.sound.soundOn = false;
        } else {
            app.optionsForm->LockSoundOff();
        }
        PlayOpeningSong(app, app.sound);
    }
    ++app.PaintCount;
    if (!app.game.GameStopped) app.DrawRoom();
    if (app.mainForm->screen) app.mainForm->screen->Paint();
}

}  // namespace murk
