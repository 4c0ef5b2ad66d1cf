// The keys a route presses: a player step's direction and fire, turned into key events.
#pragma once

#include <array>
#include <set>
#include <string>
#include <vector>

namespace murk {
class SimSession;
struct Game;
}  // namespace murk

namespace murk::route {

// One player step's worth of keys: a direction (0 none) and the fire key.
struct Action {
    int dir = 0;
    bool fire = false;
};

// Keys for one player step, by player index.
using StepKeys = std::array<Action, 2>;

// A simulator with the keys now held down, and (for the real run) the script being written.
class Driver {
public:
    Driver(SimSession& sim, std::vector<std::string>* script) : sim_(sim), script_(script) {}

    SimSession& sim() { return sim_; }
    const Game& game() const;
    std::set<int>& down() { return down_; }

    // Runs a script command; false when the simulator refused it (a bug here, not in the level).
    bool Send(const std::string& line);
    void Key(bool press, int key);
    void Ticks(int n);
    // Presses and releases keys so that player `index` holds `a` from the next pass on.
    void Hold(int index, Action a);
    // Runs the passes up to the next one that steps the players.
    void ToNextStep();

private:
    SimSession& sim_;
    std::vector<std::string>* script_;
    std::set<int> down_;
    // The held direction the keys sent since the last pass will leave, per player; -1 when none
    // were sent (the game's own value then holds).
    std::array<int, 2> pendingDir_ = {-1, -1};
};

}  // namespace murk::route
