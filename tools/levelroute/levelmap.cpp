// The level as one field: the live room and the packed texts of the others.
#include "levelmap.h"

#include "base/roompack.h"
#include "game/state.h"

namespace murk::route {

LevelMap::LevelMap(const Game& g)
    : roomsAcross_(std::max(0, g.LevelGrid.ColCount() - 1)),
      roomsDown_(std::max(0, g.LevelGrid.RowCount() - 1)) {
    cells_.assign(static_cast<size_t>(Width() * Height()), "");
    StringGrid room;
    std::string error;
    for (int rr = 1; rr <= roomsDown_; ++rr) {
        for (int rc = 1; rc <= roomsAcross_; ++rc) {
            const bool live = rc == g.CurrentRoomCol && rr == g.CurrentRoomRow;
            // A damaged room maps as far as it reads; the rest is empty and blocks the route.
            if (!live) static_cast<void>(UnpackRoomString(g.LevelGrid.Cell(rc, rr), room, error));
            const StringGrid& src = live ? g.RoomGrid : room;
            for (int r = 1; r <= kRoomRows; ++r)
                for (int c = 1; c <= kRoomCols; ++c) {
                    const Spot s = ToSpot(rc, rr, {c, r});
                    cells_[static_cast<size_t>((s.row - 1) * Width() + s.col - 1)] = src.Cell(c, r);
                }
        }
    }
}

const std::string& LevelMap::Cell(Spot s) const {
    static const std::string kNone;
    if (!Inside(s)) return kNone;
    return cells_[static_cast<size_t>((s.row - 1) * Width() + s.col - 1)];
}

std::vector<Spot> LevelMap::Find(std::string_view code) const {
    std::vector<Spot> found;
    for (int row = 1; row <= Height(); ++row)
        for (int col = 1; col <= Width(); ++col)
            if (Cell({col, row}) == code) found.push_back({col, row});
    return found;
}

}  // namespace murk::route
