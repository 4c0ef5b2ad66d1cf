// Drawing the room: every square from RoomGrid, or one square with a given picture.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/tiles.h"
#include "platform/platform.h"

namespace murk {

struct App;
struct Game;

// These only draw and report: a failure is shown and returned, and what follows from it (the
// game ends) is the caller's to decide. The rules draw through the host's DrawRoom and
// DrawSquare (App), which decide it.

// Whether `code` at (col, row) is the tile of a player who is not on the board (dead, or player 2
// outside a two-player game) standing on that player's own square: it is drawn as floor.
bool IsAbsentPlayerSquare(const Game& g, std::string_view code, int col, int row);

// Draws every square of the room, letting messages through before each row. A dead player's (or an
// absent player 2's) tile on its own square becomes floor. On failure: the failure's text and
// "Error drawing to screen." are shown, and the result is false.
[[nodiscard]] bool RenderRoom(App& app);

// Draws `image` on square (col, row); on failure shows "Error drawing to a square on the
// screen." and returns false.
[[nodiscard]] bool RenderSquare(App& app, int col, int row, ImageId image);

// Draws square (col, row) as a fresh RenderRoom would, without writing the board: what an
// overlay over it covered shows again. A failure is shown; play goes on.
void RedrawSquare(App& app, int col, int row);

// `font`, made smaller a step at a time (down to `minPx`) until `text` is at most `width` wide.
Font FittedFont(App& app, Font font, const std::string& text, int width, int minPx);

// `text` broken between words into lines at most `width` wide in `font` (a word wider than that
// stands on a line of its own); at most `maxLines`, the last ending in "..." when text is left.
std::vector<std::string> WrappedLines(App& app, const Font& font, const std::string& text,
                                      int width, size_t maxLines);

// One line of text in the middle of the rectangle (x, y, w, h), clipped to it.
void DrawTextCentred(App& app, const Font& font, Rgb colour, int x, int y, int w, int h,
                     const std::string& text);

// RedrawSquare for every square of the block of `cols` x `rows` squares from (col, row).
void RedrawSquares(App& app, int col, int row, int cols, int rows);

}  // namespace murk
