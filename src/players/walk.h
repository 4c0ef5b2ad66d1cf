// The parts of a player's walk after the direction move: the field underfoot, then the square.
#pragma once

#include "players/board.h"

namespace murk {

class Host;
struct Game;

// A transport run or a slide field under the player carries it on, or puts it back on `old`.
// `dir` is the direction of the walk.
void FollowField(Game& g, Player& p, Square old, int dir);

// What the player has walked onto: pick-ups, doors, the finish, death fields and beams, the
// shield. The player either stays on its square or is put back on `old`.
void MeetSquare(Game& g, Host& host, Player& p, Square old);

}  // namespace murk
