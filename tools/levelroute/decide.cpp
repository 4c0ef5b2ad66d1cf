// The step decision: plans for both players, tried in a scratch copy of the game before one is
// played for real.
#include <algorithm>
#include <climits>

#include "game/state.h"
#include "router.h"
#include "shell/app.h"
#include "sim/sim.h"

namespace murk::route {

namespace {

constexpr int kShootOnSightRange = 8;
constexpr int kShootRunLimit = 40;   // then only creatures about to bite are shot on sight
constexpr int kDeath = 1000;         // a probe's loss when a player dies
constexpr int kBiteAfterSteps = 12;  // player steps without progress before a bite is taken

}  // namespace

int Router::ThreatDir(int index) const {
    return ThreatDirIn(game(), index, shootRun_ > kShootRunLimit ? 2 : kShootOnSightRange);
}

int ThreatDirIn(const Game& g, int index, int limit) {
    const Player& p = g.players[static_cast<size_t>(index)];
    int dir = 0, nearest = INT_MAX;
    for (int d = 1; d <= 8; ++d) {
        Square s{p.col, p.row};
        for (int n = 1; n <= limit; ++n) {
            s = Step(s, d);
            const std::string& c = g.RoomGrid.Cell(s.col, s.row);
            if (c == code::Floor) continue;
            if (InPlayfield(s) && ShootOnSight(c) && n < nearest) dir = d, nearest = n;
            break;
        }
    }
    return dir;
}

std::vector<Action> Router::PathSteps(const PathResult& path) {
    std::vector<Action> steps;
    for (const Move& m : path.moves) {
        steps.push_back({m.dir, m.shoot});
        if (m.shoot || steps.size() == 3) break;
    }
    return steps;
}

namespace {

int Chebyshev(Square a, Square b) {
    return std::max(std::abs(a.col - b.col), std::abs(a.row - b.row));
}

// Both players stand on the line of the edge that direction `exitDir` leaves by.
bool OnEdgeLine(Square a, Square b, int exitDir) {
    return exitDir == 1 || exitDir == 5 ? a.row == b.row : a.col == b.col;
}

}  // namespace

int Router::ExitDir(const PathResult& path) const {
    if (path.moves.empty()) return 0;
    const Spot here = Here();
    const int dir = path.moves.front().dir;
    return LevelMap::SameRoom(here, Step(here, dir)) ? 0 : dir;
}

std::vector<Spot> Router::PartnerGoals(const PathResult& path, int exitDir) const {
    const Game& g = game();
    const Square lead{driven().col, driven().row};
    const Player& q = g.players[static_cast<size_t>(Partner())];
    const Square at{q.col, q.row};
    std::vector<Spot> ahead;  // the leader's next squares
    size_t inTheWay = SIZE_MAX;
    for (size_t k = 0; k < path.moves.size() && k < 5; ++k) {
        ahead.push_back(path.moves[k].to);
        if (path.moves[k].to == PartnerSpot()) inTheWay = k;
    }
    std::vector<Spot> goals;
    for (int r = 1; r <= kRoomRows; ++r)
        for (int c = 1; c <= kRoomCols; ++c) {
            const Spot s = LevelMap::ToSpot(g.CurrentRoomCol, g.CurrentRoomRow, {c, r});
            bool wanted = false;
            if (inTheWay != SIZE_MAX)  // out of the leader's way, close by
                wanted = Chebyshev({c, r}, at) <= 2 && Chebyshev({c, r}, lead) > 0 &&
                         std::ranges::find(ahead, s) == ahead.end();
            else if (exitDir)
                wanted = OnEdgeLine({c, r}, lead, exitDir);
            else
                wanted = Chebyshev({c, r}, lead) == 1;
            if (wanted && HowToPass(g.RoomGrid.Cell(c, r)).way == Way::Walk) goals.push_back(s);
        }
    // In a corridor there is no aside: the partner leads the way.
    if (inTheWay != SIZE_MAX && inTheWay + 2 < path.moves.size())
        goals.push_back(path.moves[inTheWay + 2].to);
    return goals;
}

std::vector<Router::Plan> Router::PartnerPlans(const LevelMap& map, const PathResult& path,
                                               int exitDir) {
    const int partner = Partner();
    if (partner < 0) return {Plan{}};
    const Player& q = game().players[static_cast<size_t>(partner)];
    const Square lead{driven().col, driven().row};
    std::vector<Plan> plans;
    if (const int threat = ThreatDir(partner)) plans.push_back({{{threat, true}}});
    const bool inTheWay = std::ranges::any_of(
        path.moves.begin(), path.moves.begin() + std::min<size_t>(5, path.moves.size()),
        [&](const Move& m) { return m.to == PartnerSpot(); });
    if (exitDir && OnEdgeLine({q.col, q.row}, lead, exitDir)) {
        plans.push_back({{{exitDir, false}}});
    } else if (inTheWay || exitDir || Chebyshev({q.col, q.row}, lead) > 2) {
        const PathResult follow = FindPath(map, PartnerSpot(), PartnerGoals(path, exitDir), q.keys);
        if (follow.found && !follow.moves.empty()) plans.push_back({PathSteps(follow)});
        if (exitDir && !follow.found) ++partnerOffLine_;
    }
    plans.push_back({{{0, false}}});
    return plans;
}

std::vector<Router::Plan> Router::LeaderPlans(const PathResult& path, int exitDir) {
    const Game& g = game();
    const Player& p = driven();
    std::vector<Plan> plans;
    if (const int threat = ThreatDir(drivenIndex_)) plans.push_back({{{threat, true}}, true, true});
    const int partner = Partner();
    const bool partnerBehind = exitDir && partner >= 0 &&
                               !OnEdgeLine({p.col, p.row},
                                           {g.players[static_cast<size_t>(partner)].col,
                                            g.players[static_cast<size_t>(partner)].row},
                                           exitDir);
    if (partnerBehind)
        plans.push_back({{{0, false}}, true});  // wait on the edge for the partner
    else if (!path.moves.empty())
        plans.push_back({PathSteps(path), true});
    plans.push_back({{{0, false}}});
    for (int d = 1; d <= 8; ++d) {
        const Square s = Step({p.col, p.row}, d);
        if (InPlayfield(s) && HowToPass(g.RoomGrid.Cell(s.col, s.row)).way == Way::Walk)
            plans.push_back({{{d, false}}});
    }
    return plans;
}

StepKeys Router::Decide(const LevelMap& map, const PathResult& path) {
    const int lead = drivenIndex_, partner = Partner();
    const int exitDir = ExitDir(path);
    const std::vector<Plan> partnerPlans = PartnerPlans(map, path, exitDir);
    const std::vector<Plan> leadPlans = LeaderPlans(path, exitDir);

    // The first pair that costs no life in the look-ahead; else the one that costs least. After
    // a while without getting nearer, a bite on the way forward is taken rather than waiting.
    constexpr int kTail = 12;
    const int tolerance = stall_ > kBiteAfterSteps ? std::min(30, driven().life - 30) : 0;
    int bestLoss = INT_MAX;
    StepKeys best{};
    for (const Plan& mine : leadPlans) {
        for (const Plan& other : partnerPlans) {
            std::array<std::vector<Action>, 2> steps;
            steps[static_cast<size_t>(lead)] = mine.steps;
            if (partner >= 0) steps[static_cast<size_t>(partner)] = other.steps;
            const int loss = Probe(steps, kTail);
            StepKeys keys{};
            for (size_t k = 0; k < 2; ++k)
                if (!steps[k].empty()) keys[k] = steps[k].front();
            if (loss == 0 || (mine.forward && loss <= tolerance)) {
                if (mine.shootsOnSight) ++shootRun_;
                return keys;
            }
            if (loss < bestLoss) bestLoss = loss, best = keys;
        }
    }
    return best;
}

int Router::Probe(const std::array<std::vector<Action>, 2>& plans, int tailTicks) {
    App& scratch = scratchSim_->app();
    scratch.game = game();
    Driver probe(*scratchSim_, nullptr);
    probe.down() = main_->down();
    std::array<int, 2> lifeBefore{};
    std::array<bool, 2> watched{};
    for (int i = 0; i < setup_.players; ++i) {
        lifeBefore[static_cast<size_t>(i)] = game().players[static_cast<size_t>(i)].life;
        watched[static_cast<size_t>(i)] = OnBoard(i);
    }
    const size_t steps = std::max(plans[0].size(), plans[1].size());
    for (size_t n = 0; n < steps; ++n) {
        for (int i = 0; i < setup_.players; ++i) {
            const auto& plan = plans[static_cast<size_t>(i)];
            probe.Hold(i, n < plan.size() ? plan[n] : Action{});
        }
        probe.Ticks(4);
        if (probe.game().players[static_cast<size_t>(drivenIndex_)].finished) break;
    }
    // Then each stands and shoots what comes at it, as the real run would.
    for (int t = 0; t < tailTicks; t += 4) {
        for (int i = 0; i < setup_.players; ++i) {
            const int threat = ThreatDirIn(probe.game(), i, kShootOnSightRange);
            probe.Hold(i, {threat, threat != 0});
        }
        probe.Ticks(4);
    }
    int loss = 0;
    for (size_t i = 0; i < 2; ++i) {
        if (!watched[i]) continue;
        const Player& q = probe.game().players[i];
        if (q.dead)
            loss += kDeath;
        else if (!q.finished)
            loss += std::max(0, lifeBefore[i] - q.life);
    }
    return loss;
}

}  // namespace murk::route
