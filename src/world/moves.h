// Directions, the playfield, chances and the leaving and arriving rules every moving thing shares.
#pragma once

#include <array>
#include <string_view>

namespace murk {

struct App;
struct Game;

struct Pos {
    int col = 0, row = 0;
    bool operator==(const Pos&) const = default;
};

// Column and row change of directions 1..8, clockwise from north; entry 0 is "none".
inline constexpr std::array<Pos, 9> kDirSteps = {
    {{0, 0}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}}};

inline Pos Moved(Pos s, int dir, int times = 1) {
    const Pos d = kDirSteps[static_cast<size_t>(dir)];
    return {s.col + d.col * times, s.row + d.row * times};
}

bool InPlayfield(Pos s);

// One draw below n that hits `hit`: the "1 in n" chances of the world's rules.
bool Chance(Game& g, int n, int hit = 1);

// The live RoomGrid code on a square ("" outside the grid).
std::string_view LiveCode(const Game& g, Pos s);


// Leaving a square: floor, but only while the live cell still holds the mover's own code, so a
// thing that took the square meanwhile is left alone.
void LeaveSquare(App& app, Pos s, std::string_view code);

// Arriving on a square: the mover's code is written and drawn.
void ArriveAt(App& app, Pos s, std::string_view code);

}  // namespace murk
