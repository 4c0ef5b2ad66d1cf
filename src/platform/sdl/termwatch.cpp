// The termination watch: a signal handler chained after SDL's, which boxes ask before they wait.
#include "platform/sdl/termwatch.h"

#include <csignal>
#include <utility>

namespace murk::sdl {

namespace {

volatile std::sig_atomic_t requested = 0;
struct sigaction previousTerm {
}, previousInt{};
bool installed = false;

bool HasHandler(const struct sigaction& a) {
    return (a.sa_flags & SA_SIGINFO) == 0 && a.sa_handler != SIG_DFL && a.sa_handler != SIG_IGN;
}

void OnTerminate(int sig) {
    requested = 1;
    const struct sigaction& previous = sig == SIGTERM ? previousTerm : previousInt;
    if (HasHandler(previous)) previous.sa_handler(sig);
}

}  // namespace

void StartTerminationWatch() {
    if (installed) return;
    struct sigaction ours {};
    ours.sa_handler = OnTerminate;
    sigemptyset(&ours.sa_mask);
    // Only over SDL's handler: where a signal is ignored or ends the program by default, that
    // stays so (a game started in the background of a shell ignores SIGINT).
    for (auto [sig, previous] :
         {std::pair{SIGTERM, &previousTerm}, std::pair{SIGINT, &previousInt}})
        if (::sigaction(sig, nullptr, previous) == 0 && HasHandler(*previous))
            ::sigaction(sig, &ours, nullptr);
    installed = true;
}

void StopTerminationWatch() {
    if (!installed) return;
    for (auto [sig, previous] :
         {std::pair{SIGTERM, &previousTerm}, std::pair{SIGINT, &previousInt}})
        if (HasHandler(*previous)) ::sigaction(sig, previous, nullptr);
    installed = false;
}

bool TerminationRequested() {
    return requested != 0;
}

}  // namespace murk::sdl
