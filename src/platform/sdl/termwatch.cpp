// The termination watch: a signal handler chained after SDL's, and a watcher for box processes.
#include "platform/sdl/termwatch.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>
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

// The processes whose parent is this one, from /proc.
std::vector<pid_t> Children() {
    std::vector<pid_t> out;
    DIR* proc = ::opendir("/proc");
    if (!proc) return out;
    const pid_t self = ::getpid();
    while (const dirent* entry = ::readdir(proc)) {
        const std::string name = entry->d_name;
        if (name.empty() || !std::all_of(name.begin(), name.end(), ::isdigit)) continue;
        FILE* stat = std::fopen(("/proc/" + name + "/stat").c_str(), "r");
        if (!stat) continue;
        char line[512] = {};
        const size_t got = std::fread(line, 1, sizeof line - 1, stat);
        std::fclose(stat);
        // "pid (name) state ppid ...": the name may hold anything, so read after its last ')'.
        const std::string text(line, got);
        const size_t close = text.rfind(')');
        char state = 0;
        int parent = 0;
        if (close != std::string::npos &&
            std::sscanf(text.c_str() + close + 1, " %c %d", &state, &parent) == 2 && parent == self)
            out.push_back(static_cast<pid_t>(std::stoi(name)));
    }
    ::closedir(proc);
    std::sort(out.begin(), out.end());
    return out;
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

BoxWatch::BoxWatch() : before_(Children()), thread_([this] { Run(); }) {}

BoxWatch::~BoxWatch() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        done_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void BoxWatch::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!done_) {
        wake_.wait_for(lock, std::chrono::milliseconds(100));
        if (done_ || !requested) continue;
        for (pid_t child : Children())
            if (!std::binary_search(before_.begin(), before_.end(), child)) ::kill(child, SIGKILL);
    }
}

}  // namespace murk::sdl
