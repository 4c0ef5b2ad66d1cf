// The bullet step: each player's one bullet flies one square per tick.
#pragma once

namespace murk {

class Host;
struct Game;
struct Footing;

// Lets messages through twice for each player; stops when `pass` no longer stands.
void BulletStep(Game& g, Host& host, Footing pass);

// The square holds a bullet of either player (code::P1Bullet1..code::P2Bullet8).
bool IsBullet(const Game& g, int col, int row);

}  // namespace murk
