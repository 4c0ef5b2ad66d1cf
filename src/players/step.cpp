// The player step. Walking lands with the movement rules; until then players stand still.
#include "players/step.h"

namespace murk {

void PlayerStep(App&) {}

}  // namespace murk
