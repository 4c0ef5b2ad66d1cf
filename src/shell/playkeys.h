// Keys during play: Escape's abort question, then each player's own keys.
#pragma once

namespace murk {

struct App;

void PlayKeyDown(App& app, int key);
void PlayKeyUp(App& app, int key);

}  // namespace murk
