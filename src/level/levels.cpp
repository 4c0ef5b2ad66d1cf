// Counting and loading level files.
#include "level/levels.h"

#include <cstdio>

#include "level/gridfile.h"
#include "shell/app.h"
#include "shell/mainform.h"

namespace murk {

std::string LevelFileName(const std::string& dir, int level) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", level);
    return dir + kLevelsFolder + "Level" + number + ".dat";
}

int CountLevels(App& app) {
    int n = 0;
    while (!app.terminated && app.pf.FileExists(LevelFileName(app.DirLbl, n))) {
        ProcessMessages(app);
        ++n;
    }
    return n;
}

int LoadLevel(App& app, int level) {
    Game& g = app.game;
    ++g.LevelSerial;
    for (int r = 1; r < g.LevelGrid.RowCount(); ++r)
        for (int c = 0; c < g.LevelGrid.ColCount(); ++c) g.LevelGrid.SetCell(c, r, "");
    g.LevelGrid.SetRowCount(2);

    GridHeader header{};
    const GridReadResult result = ReadGridFile(LevelFileName(app.DirLbl, level), g.LevelGrid,
                                               header, [&app] { ProcessMessages(app); });
    switch (result) {
        case GridReadResult::Read: break;
        case GridReadResult::WrongVersion:
            ShowError(app, "Invalid file format. File not opened.");
            return 1;
        case GridReadResult::CannotOpen:
        case GridReadResult::Damaged:
            ShowError(app,
                      "Error loading level. Please make sure the file exists and has not been "
                      "corrupted.");
            return 1;
    }
    g.P1().startCol = header[0];
    g.P1().startRow = header[1];
    g.P2().startCol = header[2];
    g.P2().startRow = header[3];
    g.StartRoomCol = header[9];
    g.StartRoomRow = header[10];
    if (app.mainForm)
        app.mainForm->LevelTitleLbl->SetText("Level " + std::to_string(level) + " - " +
                                             g.LevelGrid.Cell(1, 0));
    return 0;
}

}  // namespace murk
