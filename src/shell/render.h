// Drawing the room: every square from RoomGrid, or one square with a given picture.
#pragma once

#include <string_view>

#include "base/tiles.h"
#include "platform/platform.h"

namespace murk {

struct App;

// Drawing failures end the game themselves: callers may go on without checking.

// Draws every square of the room, letting messages through before each row. A dead player's (or an
// absent player 2's) tile on its own square becomes floor. On failure: the failure's text,
// "Error drawing to screen.", and the game returns to the menu. Returns false then.
bool DrawRoom(App& app);

// Draws `image` on square (col, row); on failure shows "Error drawing to a square on the
// screen." and returns the game to the menu.
bool DrawSquare(App& app, int col, int row, ImageId image);

}  // namespace murk
