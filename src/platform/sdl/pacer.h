// Pacer: the game's clock and its 1 ms sleeps to absolute deadlines.
#pragma once

#include <cstdint>

namespace murk::sdl {

// The deadline for the next 1 ms sleep: exactly 1 ms after the previous one, so timer slack does
// not add up over a wait; re-based to 1 ms from now once the caller is more than 5 ms behind,
// so a stall (a message box, a slow frame) is not followed by a burst of sleepless calls.
uint64_t NextDeadlineNs(uint64_t previousNs, uint64_t nowNs);

uint64_t MonotonicNs();

class Pacer {
public:
    Pacer() : deadlineNs_(MonotonicNs()) {}
    void Sleep1ms();
    uint64_t NowMs() const { return MonotonicNs() / 1'000'000; }

private:
    uint64_t deadlineNs_;
};

}  // namespace murk::sdl
