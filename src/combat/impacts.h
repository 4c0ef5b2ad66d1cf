// What a bullet does to what it hits, and the tile classes the other rules share.
#pragma once

namespace murk {

class Host;
struct Game;
struct Player;

bool IsBulletTarget(const Game& g, int col, int row);
// Applies a hit by `shooter`'s bullet to the square.
void Impact(Game& g, Host& host, int col, int row, Player& shooter);

bool IsHostileTile(const Game& g, int col, int row);
bool IsGrowingPigProducer(const Game& g, int col, int row);  // A12..A15
bool IsBlastAffected(const Game& g, int col, int row);

}  // namespace murk
