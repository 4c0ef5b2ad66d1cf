// A level as the tools see it: read from a source (compiled on the fly) or a compiled level file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/gridfile.h"
#include "base/stringgrid.h"
#include "levelsource/levelsource.h"

namespace murk {

struct LevelFile {
    std::string name;  // the file name without its folder, e.g. "Level003.lvl"
    StringGrid grid;   // as the game loads it: title in (1, 0), room (C, R) in cell (C, R)
    GridHeader header{};
    std::vector<std::string> errors;  // why it could not be read; empty when it was

    bool Ok() const { return errors.empty(); }
    int RoomsAcross() const { return grid.ColCount() - 1; }
    int RoomsDown() const { return grid.RowCount() - 1; }
    bool HasRoom(int roomCol, int roomRow) const {
        return roomCol >= 1 && roomRow >= 1 && roomCol <= RoomsAcross() && roomRow <= RoomsDown();
    }
    // The tile code on square (col 1..30, row 1..19) of a room; empty where the room text is
    // short or the room does not exist. A view into the grid: the checks read every square.
    std::string_view At(int roomCol, int roomRow, int col, int row) const;
};

// A ".lvl" path is compiled and passed through the level file text, exactly as levelc writes it
// and the game reads it; any other path is read as a compiled level file.
LevelFile ReadLevelFile(const std::string& path);

// The same for source text already in memory.
LevelFile LevelFromSource(const std::string& text, const std::string& name);

}  // namespace murk
