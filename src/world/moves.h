// Directions, the playfield, chances and the leaving and arriving rules every moving thing shares.
#pragma once

#include <string_view>

#include "base/square.h"
#include "game/host.h"

namespace murk {

struct Game;

// One of the eight directions, equally likely (one draw). Inline: the chase draws one per mover.
inline int RandomDirection(Host& host) {
    return dir::North + host.Random(8);
}

// One draw below n that hits `hit`: the "1 in n" chances of the world's rules.
bool Chance(Host& host, int n, int hit = 1);

// The live RoomGrid code on a square ("" outside the grid).
std::string_view LiveCode(const Game& g, Square s);

// Leaving a square: floor, but only while the live cell still holds the mover's own code, so a
// thing that took the square meanwhile is left alone.
void LeaveSquare(Game& g, Host& host, Square s, std::string_view code);

// Arriving on a square: the mover's code is written and drawn.
void ArriveAt(Game& g, Host& host, Square s, std::string_view code);

}  // namespace murk
