// The program as the rules see it, played by a test: a host that records what the rules ask
// for, hands out chosen or seeded random numbers, and runs the test's own code at a pump.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game/host.h"

namespace murk::test {

class RecordingHost final : public Host {
public:
    // Every call, in order: "draw 5,5 A00", "room", "sound S00", "pump", "error TEXT".
    std::vector<std::string> calls;
    // What happens "at the pump", where the program delivers keys and timers: the game being
    // aborted, the next level loaded, a question asked.
    std::function<void()> onPump;
    // The program is shutting down.
    bool closing = false;

    // Random then draws from `rng`, as the program draws from the game's own generator.
    void DrawFrom(Rng& rng) { UseGenerator(&rng); }
    // Random then gives `numbers` in order (then 0), each taken modulo the n asked for.
    void Script(std::deque<int> numbers) {
        UseGenerator(nullptr);
        randoms_ = std::move(numbers);
    }

    // `what` runs at the n-th pump from now (1 is the next) and at no other.
    void AtPump(int n, std::function<void()> what) {
        onPump = [n, what = std::move(what), seen = 0]() mutable {
            if (++seen == n) what();
        };
    }

    // The ids of the sounds played, in order.
    std::vector<std::string> Sounds() const {
        std::vector<std::string> ids;
        for (const std::string& c : calls)
            if (c.rfind("sound ", 0) == 0) ids.push_back(c.substr(6));
        return ids;
    }
    // How many calls begin with `start` ("draw", "error ", "sound S11").
    int Count(std::string_view start) const {
        int n = 0;
        for (const std::string& c : calls) n += c.rfind(start, 0) == 0;
        return n;
    }

    void DrawSquare(int col, int row, std::string_view code) override {
        calls.push_back("draw " + std::to_string(col) + "," + std::to_string(row) + " " +
                        std::string(code));
    }
    void DrawRoom() override { calls.push_back("room"); }
    void PlaySound(std::string_view id) override { calls.push_back("sound " + std::string(id)); }
    void PumpMessages() override {
        calls.push_back("pump");
        if (onPump) onPump();
    }
    bool Closing() const override { return closing; }
    void ShowException(const std::string& text) override { calls.push_back("error " + text); }

protected:
    int ChooseRandom(int n) override {
        const int r = randoms_.empty() ? 0 : randoms_.front();
        if (!randoms_.empty()) randoms_.pop_front();
        return n > 0 ? r % n : 0;
    }

private:
    std::deque<int> randoms_;
};

}  // namespace murk::test
