// The bullet step: each player's one bullet flies one square per tick.
#pragma once

namespace murk {

struct App;
struct Game;

void BulletStep(App& app);

// The square holds a bullet of either player (A48..A63).
bool IsBullet(const Game& g, int col, int row);

}  // namespace murk
