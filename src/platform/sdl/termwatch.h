// Termination requests (SIGTERM, SIGINT) while a message box is up. SDL shows a box from a
// process of its own and waits for it; a signal alone does not end that wait, so a desktop that
// logs out would find the game stuck until someone answered the box.
#pragma once

#include <sys/types.h>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace murk::sdl {

// Chains a handler after SDL's own for SIGTERM and SIGINT; call after SDL_Init. SDL's handler
// still turns the request into a quit event. Stop before SDL_Quit, so SDL can restore its own.
void StartTerminationWatch();
void StopTerminationWatch();

// True once the program was asked to end.
bool TerminationRequested();

// While one lives, a termination request ends the box the calling thread shows (the box's
// process is stopped within a tenth of a second), so the program can end as a close would.
class BoxWatch {
public:
    BoxWatch();
    ~BoxWatch();
    BoxWatch(const BoxWatch&) = delete;
    BoxWatch& operator=(const BoxWatch&) = delete;

private:
    void Run();
    std::vector<pid_t> before_;  // children that are not the box's
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::thread thread_;
};

}  // namespace murk::sdl
