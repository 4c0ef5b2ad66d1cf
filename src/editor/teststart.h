// Where a test play of the level being edited starts: its start room, or the room the editor shows.
#pragma once

#include <string>

#include "levelsource/levelfile.h"

namespace murk {

// The level to test from room (roomCol, roomRow): a copy whose start room is that room, each
// player placed on its own start square's place there when that square holds floor, else on the
// nearest square of floor (the other player's excepted), and the players' tiles taken out of the
// old start room. From the start room itself the level is the same. `problem` says why a room
// cannot be a start ("" when it can): it is no room of the level, or it has no floor for both.
struct TestStart {
    LevelFile level;
    std::string problem;
};
TestStart StartInRoom(const LevelFile& level, int roomCol, int roomRow);

}  // namespace murk
