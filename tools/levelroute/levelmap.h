// The whole level as one field of squares, rooms side by side as in the level, for planning.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/square.h"
#include "base/tiles.h"

namespace murk {
struct Game;
}

namespace murk::route {

// A square of the whole level: room (rc, rr) square (c, r) is at ((rc-1)*30 + c, (rr-1)*19 + r).
using Spot = Square;

struct RoomSquare {
    int roomCol = 0, roomRow = 0;
    Square sq;
};

class LevelMap {
public:
    // The current room is read live from RoomGrid, every other room from its packed text.
    explicit LevelMap(const Game& g);

    int Width() const { return roomsAcross_ * kRoomCols; }
    int Height() const { return roomsDown_ * kRoomRows; }
    bool Inside(Spot s) const {
        return s.col >= 1 && s.row >= 1 && s.col <= Width() && s.row <= Height();
    }
    // The tile code there; "" outside the level or in a room that failed to unpack.
    const std::string& Cell(Spot s) const;

    static Spot ToSpot(int roomCol, int roomRow, Square sq) {
        return {(roomCol - 1) * kRoomCols + sq.col, (roomRow - 1) * kRoomRows + sq.row};
    }
    static RoomSquare ToRoom(Spot s) {
        return {(s.col - 1) / kRoomCols + 1,
                (s.row - 1) / kRoomRows + 1,
                {(s.col - 1) % kRoomCols + 1, (s.row - 1) % kRoomRows + 1}};
    }
    static bool SameRoom(Spot a, Spot b) {
        const RoomSquare x = ToRoom(a), y = ToRoom(b);
        return x.roomCol == y.roomCol && x.roomRow == y.roomRow;
    }

    // Every square holding `code` in the level.
    std::vector<Spot> Find(std::string_view code) const;

private:
    int roomsAcross_ = 0, roomsDown_ = 0;
    std::vector<std::string> cells_;  // row-major over the whole level
};

}  // namespace murk::route
