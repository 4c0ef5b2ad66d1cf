// Modal message boxes, drawn by the game in a small window of their own.
#pragma once

#include <SDL_keycode.h>
#include <SDL_video.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/sdl/text.h"

namespace murk::sdl {

// Shows a modal box titled "Murk" over `parent` (may be null) and returns true for Yes / OK.
// The box takes the keyboard from every window of the game, so it answers whatever a window
// manager (or none) does with the focus: Return answers its default button (Yes / OK), Escape
// No / Cancel (OK where OK is all it has), and Y and N answer a Yes / No box; a game pad's A
// button answers as Return, its B as Escape (`readPads` reads the pads while the box waits). A
// click on a button answers it; closing the box counts as No / Cancel. While it is up,
// `refreshParent` is called whenever the parent's picture must be shown again. When no box can
// be shown (no window system, as under the dummy video driver) the text goes to stderr and the
// answer is true for every kind, so unattended runs go on as if the user had agreed.
bool ShowBox(SDL_Window* parent, BoxKind kind, const std::string& text, TextPainter& painter,
             const std::function<void()>& refreshParent,
             const std::function<void()>& readPads = {});

// What key `key` (as the keyboard's layout names it) does in a box of `kind`: answers it (true
// for Yes / OK) or nothing.
std::optional<bool> AnswerForKey(BoxKind kind, SDL_Keycode key);

// `text` broken into lines no wider than `width` pixels as `measure` (a line's width) counts
// them: at its own line ends, and at spaces where a line grows too wide. A word wider than
// `width` stands on a line of its own.
std::vector<std::string> WrapText(const std::string& text, int width,
                                  const std::function<int(const std::string&)>& measure);

}  // namespace murk::sdl
