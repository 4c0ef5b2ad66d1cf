// What a bullet does to what it hits.
#pragma once

namespace murk {

class Host;
struct Game;
struct Player;

bool IsBulletTarget(const Game& g, int col, int row);
// Applies a hit by `shooter`'s bullet to the square.
void Impact(Game& g, Host& host, int col, int row, Player& shooter);

}  // namespace murk
