// The bullet step. Bullets land with the shooting rules; until then none fly.
#include "combat/bullets.h"

namespace murk {

void BulletStep(App&) {}

}  // namespace murk
