// Reading level files.
#include "level/levels.h"

#include <cstdio>

#include "base/gridfile.h"
#include "game/state.h"

namespace murk {

std::string LevelFileName(const std::string& dir, int level) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", level);
    return dir + kLevelsFolder + "Level" + number + ".dat";
}

namespace {

constexpr const char* kDamaged =
    "Error loading level. Please make sure the file exists and has not been corrupted.";

bool InRange(int v, int low, int high) {
    return v >= low && v <= high;
}

// The start room is one of the level's rooms and both start squares lie inside a room: a file
// that says otherwise is damaged, however well its cells read.
bool StartFitsLevel(const GridHeader& h, const StringGrid& level) {
    return InRange(h[0], 1, kRoomCols) && InRange(h[1], 1, kRoomRows) &&
           InRange(h[2], 1, kRoomCols) && InRange(h[3], 1, kRoomRows) &&
           InRange(h[9], 1, level.ColCount() - 1) && InRange(h[10], 1, level.RowCount() - 1);
}

// Empties LevelGrid, as every load does first.
void ClearLevel(Game& g) {
    ++g.LevelSerial;
    for (int r = 1; r < g.LevelGrid.RowCount(); ++r)
        for (int c = 0; c < g.LevelGrid.ColCount(); ++c) g.LevelGrid.SetCell(c, r, "");
    g.LevelGrid.SetRowCount(2);
}

// The start squares and the start room of a level just put into LevelGrid.
void TakeStart(Game& g, const GridHeader& header) {
    g.P1().startCol = header[0];
    g.P1().startRow = header[1];
    g.P2().startCol = header[2];
    g.P2().startRow = header[3];
    g.StartRoomCol = header[9];
    g.StartRoomRow = header[10];
}

}  // namespace

std::string ReadLevelGrid(const std::string& path, StringGrid& grid, GridHeader& header,
                          const std::function<void()>& pump) {
    std::string text;
    const FileReadResult read = ReadWholeFile(path, kMaxGridFileBytes, text);
    return LevelGridFromRead(read, text, grid, header, pump);
}

std::string LevelGridFromRead(FileReadResult fileRead, const std::string& text, StringGrid& grid,
                              GridHeader& header, const std::function<void()>& pump) {
    GridHeader read{};
    StringGrid loaded = grid;
    GridReadResult result = GridFromRead(fileRead, text, loaded, read, pump);
    if (result == GridReadResult::Read && !StartFitsLevel(read, loaded))
        result = GridReadResult::Damaged;
    switch (result) {
        case GridReadResult::Read:
            break;
        case GridReadResult::WrongVersion:
            return "Invalid file format. File not opened.";
        case GridReadResult::CannotOpen:
        case GridReadResult::Damaged:
            return kDamaged;
    }
    grid = std::move(loaded);
    header = read;
    return "";
}

LevelLoad ReadLevel(Game& g, int level, FileReadResult read, const std::string& text,
                    const std::function<void()>& pump) {
    ClearLevel(g);
    GridHeader header{};
    if (std::string error = LevelGridFromRead(read, text, g.LevelGrid, header, pump);
        !error.empty())
        return {false, "", std::move(error)};
    TakeStart(g, header);
    return {true, "Level " + std::to_string(level) + " - " + g.LevelGrid.Cell(1, 0), ""};
}

LevelLoad PutLevel(Game& g, const StringGrid& grid, const GridHeader& header, std::string shown) {
    ClearLevel(g);
    if (!StartFitsLevel(header, grid)) return {false, "", kDamaged};
    g.LevelGrid = grid;
    TakeStart(g, header);
    return {true, std::move(shown), ""};
}

}  // namespace murk
