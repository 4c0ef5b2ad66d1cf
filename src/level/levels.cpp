// Counting and loading level files.
#include "level/levels.h"

#include <cstdio>

#include "base/gridfile.h"
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

namespace {

bool InRange(int v, int low, int high) { return v >= low && v <= high; }

// The start room is one of the level's rooms and both start squares lie inside a room: a file
// that says otherwise is damaged, however well its cells read.
bool StartFitsLevel(const GridHeader& h, const StringGrid& level) {
    return InRange(h[0], 1, kRoomCols) && InRange(h[1], 1, kRoomRows) &&
           InRange(h[2], 1, kRoomCols) && InRange(h[3], 1, kRoomRows) &&
           InRange(h[9], 1, level.ColCount() - 1) && InRange(h[10], 1, level.RowCount() - 1);
}

}  // namespace

int LoadLevel(App& app, int level) {
    Game& g = app.game;
    ++g.LevelSerial;
    for (int r = 1; r < g.LevelGrid.RowCount(); ++r)
        for (int c = 0; c < g.LevelGrid.ColCount(); ++c) g.LevelGrid.SetCell(c, r, "");
    g.LevelGrid.SetRowCount(2);

    GridHeader header{};
    StringGrid loaded = g.LevelGrid;
    GridReadResult result = ReadGridFile(LevelFileName(app.DirLbl, level), loaded, header,
                                         [&app] { ProcessMessages(app); });
    if (result == GridReadResult::Read && !StartFitsLevel(header, loaded))
        result = GridReadResult::Damaged;
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
    g.LevelGrid = std::move(loaded);
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
