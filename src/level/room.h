// Room grids: unpacking a room of the level into a grid, packing it back, the tick's snapshot.
#pragma once

#include <string>

#include "base/roompack.h"
#include "base/stringgrid.h"

namespace murk {

class Host;
struct Game;

// UnpackRoomString on the LevelGrid cell of room (col, row); a short string is shown by the
// standard exception display. False when it failed and the user has seen why.
[[nodiscard]] bool UnpackRoom(Game& g, Host& host, int col, int row, StringGrid& target);
[[nodiscard]] bool EnterRoom(Game& g, Host& host, int col, int row);
void PackRoom(Game& g, int col, int row, const StringGrid& source);
void CopyRoomToBuffer(Game& g);
bool IsOffRoom(const Game& g, int col, int row);

}  // namespace murk
