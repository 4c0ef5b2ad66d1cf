// Walks over a level's squares and over the squares where players cross from room to room.
#pragma once

#include <string>

#include "base/tiles.h"
#include "levelcheck/report.h"
#include "levelcheck/tileclass.h"
#include "levelsource/levelfile.h"

namespace murk {

// Calls f(roomCol, roomRow, col, row, code) for every square of the level.
template <typename F>
void ForEachSquare(const LevelFile& level, F f) {
    for (int rr = 1; rr <= level.RoomsDown(); ++rr)
        for (int rc = 1; rc <= level.RoomsAcross(); ++rc)
            for (int row = 1; row <= kRoomRows; ++row)
                for (int col = 1; col <= kRoomCols; ++col)
                    f(rc, rr, col, row, level.At(rc, rr, col, row));
}

// The square players arrive on when they leave square `from` over its room's edge by step `s`
// (straight): in the room beyond, on its facing edge.
inline Where AcrossEdge(const Where& from, Step s) {
    return {from.roomCol + s.dc, from.roomRow + s.dr, s.dc ? kRoomCols + 1 - from.col : from.col,
            s.dr ? kRoomRows + 1 - from.row : from.row};
}

// Calls f(from, to) for every edge square `from` that players can leave a room by and the
// square `to` of the next room they arrive on: neither is a lasting wall nor a room's corner.
// Every crossing is met once from each side.
template <typename F>
void ForEachCrossing(const LevelFile& level, F f) {
    constexpr Step kStraight[] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    for (int rr = 1; rr <= level.RoomsDown(); ++rr)
        for (int rc = 1; rc <= level.RoomsAcross(); ++rc)
            for (const Step s : kStraight) {
                if (!level.HasRoom(rc + s.dc, rr + s.dr)) continue;
                const int length = s.dc ? kRoomRows : kRoomCols;
                for (int i = 2; i < length; ++i) {
                    const Where from{rc, rr, s.dc ? (s.dc > 0 ? kRoomCols : 1) : i,
                                     s.dr ? (s.dr > 0 ? kRoomRows : 1) : i};
                    const Where to = AcrossEdge(from, s);
                    if (IsLastingWall(level.At(from.roomCol, from.roomRow, from.col, from.row)) ||
                        IsLastingWall(level.At(to.roomCol, to.roomRow, to.col, to.row)))
                        continue;
                    f(from, to);
                }
            }
}

}  // namespace murk
