// Unpacking, packing and copying rooms.
#include "level/room.h"

#include "game/host.h"

namespace murk {

bool UnpackRoom(Game& g, Host& host, int col, int row, StringGrid& target) {
    std::string error;
    if (UnpackRoomString(g.LevelGrid.Cell(col, row), target, error)) return true;
    host.ShowException(error);
    return false;
}

bool EnterRoom(Game& g, Host& host, int col, int row) {
    g.CurrentRoomCol = col;
    g.CurrentRoomRow = row;
    return UnpackRoom(g, host, col, row, g.RoomGrid);
}

void PackRoom(Game& g, int col, int row, const StringGrid& source) {
    g.LevelGrid.SetCell(col, row, PackRoomString(source));
}

void CopyRoomToBuffer(Game& g) {
    g.BufferGrid.Resize(g.RoomGrid.ColCount(), g.RoomGrid.RowCount());
    for (int r = 1; r <= kRoomRows; ++r)
        for (int c = 1; c <= kRoomCols; ++c) g.BufferGrid.SetCell(c, r, g.RoomGrid.Cell(c, r));
}

bool IsOffRoom(const Game& g, int col, int row) {
    return col < 1 || col > g.RoomGrid.ColCount() - 1 || row < 1 || row > g.RoomGrid.RowCount() - 1;
}

}  // namespace murk
