// Squares of the room and the eight directions, as every moving rule counts them.
#pragma once

#include <array>

namespace murk {

struct Square {
    int col = 0, row = 0;
    bool operator==(const Square&) const = default;
};

// Column and row change of directions 1..8, clockwise from north; entry 0 is "none".
inline constexpr std::array<Square, 9> kDirectionSteps = {
    {{0, 0}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}}};

inline bool IsDirection(int dir) { return dir >= 1 && dir <= 8; }

// The square `times` steps from `s` in direction `dir`; a non-direction stays put.
inline Square Step(Square s, int dir, int times = 1) {
    if (!IsDirection(dir)) return s;
    const Square d = kDirectionSteps[static_cast<size_t>(dir)];
    return {s.col + d.col * times, s.row + d.row * times};
}

// Inside the playfield: column 1..30, row 1..19.
inline bool InPlayfield(Square s) { return s.col >= 1 && s.col <= 30 && s.row >= 1 && s.row <= 19; }

}  // namespace murk
