// The headless simulator: runs a script of commands against the game core and prints results.
#pragma once

#include <istream>
#include <ostream>

namespace murk {

// Runs murk-sim in the current directory. Returns the exit status: 0 at the end of the script,
// 1 when no level files are found, 2 on a line that cannot be parsed, 3 when a line leaves the
// game waiting for an event the script has not queued (printed as a `stuck:` line).
int RunSimulator(std::istream& script, std::ostream& out, std::ostream& err);

}  // namespace murk
