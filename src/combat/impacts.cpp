// Bullet impacts and tile classes. Not written yet.
#include "combat/impacts.h"

namespace murk {

bool IsBulletTarget(const Game&, int, int) { return false; }
void Impact(App&, int, int, Player&) {}
bool IsHostileTile(const Game&, int, int) { return false; }
bool IsGrowingPigProducer(const Game&, int, int) { return false; }
bool IsBlastAffected(const Game&, int, int) { return false; }

}  // namespace murk
