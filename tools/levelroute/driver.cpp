// The keys a route presses: held directions and fire turned into key events and passes.
#include "driver.h"

#include "game/state.h"
#include "heldkeys.h"
#include "shell/app.h"
#include "sim/sim.h"

namespace murk::route {

namespace {

DirKeys DirKeysOf(const Player& p) {
    return {p.upKey, p.downKey, p.leftKey, p.rightKey};
}

}  // namespace

const Game& Driver::game() const {
    return sim_.app().game;
}

bool Driver::Send(const std::string& line) {
    if (!sim_.Run(line)) return false;
    if (script_) script_->push_back(line);
    return true;
}

void Driver::Key(bool press, int key) {
    Send((press ? "down " : "up ") + std::to_string(key));
    if (press)
        down_.insert(key);
    else
        down_.erase(key);
    // Where the held directions will be once this key is delivered.
    for (size_t i = 0; i < 2; ++i) {
        const Player& p = game().players[i];
        int& dir = pendingDir_[i];
        const int from = dir >= 0 ? dir : p.heldDir;
        const int to =
            press ? AfterKeyDown(from, key, DirKeysOf(p)) : AfterKeyUp(from, key, DirKeysOf(p));
        if (to != from || dir >= 0) dir = to;
    }
}

void Driver::Ticks(int n) {
    if (n <= 0) return;
    sim_.Run("tick " + std::to_string(n));
    pendingDir_ = {-1, -1};
    if (!script_) return;
    // Runs of passes are written as one line: "tick 4" + "tick 4" is "tick 8".
    if (!script_->empty() && script_->back().rfind("tick ", 0) == 0)
        script_->back() = "tick " + std::to_string(std::stoi(script_->back().substr(5)) + n);
    else
        script_->push_back("tick " + std::to_string(n));
}

void Driver::Hold(int index, Action a) {
    const Player& p = game().players[static_cast<size_t>(index)];
    const bool fireDown = down_.count(p.fireKey) != 0;
    if (a.fire && !fireDown) Key(true, p.fireKey);
    if (!a.fire && fireDown) Key(false, p.fireKey);
    // Keys sent since the last pass are not delivered yet: start from where they will leave it.
    const int dir = pendingDir_[static_cast<size_t>(index)];
    for (const KeyEvent& e : KeysToHold(dir >= 0 ? dir : p.heldDir, down_, a.dir, DirKeysOf(p)))
        Key(e.down, e.key);
}

void Driver::ToNextStep() {
    const int tick = game().world.clocks.tick;
    Ticks((4 - tick % 4) % 4);
}

}  // namespace murk::route
