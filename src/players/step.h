// The player step: both players walk, pick up and meet fields, once every fourth tick.
#pragma once

namespace murk {

class Host;
struct Game;
struct Footing;

// Lets messages through before each player; stops when `pass` no longer stands.
void PlayerStep(Game& g, Host& host, Footing pass);

// A square a player may step onto (floor, items, doors, fields, beams, young pig producers),
// but not a bomb that a player holds.
bool IsPlayerPassable(const Game& g, int col, int row);

}  // namespace murk
