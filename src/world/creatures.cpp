// Chasers and wanderers: their rules, the nearest target, the chase step and wall crossing.
#include "world/creatures.h"

#include <array>
#include <cstdlib>

#include "game/host.h"
#include "game/squares.h"
#include "players/damage.h"
#include "world/neighbour.h"
#include "world/rules.h"

namespace murk {

namespace {

struct Bite {
    std::string_view creature;
    int amount;
    bool withSound;
};

// What a creature takes from the player it reaches; it is used up by the bite.
constexpr std::array<Bite, 8> kBites = {{
    {code::Ant, 10, true},
    {code::Devil, 20, true},
    {code::Cow, 30, true},
    {code::Chigger, 40, true},
    {code::Horse, 90, true},
    {code::Pig, 50, true},
    {code::Frog, 50, false},
    {code::RandomProducer, 50, false},
}};

constexpr int kWanderOneIn = 3;
constexpr int kChasePassLimit = 600;  // a guard only: every pass gets strictly nearer

int Distance(Square a, Square b) {
    return std::abs(a.col - b.col) + std::abs(a.row - b.row);
}

const Bite* BiteOf(std::string_view creature) {
    for (const Bite& b : kBites)
        if (b.creature == creature) return &b;
    return nullptr;
}

// The creature reaches `to`: a player there is bitten (the creature is spent), any other square
// takes the creature.
void Reach(Game& g, Host& host, Square to, std::string_view code) {
    if (IsPlayerSquare(g, to.col, to.row)) {
        if (const Bite* b = BiteOf(code)) Damage(g, host, b->amount, LiveCode(g, to), b->withSound);
        return;
    }
    ArriveAt(g, host, to, code);
}

// The nearest enemy-open square of the 3 x 3 block around `centre` that beats `best`, the first
// in reading order among equals; `best` when none is strictly nearer.
Square NearerNeighbour(const Game& g, Square target, Square centre, Square best) {
    for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc) {
            const Square p{centre.col + dc, centre.row + dr};
            if (InPlayfield(p) && IsEnemyOpen(g, p.col, p.row) &&
                Distance(p, target) < Distance(best, target))
                best = p;
        }
    return best;
}

}  // namespace

Square NearestTarget(const Game& g, Square from) {
    const TargetList& t = g.world.targets;
    if (t.count <= 0) return from;
    Square best{t.items[0].col, t.items[0].row};
    for (int i = 1; i < t.count; ++i) {
        const Square p{t.items[static_cast<size_t>(i)].col, t.items[static_cast<size_t>(i)].row};
        if (Distance(p, from) <= Distance(best, from)) best = p;
    }
    return best;
}

Square ChaseStep(const Game& g, Square target, Square from) {
    Square best = from;
    for (int pass = 0; pass < kChasePassLimit; ++pass) {
        const Square next = NearerNeighbour(g, target, best, best);
        if (next == best) return from;  // no nearer way, or stuck inside a wall
        best = next;
        if (!IsEnemyPassableWall(g, best.col, best.row)) return best;
    }
    return from;
}

Square WallCrossing(const Game& g, int dir, Square from, Square wall) {
    Square p = wall;
    while (InPlayfield(p) && IsEnemyPassableWall(g, p.col, p.row)) p = Step(p, dir);
    return IsFloor(g, p.col, p.row) || IsPlayerSquare(g, p.col, p.row) ? p : from;
}

void Wander(Game& g, Host& host, Square at, std::string_view code) {
    if (!Chance(host, kWanderOneIn)) return;
    const int dir = RandomDirection(host);
    const Square step = Step(at, dir);
    if (!InPlayfield(step)) {
        // Over the edge: the room next door, by the square alone, takes the creature or not.
        if (PassToNeighbourRoom(g, at.col, at.row, code)) LeaveSquare(g, host, at, code);
        return;
    }
    if (!IsEnemyOpen(g, step.col, step.row)) return;
    const Square to =
        IsEnemyPassableWall(g, step.col, step.row) ? WallCrossing(g, dir, at, step) : step;
    if (to == at) return;
    LeaveSquare(g, host, at, code);
    Reach(g, host, to, code);
}

void ChaseRule(Game& g, Host& host, int col, int row, std::string_view code) {
    const Square at{col, row};
    const Square to = ChaseStep(g, NearestTarget(g, at), at);
    if (to == at) return;
    LeaveSquare(g, host, at, code);
    Reach(g, host, to, code);
}

void FrogRule(Game& g, Host& host, int col, int row, std::string_view code) {
    Wander(g, host, {col, row}, code);
}

}  // namespace murk
