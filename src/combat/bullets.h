// The bullet step: each player's bullet flies one square per tick.
#pragma once

namespace murk {

struct App;

void BulletStep(App& app);

}  // namespace murk
