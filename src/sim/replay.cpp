// murk-sim --replay: a game played in the real window, played again headless from its journal.
#include <ostream>
#include <string_view>

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

namespace {

// The first recorded read of a level file that the level file of its name in the current
// directory's Levels folder (where there is one) does not match: "level N differs", or "".
std::string LevelThatDiffers(const Journal& journal) {
    constexpr std::string_view kPrefix = "Levels/Level", kSuffix = ".dat";
    for (const JournalRead& read : journal.reads) {
        const size_t at = read.path.rfind(kPrefix);
        if (at == std::string::npos || read.result != FileReadResult::Read ||
            !read.path.ends_with(kSuffix))
            continue;
        const std::string name = read.path.substr(at);
        const std::string digits =
            name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
        std::string here;
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos ||
            ReadWholeFile(name, read.bytes.size() + 1, here) == FileReadResult::CannotOpen)
            continue;
        if (here != read.bytes) return "level " + std::to_string(std::stoi(digits)) + " differs";
    }
    return "";
}

// One journal's line after its name; true when it verified.
bool Verify(const std::string& path, std::ostream& out) {
    Journal journal;
    std::string error;
    if (!ReadJournal(path, journal, error)) {
        out << "cannot be read: " << error << '\n';
        return false;
    }
    if (const std::string level = LevelThatDiffers(journal); !level.empty()) {
        out << level << '\n';
        return false;
    }
    ReplayPlatform pf(std::move(journal));
    App app(pf);
    std::string diverged;
    try {
        RunProgram(app);
        if (pf.Left() > 0)
            diverged = "the game ended with " + std::to_string(pf.Left()) +
                       " recorded answers never asked for";
    } catch (const std::exception& stopped) {
        diverged = stopped.what();
    }
    if (diverged.empty()) {
        out << "verified\n";
        return true;
    }
    out << "diverged at pass " << app.game.world.clocks.tick << ": " << diverged << '\n';
    return false;
}

}  // namespace

int VerifyJournals(const std::vector<std::string>& paths, std::ostream& out) {
    int passed = 0;
    for (const std::string& path : paths) {
        out << path << ": ";
        passed += Verify(path, out) ? 1 : 0;
    }
    const size_t failed = paths.size() - static_cast<size_t>(passed);
    out << passed << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}

}  // namespace murk
