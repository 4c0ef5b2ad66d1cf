// Unpacking, packing and copying rooms.
#include "level/room.h"

#include "shell/app.h"

namespace murk {

bool UnpackRoomString(const std::string& packed, StringGrid& target, std::string& error) {
    target.Resize(31, 20);
    for (int r = 0; r <= 19; ++r)
        for (int c = 0; c <= 30; ++c) target.SetCell(c, r, "");
    size_t p = 0;
    for (int r = 1; r <= 19; ++r)
        for (int c = 1; c <= 30; ++c, p += 3) {
            if (p + 3 > packed.size()) {
                error = "Room string too short: square (" + std::to_string(c) + ", " +
                        std::to_string(r) + ") is missing (" + std::to_string(packed.size()) +
                        " of " + std::to_string(kPackedRoomLength) + " characters).";
                return false;
            }
            target.SetCell(c, r, packed.substr(p, 3));
        }
    return true;
}

std::string PackRoomString(const StringGrid& source) {
    std::string packed;
    packed.reserve(kPackedRoomLength);
    for (int r = 1; r < source.RowCount(); ++r)
        for (int c = 1; c < source.ColCount(); ++c) packed += source.Cell(c, r);
    return packed;
}

int UnpackRoom(App& app, int col, int row, StringGrid& target) {
    std::string error;
    if (UnpackRoomString(app.game.LevelGrid.Cell(col, row), target, error)) return 0;
    ShowException(app, error);
    return 1;
}

int EnterRoom(App& app, int col, int row) {
    app.game.CurrentRoomCol = col;
    app.game.CurrentRoomRow = row;
    return UnpackRoom(app, col, row, app.game.RoomGrid);
}

void PackRoom(Game& g, int col, int row, const StringGrid& source) {
    g.LevelGrid.SetCell(col, row, PackRoomString(source));
}

void CopyRoomToBuffer(Game& g) {
    g.BufferGrid.Resize(g.RoomGrid.ColCount(), g.RoomGrid.RowCount());
    for (int r = 1; r <= 19; ++r)
        for (int c = 1; c <= 30; ++c) g.BufferGrid.SetCell(c, r, g.RoomGrid.Cell(c, r));
}

bool IsOffRoom(const Game& g, int col, int row) {
    return col < 1 || col > g.RoomGrid.ColCount() - 1 || row < 1 ||
           row > g.RoomGrid.RowCount() - 1;
}

}  // namespace murk
