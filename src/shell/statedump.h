// The game's state as text: murk-sim's `dump`, and what the game writes at exit when asked.
#pragma once

#include <ostream>

namespace murk {

struct App;

// Writes the state block: the `state` line, the two player lines, the room grid, `end`.
void DumpState(const App& app, std::ostream& out);

}  // namespace murk
