// The names of the keys a player may choose, by virtual-key code.
#pragma once

#include <optional>
#include <string>

namespace murk {

// The name shown and saved for a key, or nothing when the key cannot be chosen.
std::optional<std::string> KeyName(int code);

// The name a key goes by in the game's texts: its name, or "key N" for a code that has none (an
// Options.dat written by hand).
std::string KeyLabel(int code);

}  // namespace murk
