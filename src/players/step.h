// The player step: both players walk, pick up and meet fields, once every fourth tick.
#pragma once

namespace murk {

struct App;
struct Game;

void PlayerStep(App& app);

// A square a player may step onto (floor, items, doors, fields, beams, young pig producers).
bool IsPlayerPassable(const Game& g, int col, int row);

}  // namespace murk
