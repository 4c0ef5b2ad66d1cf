// Turning SDL events into the game's events.
#pragma once

#include <SDL_events.h>

#include "platform/platform.h"

namespace murk::sdl {

// Fills `out` from `in`; false when the game has no use for the event (unmapped keys, mouse
// motion, window events other than close and the game window's focus, whose id is
// `gameWindow`). Key auto-repeat gives further KeyDowns. Game pads are GamePads' (pads.h).
bool TranslateEvent(const SDL_Event& in, Event& out, Uint32 gameWindow = 0);

}  // namespace murk::sdl
