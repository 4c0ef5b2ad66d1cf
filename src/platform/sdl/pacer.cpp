// Deadline sleeping on the monotonic clock.
#include "platform/sdl/pacer.h"

#include <cerrno>
#include <ctime>

namespace murk::sdl {

namespace {

constexpr uint64_t kStepNs = 1'000'000;
constexpr uint64_t kMaxLagNs = 5'000'000;

}  // namespace

uint64_t NextDeadlineNs(uint64_t previousNs, uint64_t nowNs) {
    const uint64_t next = previousNs + kStepNs;
    if (nowNs > next + kMaxLagNs) return nowNs + kStepNs;
    return next;
}

uint64_t MonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint64_t>(ts.tv_sec) * 1'000'000'000u + static_cast<uint64_t>(ts.tv_nsec);
}

void Pacer::Sleep1ms() {
    deadlineNs_ = NextDeadlineNs(deadlineNs_, MonotonicNs());
    timespec until{};
    until.tv_sec = static_cast<time_t>(deadlineNs_ / 1'000'000'000u);
    until.tv_nsec = static_cast<long>(deadlineNs_ % 1'000'000'000u);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}

}  // namespace murk::sdl
