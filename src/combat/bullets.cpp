// The bullet step. Not written yet: no bullet flies until it lands.
#include "combat/bullets.h"

namespace murk {

void BulletStep(App&) {}
bool IsBullet(const Game&, int, int) { return false; }

}  // namespace murk
