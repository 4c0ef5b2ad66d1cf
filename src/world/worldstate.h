// The world tick's own state: the four clocks and the chase target list.
#pragma once

#include <array>
#include <cstdint>

namespace murk {

struct WorldClocks {
    int tick = 1;  // never reset: periodic rules keep their phase from game to game
    int laser2 = 1;
    int laser3 = 1;
    int laser4 = 1;
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
