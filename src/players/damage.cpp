// Damage to players. Not written yet: players cannot be hurt until it lands.
#include "players/damage.h"

namespace murk {

void Damage(App&, int, std::string_view, bool) {}

}  // namespace murk
