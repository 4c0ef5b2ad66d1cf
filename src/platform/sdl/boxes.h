// Modal message boxes.
#pragma once

#include <SDL_video.h>

#include <string>

#include "platform/platform.h"

namespace murk::sdl {

// Shows a modal box titled "Murk" over `parent` (may be null) and returns true for Yes / OK.
// Return answers Yes / OK, Escape No / Cancel. When no box can be shown (no window system, as
// under the dummy video driver) the text goes to stderr and the answer is true for every kind,
// so unattended runs go on as if the user had agreed.
bool ShowBox(SDL_Window* parent, BoxKind kind, const std::string& text);

}  // namespace murk::sdl
