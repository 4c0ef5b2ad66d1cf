// Fuzz target: any journal text is read whole or refused with a line named, never a crash; what
// is read is replayed through the game (bounded: a journal asking more polls and clock readings
// than a short game is read only), which stops where the journal ends or goes another way.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/journal/journal.h"
#include "platform/journal/replay_platform.h"
#include "shell/app.h"
#include "shell/startup.h"

namespace {

// The polls and clock readings a replay of `j` answers.
uint64_t Work(const murk::Journal& j) {
    uint64_t work = j.idlePolls + j.events.size();
    for (const murk::JournalClock& c : j.clock) work += c.repeats;
    for (const murk::JournalEvent& e : j.events) work += e.skip;
    return work;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    murk::Journal journal;
    std::string error;
    const bool read =
        murk::ParseJournal(std::string(reinterpret_cast<const char*>(data), size), journal, error);
    if (read == !error.empty() || (!read && journal.Left() != 0)) std::abort();
    if (!read || Work(journal) > 200'000) return 0;
    murk::ReplayPlatform pf(std::move(journal));
    murk::App app(pf);
    try {
        murk::RunProgram(app);
    } catch (const murk::ReplayStopped&) {
        // The journal ended, or the game went another way: the replay says so and stops.
    }
    return 0;
}
