// The route tool's player: runs the route's steps, walking to goals one player step at a time.
#include "router.h"

#include <algorithm>
#include <climits>

#include "game/state.h"
#include "shell/app.h"
#include "sim/sim.h"

namespace murk::route {

namespace {

constexpr int kStallSteps = 200;  // player steps without getting nearer before giving up
constexpr int kNoWaySteps = 100;  // player steps without any way before giving up
constexpr int kWarpTicks = 250;   // passes after the finish for the warp to the next level

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

}  // namespace

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
        if (Go(LevelMap(game()).Find(code::Finish), true) == Outcome::Failed) return false;
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
            goals = LevelMap(game()).Find(code::Finish);
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
            const std::vector<Spot> keySquares = map.Find(code::Key);
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

}  // namespace murk::route
