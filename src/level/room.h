// Room grids: unpacking a room of the level into a grid, packing it back, the tick's snapshot.
#pragma once

#include <string>

#include "level/stringgrid.h"

namespace murk {

struct App;
struct Game;

inline constexpr int kPackedRoomLength = 30 * 19 * 3;

// Fills rows 1..19 of `target` (resized to 31 x 20) from a packed room string. Stops at the
// first missing character, leaving that square and all later ones empty, and returns false
// with a description in `error`.
bool UnpackRoomString(const std::string& packed, StringGrid& target, std::string& error);

// The packed string of rows 1.. and columns 1.. of `source`.
std::string PackRoomString(const StringGrid& source);

// UnpackRoomString on the LevelGrid cell of room (col, row); a short string is shown by the
// standard exception display. Returns 0 on success, 1 on failure.
int UnpackRoom(App& app, int col, int row, StringGrid& target);
int EnterRoom(App& app, int col, int row);
void PackRoom(Game& g, int col, int row, const StringGrid& source);
void CopyRoomToBuffer(Game& g);
bool IsOffRoom(const Game& g, int col, int row);

}  // namespace murk
