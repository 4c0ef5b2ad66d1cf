// The headless simulator: runs a script of commands against the game core and prints results.
#pragma once

#include <istream>
#include <ostream>

namespace murk {

// Runs murk-sim in the current directory. Returns the exit status: 0 at the end of the script,
// 1 when no level files are found, 2 on a line that cannot be parsed.
int RunSimulator(std::istream& script, std::ostream& out, std::ostream& err);

}  // namespace murk
