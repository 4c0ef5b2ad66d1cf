// Game: the whole state of play as plain data, owned by the application and passed explicitly.
#pragma once

#include <array>
#include <cstdint>
#include <random>

#include "base/stringgrid.h"
#include "base/tiles.h"
#include "game/player.h"
#include "game/worldstate.h"

namespace murk {

// The game's one pseudo-random generator.
class Rng {
public:
    void Seed(uint32_t s) { gen_.seed(s); }
    // Uniform-ish in 0..n-1 (next value modulo n); 0 when n is 0 or less.
    int Random(int n) { return n <= 0 ? 0 : static_cast<int>(gen_() % static_cast<uint32_t>(n)); }

private:
    std::mt19937 gen_{1};
};

struct Game {
    StringGrid LevelGrid;
    StringGrid RoomGrid{kRoomCols + 1, kRoomRows + 1};
    StringGrid BufferGrid{kRoomCols + 1, kRoomRows + 1};
    StringGrid Buffer2Grid{kRoomCols + 1, kRoomRows + 1};
    std::array<Player, 2> players;  // players[0] is player 1 (code::Player1), players[1] player 2

    int PlayerCount = 0;
    bool GameStopped = true;

    uint32_t LevelSerial = 0;  // counts level loads: work that lets messages through checks it
    int StartRoomCol = 0, StartRoomRow = 0;
    int CurrentRoomCol = 0, CurrentRoomRow = 0;

    WorldState world;
    Rng rng;

    Player& P1() { return players[0]; }
    Player& P2() { return players[1]; }
};

}  // namespace murk
