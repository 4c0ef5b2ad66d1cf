// Placing tiles into the stored rooms next to the current one.
#include "world/neighbour.h"

#include <array>
#include <string>

#include "base/tiles.h"
#include "game/host.h"
#include "level/room.h"

namespace murk {

namespace {

// One way out of the room: the squares it applies to, the room it leads to, where it lands.
struct Crossing {
    int col, row;  // the square's column or row that must match; 0 matches any
    int dRoomCol, dRoomRow;
    int toCol, toRow;  // 0 keeps the square's own column or row
};

// Corners first, each into its diagonal room; then the edges, top, right, bottom, left.
constexpr std::array<Crossing, 8> kCrossings = {{
    {1, 1, -1, -1, kRoomCols, kRoomRows},
    {kRoomCols, 1, 1, -1, 1, kRoomRows},
    {kRoomCols, kRoomRows, 1, 1, 1, 1},
    {1, kRoomRows, -1, 1, kRoomCols, 1},
    {0, 1, 0, -1, 0, kRoomRows},
    {kRoomCols, 0, 1, 0, 1, 0},
    {0, kRoomRows, 0, 1, 0, 1},
    {1, 0, -1, 0, kRoomCols, 0},
}};

bool Matches(int want, int have) {
    return want == 0 || want == have;
}

}  // namespace

bool PlaceInRoom(Game& g, int roomCol, int roomRow, std::string_view code, int col, int row) {
    if (roomCol < 1 || roomCol >= g.LevelGrid.ColCount() || roomRow < 1 ||
        roomRow >= g.LevelGrid.RowCount())
        return false;
    std::string error;
    // A damaged stored room is left alone rather than packed back short.
    if (!UnpackRoomString(g.LevelGrid.Cell(roomCol, roomRow), g.Buffer2Grid, error)) return false;
    if (g.Buffer2Grid.Cell(col, row) != code::Floor) return false;
    g.Buffer2Grid.SetCell(col, row, std::string(code));
    PackRoom(g, roomCol, roomRow, g.Buffer2Grid);
    return true;
}

// A corner lies on two edges and next to three rooms. A thing is placed into one room at most,
// the first that takes it (the diagonal room, then the edges' rooms), so that a wanderer never
// turns into several and the answer says truly whether it left.
bool PassToNeighbourRoom(Game& g, int col, int row, std::string_view code) {
    for (const Crossing& c : kCrossings) {
        if (!Matches(c.col, col) || !Matches(c.row, row)) continue;
        if (PlaceInRoom(g, g.CurrentRoomCol + c.dRoomCol, g.CurrentRoomRow + c.dRoomRow, code,
                        c.toCol ? c.toCol : col, c.toRow ? c.toRow : row))
            return true;
    }
    return false;
}

}  // namespace murk
