// The player step: both players walk, pick up and meet fields, once every fourth tick.
#pragma once

namespace murk {

struct App;

void PlayerStep(App& app);

}  // namespace murk
