// What the editor's operations ask of a square and a tile.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/tiles.h"

namespace murk::editsquares {

// A square of a room: column 1..30, row 1..19.
inline bool OnRoom(int col, int row) {
    return col >= 1 && col <= kRoomCols && row >= 1 && row <= kRoomRows;
}

// Either player's tile: the editor moves them, never covers them.
inline bool IsPlayer(std::string_view code) {
    return code == code::Player1 || code == code::Player2;
}

// Where square (col, row) starts in a packed room.
inline size_t Offset(int col, int row) {
    return static_cast<size_t>(((row - 1) * kRoomCols + col - 1) * 3);
}

}  // namespace murk::editsquares
