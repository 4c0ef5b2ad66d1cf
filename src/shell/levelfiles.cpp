// The program's level files: counting them at start-up, loading one for play.
#include "shell/levelfiles.h"

#include "level/levels.h"
#include "shell/app.h"
#include "shell/mainform.h"

namespace murk {

int CountLevels(App& app) {
    int n = 0;
    while (!app.terminated && app.pf.FileExists(LevelFileName(app.DirLbl, n))) {
        ProcessMessages(app);
        ++n;
    }
    return n;
}

bool LoadLevel(App& app, int level) {
    std::string text;
    const FileReadResult read =
        app.pf.ReadGameFile(LevelFileName(app.DirLbl, level), kMaxGridFileBytes, text);
    const LevelLoad load = ReadLevel(app.game, level, read, text, [&app] { ProcessMessages(app); });
    if (!load.loaded) {
        ShowError(app, load.error);
        return false;
    }
    app.levelTitle = load.title;
    if (app.mainForm) app.mainForm->LevelTitleLbl->SetText(app.levelTitle);
    return true;
}

}  // namespace murk
