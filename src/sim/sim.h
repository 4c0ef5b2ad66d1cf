// The headless simulator: runs a script of commands against the game core and prints results.
#pragma once

#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace murk {

struct App;
class HeadlessPlatform;

// Prints each message box and each sound played on `pf` to `out` as it happens, as murk-sim
// does: `box KIND TEXT [-> yes|no]` and `sound ID`.
void PrintBoxesAndSounds(HeadlessPlatform& pf, std::ostream& out);

// Replays a journal the game wrote (`murk --journal FILE`) in the current directory, printing
// boxes and sounds as murk-sim does and, at the end, the state as `dump` prints it. Returns 0
// when the whole game replayed, 2 when the journal cannot be read, 4 when the replay stopped
// before the game ended or the game went another way than the recorded one (a line says why).
int ReplayJournal(const std::string& path, std::ostream& out, std::ostream& err);

// Replays each journal silently and prints a line for it: `FILE: verified`, `FILE: diverged at
// pass N: WHY` (N the game's tick where the replay stopped, or at its end where answers were
// left), `FILE: level N differs` (the level file of that name in the current directory's Levels
// folder is not the one the game read) or `FILE: cannot be read: WHY`; then `N passed, M failed`.
// Returns 0 only when every journal verified.
int VerifyJournals(const std::vector<std::string>& paths, std::ostream& out);

// Runs murk-sim in the current directory. Returns the exit status: 0 at the end of the script,
// 1 when no level files are found, 2 on a line that cannot be parsed, 3 when a line leaves the
// game waiting for an event the script has not queued (printed as a `stuck:` line).
int RunSimulator(std::istream& script, std::ostream& out, std::ostream& err);

// murk-sim one command at a time, for tools that plan play (the route tool): they run commands
// as a script would and read the game state between them. Prints as murk-sim does to `out`.
class SimSession {
public:
    explicit SimSession(std::ostream& out);
    ~SimSession();
    // Start-up as the game does it, in the current directory; false when there are no levels.
    bool Start();
    // One script command, without comment or surrounding blanks; false when it cannot be parsed.
    bool Run(const std::string& command);
    App& app();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace murk
