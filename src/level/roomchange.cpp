// Room changes. Not written yet.
#include "level/roomchange.h"

namespace murk {

void ChangeRoom(App&, int) {}

}  // namespace murk
