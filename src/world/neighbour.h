// Putting a tile into a room other than the current one (it waits there until visited).
#pragma once

#include <string_view>

namespace murk {

class Host;
struct Game;

// Writes `code` at (col, row) of room (roomCol, roomRow) when that room exists and the square
// holds floor. Returns whether it was placed.
bool PlaceInRoom(Game& g, int roomCol, int roomRow, std::string_view code, int col, int row);

// For a square on an edge of the current room: places `code` on the facing square of the
// neighbouring room. False for a square on no edge.
bool PassToNeighbourRoom(Game& g, int col, int row, std::string_view code);

}  // namespace murk
