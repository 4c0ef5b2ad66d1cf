// Creature movement: chasers step toward the nearest player, frogs and random producers wander.
#pragma once

#include <string_view>

#include "world/moves.h"

namespace murk {

class Host;
struct Game;

// The nearest entry of the target list by column plus row distance (ties go to the later
// entry); the square itself when the list is empty.
Square NearestTarget(const Game& g, Square from);

// A chaser's one move toward `target`: the first strictly nearer enemy-open square of the 3 x 3
// block, carried on through enemy-passable walls. `from` itself when nothing is nearer or the
// way through a wall does not get out of it.
Square ChaseStep(const Game& g, Square target, Square from);

// Where a wanderer stepping from `from` in `dir` onto the enemy-passable wall `wall` ends: the
// first square past the run of walls when it is floor or a player, otherwise `from`.
Square WallCrossing(const Game& g, int dir, Square from, Square wall);

// The wander of a frog or random producer with snapshot code `code` at `at`.
void Wander(Game& g, Host& host, Square at, std::string_view code);

}  // namespace murk
