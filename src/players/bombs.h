// Bombs: laying one from the item menu, steering it, setting it off, and the blast.
#pragma once

#include <vector>

#include "base/square.h"

namespace murk {

class Host;
struct Game;
struct Player;

void LayBomb(Game& g, Host& host, Player& p);
void BombStep(Game& g, Host& host, Player& p);
// Releasing fire sets the held bomb off; a death or slide field it covered comes back.
void FireBomb(Game& g, Host& host, Player& p);
// A bullet hit a bomb: a held one goes off exactly as if its holder had released it.
void ShootBomb(Game& g, Host& host, int col, int row);
// The blast around (col, row); chained bombs explode without their own sound.
void Explosion(Game& g, Host& host, int col, int row, bool withSound);

// The squares a blast around `centre` reaches, row by row: the 5 x 5 block without its centre
// and corners, as far as the playfield goes (20 squares away from the room's edge).
std::vector<Square> BlastSquares(Square centre);

// Ends a hold without an explosion when the players change rooms: the bomb goes back into the
// pack and what it covered is put back in the room being left (grid only; the new room is drawn
// next). Does nothing when no bomb is held.
void ReturnHeldBomb(Game& g, Player& p);

}  // namespace murk
