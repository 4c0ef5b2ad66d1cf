// Shortest ways across the level for a player: walking, doors, fields, and shooting through.
#pragma once

#include <vector>

#include "levelmap.h"

namespace murk::route {

// How the route treats a tile standing in the way.
enum class Way { Walk, Door, Transport, Slide, Shoot, Block };

struct TileWay {
    Way way = Way::Block;
    int hits = 0;  // bullets it takes to clear, for Shoot
    int cost = 1;  // planning cost of passing it
};

TileWay HowToPass(const std::string& code);

// A creature, producer or star that the player may shoot on sight (never pigs, adult pig
// producers, horse producers, fire-dart producers, bombs or hearts).
bool ShootOnSight(const std::string& code);

struct Move {
    int dir = 0;         // 1..8
    bool shoot = false;  // the square in that direction must be shot clear first
    Spot to;             // where the player stands after the move (transport and slide followed)
};

struct PathResult {
    bool found = false;
    int cost = 0;
    std::vector<Move> moves;  // from the start to the goal
};

// Cheapest way from `from` to any of `goals` for a player carrying `keys` keys. A room is left
// only by a straight move off its edge. `yielding` is a square whose occupant (the partner) will
// step aside: passable at a price.
PathResult FindPath(const LevelMap& map, Spot from, const std::vector<Spot>& goals, int keys,
                    Spot yielding = {});

}  // namespace murk::route
