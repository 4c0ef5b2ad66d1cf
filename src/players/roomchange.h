// Moving between rooms: both players leave over an edge together into the neighbouring room.
#pragma once

namespace murk {

class Host;
struct Game;

// The room change in direction 1..8 (clockwise from north), when it is allowed and the room
// exists; otherwise nothing happens.
void ChangeRoom(Game& g, Host& host, int direction);

}  // namespace murk
