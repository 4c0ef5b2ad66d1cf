// The one table from SDL scancodes (physical keys) to the game's Windows virtual-key codes.
#pragma once

#include <SDL_scancode.h>

namespace murk::sdl {

// The virtual-key code of a physical key, or 0 for a key the game has no code for.
// Scancodes, not key symbols, so the keys stay in place whatever the keyboard layout. Taken as
// a plain number: a value outside SDL's table is no valid SDL_Scancode, and must still give 0.
int VirtualKeyFor(int scancode);

}  // namespace murk::sdl
