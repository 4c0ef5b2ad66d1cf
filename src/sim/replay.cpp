// murk-sim --replay: a game played in the real window, played again headless from its journal.
#include <ostream>

#include "platform/journal/replay_platform.h"
#include "shell/app.h"
#include "shell/startup.h"
#include "shell/statedump.h"
#include "sim/sim.h"

namespace murk {

int ReplayJournal(const std::string& path, std::ostream& out, std::ostream& err) {
    Journal journal;
    std::string error;
    if (!ReadJournal(path, journal, error)) {
        err << "murk-sim: " << error << '\n';
        return 2;
    }
    ReplayPlatform pf(std::move(journal));
    PrintBoxesAndSounds(pf, out);
    App app(pf);
    int status = 0;
    try {
        RunProgram(app);
        if (pf.Left() > 0) {
            out << "replay: the game ended with " << pf.Left()
                << " recorded answers never asked for\n";
            status = 4;
        }
    } catch (const ReplayStopped& stopped) {
        out << "replay stopped: " << stopped.what() << '\n';
        status = 4;
    }
    if (app.mainForm) DumpState(app, out);
    return status;
}

}  // namespace murk
