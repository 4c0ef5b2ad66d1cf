// The player step. Not written yet: players stand still until it lands.
#include "players/step.h"

namespace murk {

void PlayerStep(App&) {}
bool IsPlayerPassable(const Game&, int, int) { return false; }

}  // namespace murk
