// The bare game of the rule tests.
#include "rules_fixture.h"

#include "level/room.h"
#include "players/input.h"
#include "players/step.h"
#include "world/tick.h"

namespace murk::test {

namespace {

void GiveKeys(Player& p, int up, int down, int left, int right, int fire, int menu) {
    p.upKey = up, p.downKey = down, p.leftKey = left, p.rightKey = right;
    p.fireKey = fire, p.menuKey = menu;
}

}  // namespace

void RulesTest::Start(int players, const LevelSpec& level) {
    Game& g = game_;
    g.LevelGrid = LevelGridOf(level);
    ++g.LevelSerial;
    g.P1().startCol = level.p1Col, g.P1().startRow = level.p1Row;
    g.P2().startCol = level.p2Col, g.P2().startRow = level.p2Row;
    g.StartRoomCol = level.startRoomCol, g.StartRoomRow = level.startRoomRow;
    ASSERT_TRUE(EnterRoom(g, host, g.StartRoomCol, g.StartRoomRow));
    g.PlayerCount = players;
    InitPlayer(g.P1(), 1);
    InitPlayer(g.P2(), 2);
    GiveKeys(g.P1(), key::Up, key::Down, key::Left, key::Right, key::Fire, key::Menu);
    GiveKeys(g.P2(), key::Up2, key::Down2, key::Left2, key::Right2, key::Fire2, key::Menu2);
    if (players == 1 && At(P2().col, P2().row) == "A47") Put(P2().col, P2().row, "A00");
    g.GameStopped = false;
    g.rng.Seed(7);  // a fixed seed: every run of a test sees the same numbers
    host.calls.clear();
}

void RulesTest::StartOn(int players, const LevelSpec& level) {
    Start(players, level);
    ClearRoom();
    Place(P1(), 3, 4);
    if (players == 2) Place(P2(), 5, 4);
}

void RulesTest::Abort() {
    game_.GameStopped = true;
    game_.PlayerCount = 0;
}

void RulesTest::PutAll(std::initializer_list<Square> squares, const std::string& code) {
    for (const Square p : squares) Put(p.col, p.row, code);
}

void RulesTest::ClearRoom() {
    for (int r = 1; r <= kRoomRows; ++r)
        for (int c = 1; c <= kRoomCols; ++c) Put(c, r, "A00");
}

void RulesTest::WallAround(int col, int row, std::initializer_list<Square> gaps) {
    for (int dir = 1; dir <= 8; ++dir) {
        const Square p = Step({col, row}, dir);
        bool gap = false;
        for (const Square q : gaps) gap = gap || q == p;
        if (!gap) Put(p.col, p.row, "A32");
    }
}

int RulesTest::Count(const std::string& code) {
    int n = 0;
    for (int r = 1; r <= kRoomRows; ++r)
        for (int c = 1; c <= kRoomCols; ++c) n += At(c, r) == code;
    return n;
}

void RulesTest::Place(Player& p, int col, int row) {
    if (At(p.col, p.row) == (p.number == 1 ? "A46" : "A47")) Put(p.col, p.row, "A00");
    p.col = col;
    p.row = row;
    Put(col, row, p.number == 1 ? "A46" : "A47");
}

void RulesTest::Down(int key) {
    PlayersKeyDown(game_, host, key);
}

void RulesTest::Up(int key) {
    PlayersKeyUp(game_, host, key);
}

void RulesTest::FireOnBomb() {
    Up(key::Menu);
    Down(key::Left);
    Up(key::Left);
    Down(key::Fire);
}

void RulesTest::Steps(int n) {
    for (int i = 0; i < n; ++i) PlayerStep(game_, host, FootingNow(game_));
}

void RulesTest::Walk(int dir, int steps) {
    P1().heldDir = dir;
    Steps(steps);
}

void RulesTest::Scan(uint64_t tick, uint64_t laser) {
    game_.world.clocks = {tick, laser, laser, laser};
    WorldTick(game_, host);
}

void RulesTest::Scans(int n) {
    for (int i = 0; i < n; ++i) Scan();
}

void WorldTest::StartWorld(const LevelSpec& level) {
    StartOn(1, level);
    P1().shieldTime = 1'000'000;
}

void WorldTest::RemoveP1() {
    Put(P1().col, P1().row, "A00");
    P1().dead = true;
}

}  // namespace murk::test
