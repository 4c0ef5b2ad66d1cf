// The route tool's player: one decision per player step, checked ahead in a scratch simulator.
#include "router.h"

#include <algorithm>
#include <array>
#include <climits>
#include <string_view>

#include "game/state.h"
#include "heldkeys.h"
#include "level/tiles.h"
#include "pathfind.h"
#include "shell/app.h"
#include "sim/sim.h"

namespace murk::route {

namespace {

constexpr int kStallSteps = 200;  // player steps without getting nearer before giving up
constexpr int kNoWaySteps = 100;  // player steps without any way before giving up
constexpr int kShootOnSightRange = 8;
constexpr int kShootRunLimit = 40;  // then only creatures about to bite are shot on sight
constexpr int kWarpTicks = 250;
constexpr int kDeath = 1000;         // a probe's loss when a player dies
constexpr int kBiteAfterSteps = 12;  // player steps without progress before a bite is taken

DirKeys DirKeysOf(const Player& p) {
    return {p.upKey, p.downKey, p.leftKey, p.rightKey};
}

std::string Header(const RouteSetup& s, int speed) {
    return "players " + std::to_string(s.players) + "\nlevel " + std::to_string(s.level) +
           "\nseed " + std::to_string(s.seed) + "\nspeed " + std::to_string(speed) +
           "\nsound off\nstart\n";
}

bool RunLines(SimSession& sim, const std::string& text) {
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        if (!sim.Run(line)) return false;
    return true;
}

// The level sources' characters, for pictures in reports.
char PictureChar(const std::string& c) {
    static const std::array<std::pair<std::string_view, char>, 40> kChars = {{
        {"A00", '.'}, {"A32", '#'}, {"A39", 'X'}, {"A33", '='}, {"A34", '='}, {"B29", '~'},
        {"B30", '~'}, {"A36", '%'}, {"A35", ':'}, {"A40", '|'}, {"A37", '$'}, {"A38", '+'},
        {"A29", 'k'}, {"A28", 'D'}, {"A41", 'b'}, {"A43", 's'}, {"A42", '&'}, {"A30", '!'},
        {"A46", '1'}, {"A47", '2'}, {"A45", 'F'}, {"A01", 'A'}, {"A02", 'a'}, {"A03", 'V'},
        {"A04", 'v'}, {"A05", 'C'}, {"A06", 'c'}, {"A07", 'g'}, {"A08", 'R'}, {"A09", 'r'},
        {"A10", 'H'}, {"A11", 'h'}, {"A16", 'P'}, {"A17", 'p'}, {"A18", '?'}, {"A19", '^'},
        {"B28", '>'}, {"A31", '*'}, {"A44", '.'}, {"A12", 'u'},
    }};
    if (!c.empty() && c[0] == 'Z') return 'z';
    for (const auto& [code, ch] : kChars)
        if (code == c) return ch;
    const int i = TileIndex(c);
    if (i >= 13 && i <= 15) return 'u';
    if (i >= 48 && i <= 63) return 'o';  // bullets
    if (i >= 64 && i <= 71) return 'd';  // fire darts
    for (int first : {20, 80, 96, 112})
        if (i >= first && i < first + 8) return 'L';  // laser producers
    return '-';                                       // laser beams and anything else
}

}  // namespace

// ---- Driver ----

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

// ---- Router ----

Router::Router(const RouteSetup& setup, std::ostream& report)
    : setup_(setup),
      report_(report),
      mainSim_(std::make_unique<SimSession>(mainOut_)),
      scratchSim_(std::make_unique<SimSession>(scratchOut_)) {
    main_ = std::make_unique<Driver>(*mainSim_, &script_);
}

Router::~Router() = default;

const Game& Router::game() const {
    return mainSim_->app().game;
}
const Player& Router::driven() const {
    return game().players[static_cast<size_t>(drivenIndex_)];
}
Spot Router::Here() const {
    const Game& g = game();
    return LevelMap::ToSpot(g.CurrentRoomCol, g.CurrentRoomRow, {driven().col, driven().row});
}

std::string Router::Script() const {
    std::string text;
    for (const std::string& line : script_) text += line + '\n';
    return text;
}

void Router::Progress(const RouteStep& step) {
    const Game& g = game();
    report_ << "line " << step.line << " (" << step.text << "): tick " << g.world.clocks.tick
            << ", room " << g.CurrentRoomCol << ',' << g.CurrentRoomRow;
    for (int i = 0; i < setup_.players; ++i) {
        const Player& p = g.players[static_cast<size_t>(i)];
        report_ << ", player " << (i + 1)
                << (p.finished ? " finished"
                    : p.dead   ? " dead"
                               : "")
                << " at " << p.col << ',' << p.row << " life " << p.life << " points " << p.points;
    }
    report_ << '\n';
}

void Router::Trace(const StepKeys& keys, const PathResult& path, bool fetching) {
    const Game& g = game();
    report_ << "  tick " << g.world.clocks.tick << " room " << g.CurrentRoomCol << ','
            << g.CurrentRoomRow;
    for (int i = 0; i < setup_.players; ++i) {
        const Player& p = g.players[static_cast<size_t>(i)];
        const Action a = keys[static_cast<size_t>(i)];
        report_ << " | p" << (i + 1) << ' ' << p.col << ',' << p.row << " life " << p.life << ' '
                << (a.fire  ? "shoots "
                    : a.dir ? "walks "
                            : "stands")
                << (a.dir ? DirectionName(a.dir) : "");
    }
    report_ << " | way " << (fetching ? "to a key " : "")
            << (path.found ? std::to_string(path.cost) : "none") << '\n';
}

void Router::Note(const std::string& what) {
    script_.push_back("# " + what);
}

bool Router::Fail(const std::string& why) {
    const Game& g = game();
    const Player& p = driven();
    report_ << "levelroute: ";
    if (step_) report_ << "line " << step_->line << " (" << step_->text << "): ";
    report_ << why << '\n';
    if (!started_) return false;
    report_ << "  tick " << g.world.clocks.tick << ", room " << g.CurrentRoomCol << ','
            << g.CurrentRoomRow << ", player " << (drivenIndex_ + 1) << " at " << p.col << ','
            << p.row << ", life " << p.life << ", keys " << p.keys << ", kits " << p.kits
            << ", bombs " << p.bombs << (p.dead ? ", dead" : "") << '\n'
            << RoomPicture(g);
    Note("the route failed here: " + why);
    return false;
}

bool Router::Play(const Route& route) {
    const std::string levelName = [&] {
        std::string n = std::to_string(setup_.level);
        return "Level" + std::string(n.size() < 3 ? 3 - n.size() : 0, '0') + n;
    }();
    for (size_t i = 0; i < route.about.size(); ++i)
        script_.push_back("# " + (i == 0 ? levelName + ": " : std::string()) + route.about[i]);
    if (route.about.empty()) script_.push_back("# " + levelName + ": written by levelroute");
    if (!mainSim_->Start() || !scratchSim_->Start()) return Fail("no levels in this folder");
    std::istringstream header(Header(setup_, 20));
    for (std::string line; std::getline(header, line);)
        if (!main_->Send(line)) return Fail("the simulator refused '" + line + "'");
    RunLines(*scratchSim_, Header(setup_, 0));
    if (game().GameStopped) return Fail("the game did not start:\n" + mainOut_.str());
    started_ = true;
    main_->ToNextStep();
    for (const RouteStep& step : route.steps) {
        step_ = &step;
        Note(step.text);
        if (!RunStep(step)) return false;
        Progress(step);
        if (!OnBoard(0) && !OnBoard(1)) break;
    }
    if (!game().players[0].finished && !game().players[1].finished)
        return Fail("the route ends before the finish");
    // Once one player is through, the other follows it to the finish.
    step_ = nullptr;
    while (OnBoard(0) || OnBoard(1)) {
        drivenIndex_ = OnBoard(0) ? 0 : 1;
        Note("player " + std::to_string(drivenIndex_ + 1) + " follows to the finish");
        if (Go(LevelMap(game()).Find("A45"), true) == Outcome::Failed) return false;
    }
    if (!game().players[0].finished) return Fail("player 1 did not reach the finish");
    HoldAll({});
    main_->Ticks(kWarpTicks);
    main_->Send("dump");
    if (game().players[0].levelsPassed < 1)
        return Fail("no warp to the next level after the finish");
    std::string output;
    if (!ScriptFinishes(Script(), output)) return Fail("the replayed script does not finish");
    return true;
}

bool Router::RunStep(const RouteStep& step) {
    const std::vector<int>& a = step.args;
    const std::string& v = step.verb;
    if (v == "goto" || v == "finish") {
        std::vector<Spot> goals;
        if (v == "finish") {
            goals = LevelMap(game()).Find("A45");
            if (goals.empty()) return Fail("the level has no finish");
        } else {
            const Game& g = game();
            const int rc = a.size() == 2 ? g.CurrentRoomCol : a[0],
                      rr = a.size() == 2 ? g.CurrentRoomRow : a[1];
            const Square sq{a[a.size() - 2], a[a.size() - 1]};
            if (rc >= g.LevelGrid.ColCount() || rr >= g.LevelGrid.RowCount())
                return Fail("there is no room " + std::to_string(rc) + "," + std::to_string(rr) +
                            " in this level");
            if (!InPlayfield(sq)) return Fail("a square is column 1..30, row 1..19");
            goals.push_back(LevelMap::ToSpot(rc, rr, sq));
        }
        return Go(goals, v == "finish") != Outcome::Failed;
    }
    if (v == "wait") {
        HoldAll({});
        main_->Ticks(a[0]);
        main_->ToNextStep();
        return !driven().dead || Fail("player died while waiting");
    }
    if (v == "shoot") {
        HoldAll({});
        main_->Hold(drivenIndex_, {a[0], true});
        main_->Ticks(a.size() > 1 ? a[1] : 16);
        main_->Hold(drivenIndex_, {});
        main_->ToNextStep();
        return !driven().dead || Fail("player died while shooting");
    }
    if (v ==
        "step") {  // walks blindly: onto a death field, into a beam, wherever the designer says
        HoldAll({});
        main_->Hold(drivenIndex_, {a[0], false});
        main_->Ticks(4 * (a.size() > 1 ? a[1] : 1));
        HoldAll({});
        return true;
    }
    if (v == "kit") return UseKit(drivenIndex_);
    if (v == "bomb") return Bomb(a);
    if (v == "player") {
        if (setup_.players != 2) return Fail("'player' needs a two-player game (-p 2)");
        HoldAll({});
        drivenIndex_ = a[0] - 1;
        return true;
    }
    if (v == "down" || v == "up") {
        main_->Key(v == "down", a[0]);
        return true;
    }
    if (v == "tick") {
        main_->Ticks(a[0]);
        main_->ToNextStep();
        return true;
    }
    return Fail("unknown verb");
}

bool Router::OnBoard(int index) const {
    const Player& p = game().players[static_cast<size_t>(index)];
    return !p.dead && !p.finished && (index == 0 || setup_.players == 2);
}

Spot Router::PartnerSpot() const {
    const int partner = Partner();
    if (partner < 0) return {};
    const Player& q = game().players[static_cast<size_t>(partner)];
    return LevelMap::ToSpot(game().CurrentRoomCol, game().CurrentRoomRow, {q.col, q.row});
}

int Router::Partner() const {
    const int other = 1 - drivenIndex_;
    return OnBoard(other) ? other : -1;
}

bool Router::NeedsKit(int index) const {
    const Player& p = game().players[static_cast<size_t>(index)];
    return OnBoard(index) && p.life <= setup_.kitLife && p.life < 90 && p.kits > 0;
}

void Router::HoldAll(const StepKeys& keys) {
    for (int i = 0; i < setup_.players; ++i) main_->Hold(i, keys[static_cast<size_t>(i)]);
}

Router::Outcome Router::Go(const std::vector<Spot>& goals, bool toFinish) {
    int best = INT_MAX, noWay = 0, bestFor = -1;
    int& stall = stall_;
    stall = 0;
    shootRun_ = 0;
    partnerOffLine_ = 0;
    for (;;) {
        const Player& p = driven();
        if (p.finished) return Outcome::Finished;
        if (p.dead)
            return Fail("player " + std::to_string(drivenIndex_ + 1) + " died"), Outcome::Failed;
        const int partner = Partner();
        const Spot here = Here();
        if (!toFinish && std::ranges::find(goals, here) != goals.end()) {
            HoldAll({});
            return Outcome::Reached;
        }
        if (NeedsKit(drivenIndex_) || (partner >= 0 && NeedsKit(partner))) {
            if (!UseKit(NeedsKit(drivenIndex_) ? drivenIndex_ : partner)) return Outcome::Failed;
            continue;
        }
        const LevelMap map(game());
        PathResult path = FindPath(map, here, goals, p.keys, PartnerSpot());
        // A door in the way and no key in hand: the nearest key the player can reach first.
        bool fetching = false;
        if (!path.found) {
            const std::vector<Spot> keySquares = map.Find("A29");
            PathResult toKey = FindPath(map, here, keySquares, p.keys, PartnerSpot());
            if (toKey.found) path = std::move(toKey), fetching = true;
        }
        // Progress is measured toward the current aim: the goal, or a key (a new one each time).
        const int aim = fetching ? 1 + p.keys : 0;
        if (aim != bestFor) best = INT_MAX, bestFor = aim;
        if (!path.found) {
            if (++noWay > kNoWaySteps) return Fail("no way to the goal"), Outcome::Failed;
        } else if (path.cost < best) {
            best = path.cost, stall = 0, shootRun_ = 0;
        } else if (++stall > kStallSteps) {
            return Fail("stuck: no nearer to the goal for " + std::to_string(kStallSteps) +
                        " player steps"),
                   Outcome::Failed;
        }
        const StepKeys keys = Decide(map, path);
        if (setup_.verbose) Trace(keys, path, fetching);
        HoldAll(keys);
        if (partnerOffLine_ > kNoWaySteps)
            return Fail("player " + std::to_string(partner + 1) +
                        " finds no way onto the edge line beside player " +
                        std::to_string(drivenIndex_ + 1) +
                        ": both leave a room together, side by side (make the opening two "
                        "squares wide)"),
                   Outcome::Failed;
        const int roomCol = game().CurrentRoomCol, roomRow = game().CurrentRoomRow;
        main_->Ticks(4);
        if (game().CurrentRoomCol != roomCol || game().CurrentRoomRow != roomRow)
            Note("room " + std::to_string(game().CurrentRoomCol) + "," +
                 std::to_string(game().CurrentRoomRow));
    }
}

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
            if (c == "A00") continue;
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
    for (int r = 1; r <= 19; ++r)
        for (int c = 1; c <= 30; ++c) {
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

bool Router::UseKit(int index) {
    const Player& p = game().players[static_cast<size_t>(index)];
    if (p.kits < 1) return Fail("no health kit to use");
    HoldAll({});
    main_->Key(true, p.menuKey);
    main_->Key(false, p.menuKey);  // the item menu opens on the menu key's release, on "life"
    main_->Key(true, p.fireKey);
    main_->Key(false, p.fireKey);
    const int kitsBefore = p.kits;
    main_->Ticks(4);
    if (p.kits == kitsBefore) return Fail("the health kit was not used");
    return !p.dead || Fail("player died using a health kit");
}

bool Router::Bomb(const std::vector<int>& args) {
    const Player& p = driven();
    if (p.bombs < 1) return Fail("no bomb to lay");
    main_->Hold(drivenIndex_, {});
    main_->Key(true, p.menuKey);
    main_->Key(false, p.menuKey);
    main_->Key(true, p.leftKey);  // "bomb" in the item menu
    main_->Key(false, p.leftKey);
    main_->Key(true, p.fireKey);  // lays it; holding fire steers it
    main_->Ticks(4);
    if (!driven().bombHeld) return Fail("the bomb was not laid");
    for (size_t i = 0; i + 1 < args.size() && driven().bombHeld; i += 2) {
        main_->Hold(drivenIndex_, {args[i], true});
        main_->Ticks(4 * args[i + 1]);
    }
    main_->Hold(drivenIndex_, {0, true});
    main_->Hold(drivenIndex_, {});  // releasing fire sets it off
    main_->Ticks(4);
    return !driven().dead || Fail("player died in the bomb's blast");
}

// ---- Checking and pictures ----

bool ScriptFinishes(const std::string& script, std::string& output) {
    std::istringstream in(script);
    std::ostringstream out, err;
    RunSimulator(in, out, err);
    output = out.str() + err.str();
    // The last dump's player-1 line.
    const size_t dump = output.rfind("\nstate ");
    if (dump == std::string::npos) return false;
    const size_t p1 = output.find("\np1 ", dump);
    if (p1 == std::string::npos) return false;
    const std::string line = output.substr(p1 + 1, output.find('\n', p1 + 1) - p1 - 1);
    return line.find(" levels=1 ") != std::string::npos;
}

std::string RoomPicture(const Game& g) {
    std::string text;
    for (int r = 1; r <= 19; ++r) {
        text += "  ";
        for (int c = 1; c <= 30; ++c) text += PictureChar(g.RoomGrid.Cell(c, r));
        text += '\n';
    }
    return text;
}

}  // namespace murk::route
