// The level for a test play from another room than its start room.
#include "editor/teststart.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "base/square.h"
#include "base/tiles.h"
#include "editor/squares.h"
#include "levelsource/levelsource.h"

namespace murk {

namespace {

using editsquares::Offset;
using editsquares::OnRoom;

std::string_view CodeAt(const std::string& room, int col, int row) {
    const size_t at = Offset(col, row);
    return at + 3 <= room.size() ? std::string_view(room).substr(at, 3) : std::string_view();
}

// `wanted` when it holds floor, else the floor square nearest to it (ring by ring, each ring
// from the north-west), never `taken`.
std::optional<Square> FreeSquareNear(const std::string& room, Square wanted,
                                     std::optional<Square> taken) {
    const auto free = [&](int col, int row) {
        return OnRoom(col, row) && CodeAt(room, col, row) == code::Floor &&
               !(taken && taken->col == col && taken->row == row);
    };
    for (int ring = 0; ring < std::max(kRoomCols, kRoomRows); ++ring)
        for (int row = wanted.row - ring; row <= wanted.row + ring; ++row)
            for (int col = wanted.col - ring; col <= wanted.col + ring; ++col)
                if (std::max(std::abs(col - wanted.col), std::abs(row - wanted.row)) == ring &&
                    free(col, row))
                    return Square{col, row};
    return std::nullopt;
}

void Put(std::string& room, Square at, std::string_view code) {
    room.replace(Offset(at.col, at.row), 3, code);
}

}  // namespace

TestStart StartInRoom(const LevelFile& level, int roomCol, int roomRow) {
    TestStart out{level, ""};
    GridHeader& h = out.level.header;
    const int oldCol = h[levelheader::kStartRoomCol], oldRow = h[levelheader::kStartRoomRow];
    if (!level.HasRoom(roomCol, roomRow)) {
        out.problem = "there is no such room in the level";
        return out;
    }
    if (roomCol == oldCol && roomRow == oldRow) return out;
    const Square p1{h[levelheader::kP1Col], h[levelheader::kP1Row]};
    const Square p2{h[levelheader::kP2Col], h[levelheader::kP2Row]};
    std::string start = level.grid.Cell(oldCol, oldRow);
    std::string room = level.grid.Cell(roomCol, roomRow);
    const std::optional<Square> at1 = FreeSquareNear(room, p1, std::nullopt);
    const std::optional<Square> at2 = at1 ? FreeSquareNear(room, p2, at1) : std::nullopt;
    if (!at2) {
        out.problem = "this room has no floor for both players to start on";
        return out;
    }
    if (CodeAt(start, p1.col, p1.row) == code::Player1) Put(start, p1, code::Floor);
    if (CodeAt(start, p2.col, p2.row) == code::Player2) Put(start, p2, code::Floor);
    Put(room, *at1, code::Player1);
    Put(room, *at2, code::Player2);
    out.level.grid.SetCell(oldCol, oldRow, start);
    out.level.grid.SetCell(roomCol, roomRow, room);
    h[levelheader::kStartRoomCol] = roomCol;
    h[levelheader::kStartRoomRow] = roomRow;
    h[levelheader::kP1Col] = at1->col;
    h[levelheader::kP1Row] = at1->row;
    h[levelheader::kP2Col] = at2->col;
    h[levelheader::kP2Row] = at2->row;
    return out;
}

}  // namespace murk
