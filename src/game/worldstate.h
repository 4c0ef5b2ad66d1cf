// The world tick's own state: the four clocks and the chase target list.
#pragma once

#include <array>
#include <cstdint>

namespace murk {

// 64-bit counts: at a tick a millisecond they would run for half a billion years, so the
// rules' phases (every 4th, 16th, 64th tick) hold for the life of any program.
struct WorldClocks {
    uint64_t tick = 1;  // never reset: periodic rules keep their phase from game to game
    uint64_t laser2 = 1;
    uint64_t laser3 = 1;
    uint64_t laser4 = 1;
};

struct Target {
    int16_t col = 0, row = 0;
};

struct TargetList {
    std::array<Target, 600> items{};  // more than a room's squares plus both players
    int count = 0;
};

struct WorldState {
    WorldClocks clocks;
    TargetList targets;
};

}  // namespace murk
