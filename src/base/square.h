// Squares of the room and the eight directions, as every moving rule counts them.
#pragma once

#include <array>

#include "base/tiles.h"

namespace murk {

struct Square {
    int col = 0, row = 0;
    bool operator==(const Square&) const = default;
};

// The eight directions, clockwise from north, as players, bullets and every moving rule count
// them (a player's held direction stores these numbers); 0 is "none".
namespace dir {
inline constexpr int None = 0;
inline constexpr int North = 1;
inline constexpr int NorthEast = 2;
inline constexpr int East = 3;
inline constexpr int SouthEast = 4;
inline constexpr int South = 5;
inline constexpr int SouthWest = 6;
inline constexpr int West = 7;
inline constexpr int NorthWest = 8;
}  // namespace dir

// Column and row change of each direction, indexed by it; entry 0 is "none".
inline constexpr std::array<Square, 9> kDirectionSteps = {
    {{0, 0}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}}};

inline bool IsDirection(int d) {
    return d >= dir::North && d <= dir::NorthWest;
}

// The square `times` steps from `s` in direction `dir`; a non-direction stays put.
inline Square Step(Square s, int dir, int times = 1) {
    if (!IsDirection(dir)) return s;
    const Square d = kDirectionSteps[static_cast<size_t>(dir)];
    return {s.col + d.col * times, s.row + d.row * times};
}

// Inside the playfield: column 1..kRoomCols, row 1..kRoomRows.
inline bool InPlayfield(Square s) {
    return s.col >= 1 && s.col <= kRoomCols && s.row >= 1 && s.row <= kRoomRows;
}

}  // namespace murk
