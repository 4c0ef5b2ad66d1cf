// Bombs. Not written yet.
#include "players/bombs.h"

namespace murk {

void LayBomb(App&, Player&) {}
void BombStep(App&, Player&) {}
void FireBomb(App&, Player&) {}
void Explosion(App&, int, int, bool) {}

}  // namespace murk
