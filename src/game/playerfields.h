// The player-record fields by name, for the state dump and for murk-sim setting them.
#pragma once

#include <string>
#include <string_view>

#include "game/player.h"

namespace murk {

// "col=3 row=4 ... status=\"WARP\"" in the dump's order.
std::string DumpPlayer(const Player& p);

// Sets the named field from the text of a script line. False for an unknown field or a value
// that is not a number (or not 0/1 for a flag).
bool SetPlayerField(Player& p, std::string_view field, const std::string& value);

// A text in double quotes with '"' and '\' escaped.
std::string Quoted(const std::string& text);

}  // namespace murk
