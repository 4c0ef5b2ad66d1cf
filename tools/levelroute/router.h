// The route tool's player: plays a route in the simulator and writes what it pressed as a script.
#pragma once

#include <array>
#include <memory>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "driver.h"
#include "levelmap.h"
#include "pathfind.h"
#include "routefile.h"

namespace murk {
class SimSession;
struct Player;
}  // namespace murk

namespace murk::route {

struct RouteSetup {
    int level = 0;
    int players = 1;
    int seed = 1;
    int kitLife = 40;      // a health kit is used when life falls to this or below
    bool verbose = false;  // a report line for every player step
};

class Router {
public:
    Router(const RouteSetup& setup, std::ostream& report);
    ~Router();

    // Plays the route from the level's start; false (after reporting where and why) on failure.
    bool Play(const Route& route);
    // The script written so far; complete and replay-checked when Play returned true.
    std::string Script() const;

private:
    enum class Outcome { Reached, Finished, Failed };

    bool RunStep(const RouteStep& step);
    // Walks the driven player (and the partner along) until it stands on one of `goals` (or,
    // `toFinish`, has stepped onto the finish).
    Outcome Go(const std::vector<Spot>& goals, bool toFinish);

    // A few player steps of one player's keys, tried in the look-ahead.
    struct Plan {
        std::vector<Action> steps;
        bool forward = false;        // on the way (or waiting for the partner to join)
        bool shootsOnSight = false;  // shooting what comes at the player
    };

    // Both players' keys for the next player step: the driven player follows `path`, the partner
    // keeps beside it; each shoots what comes at it; the look-ahead vetoes what costs life.
    StepKeys Decide(const LevelMap& map, const PathResult& path);
    std::vector<Plan> LeaderPlans(const PathResult& path, int exitDir);
    std::vector<Plan> PartnerPlans(const LevelMap& map, const PathResult& path, int exitDir);
    // Where the partner heads: beside the leader; onto the line of the edge the leader leaves
    // by; or, when it stands on the leader's next squares, aside or ahead along them.
    std::vector<Spot> PartnerGoals(const PathResult& path, int exitDir) const;
    // The direction of the path's first step when it leaves the room, else 0.
    int ExitDir(const PathResult& path) const;
    // Life both players lose (a death counts 1000) when they play `plans` in the scratch game,
    // one action a player step, and then stand for `tailTicks` passes shooting on sight.
    int Probe(const std::array<std::vector<Action>, 2>& plans, int tailTicks);
    // Direction of the nearest thing to shoot on sight from player `index`'s square, or 0.
    int ThreatDir(int index) const;
    static std::vector<Action> PathSteps(const PathResult& path);
    bool OnBoard(int index) const;
    int Partner() const;       // the other player while it is on the board, or -1
    Spot PartnerSpot() const;  // its square, or {0, 0}
    bool NeedsKit(int index) const;
    void HoldAll(const StepKeys& keys);
    bool UseKit(int index);
    bool Bomb(const std::vector<int>& args);
    bool Fail(const std::string& why);
    void Note(const std::string& what);
    void Progress(const RouteStep& step);  // one line on the report after each route step
    void Trace(const StepKeys& keys, const PathResult& path, bool fetching);

    const Game& game() const;
    const Player& driven() const;
    Spot Here() const;

    RouteSetup setup_;
    std::ostream& report_;
    std::ostringstream mainOut_, scratchOut_;
    std::unique_ptr<SimSession> mainSim_, scratchSim_;
    std::vector<std::string> script_;
    std::unique_ptr<Driver> main_;
    int drivenIndex_ = 0;
    int shootRun_ = 0;        // player steps spent shooting on sight since the last progress
    int stall_ = 0;           // player steps without getting nearer to the goal
    int partnerOffLine_ = 0;  // player steps the partner found no way to the leader's edge line
    const RouteStep* step_ = nullptr;
    bool started_ = false;  // the game runs: failures show its state
};

// Direction of the nearest thing to shoot on sight within `limit` squares of player `index`, or 0.
int ThreatDirIn(const Game& g, int index, int limit);

// Replays a script in a fresh simulator (in the current directory); true when the last dump shows
// player 1 with one level passed. `output` receives what the simulator printed.
bool ScriptFinishes(const std::string& script, std::string& output);

// The room as the level sources draw it, one text line a row, for failure reports.
std::string RoomPicture(const Game& g);

}  // namespace murk::route
