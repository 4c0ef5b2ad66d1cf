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
    const TestLevel* test = app.play.test ? &*app.play.test : nullptr;
    std::string text;
    const FileReadResult read =
        test ? FileReadResult::Read
             : app.pf.ReadGameFile(LevelFileName(app.DirLbl, level), kMaxGridFileBytes, text);
    const LevelLoad load =
        test ? PutLevel(app.game, test->grid, test->header, test->shown)
             : ReadLevel(app.game, level, read, text, [&app] { ProcessMessages(app); });
    if (!load.loaded) {
        ShowError(app, load.error);
        return false;
    }
    app.levelTitle = load.title;
    if (app.mainForm) app.mainForm->LevelTitleLbl->SetText(app.levelTitle);
    return true;
}

}  // namespace murk
