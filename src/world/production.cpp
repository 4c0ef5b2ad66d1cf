// Producers, pig-producer growth, star spreading and burning chain walls.
#include "world/production.h"

#include <array>

#include "base/tiles.h"
#include "game/host.h"
#include "game/squares.h"
#include "world/creatures.h"
#include "world/neighbour.h"
#include "world/rules.h"

namespace murk {

namespace {

struct Production {
    std::string_view producer;
    int oneIn;
    std::string_view product;  // empty: the random producer's kind is drawn
    bool alsoNextDoor;         // an edge producer also breeds into the neighbouring room
};

constexpr std::array<Production, 7> kProduction = {{
    {code::AntProducer, 4, code::Ant, true},
    {code::DevilProducer, 5, code::Devil, true},
    {code::CowProducer, 5, code::Cow, true},
    {code::HorseProducer, 5, code::Horse, true},
    {code::FrogProducer, 6, code::Frog, false},
    {code::AdultPigProducer, 14, code::Pig, false},
    {code::RandomProducer, 5, "", true},
}};

// The random producer's kinds, equally likely.
constexpr std::array<std::string_view, 5> kRandomKinds = {code::Ant, code::Devil, code::Cow,
                                                          code::Chigger, code::Frog};

// Pig producer stages 1..4 and what each grows into.
constexpr std::array<std::array<std::string_view, 2>, 4> kGrowth = {
    {{code::PigProducer1, code::PigProducer2},
     {code::PigProducer2, code::PigProducer3},
     {code::PigProducer3, code::PigProducer4},
     {code::PigProducer4, code::AdultPigProducer}}};

// Chain wall families: the moving code burns, its stopped neighbours of the same family catch.
constexpr std::array<std::array<std::string_view, 2>, 2> kChainWalls = {
    {{code::ChainWallMoving, code::ChainWallStopped},
     {code::ChainWall2Moving, code::ChainWall2Stopped}}};

constexpr int kSpawnTries = 64;
constexpr int kGrowOneIn = 8;
constexpr int kSpreadOneIn = 4;
constexpr std::array<int, 4> kBurnDirs = {dir::North, dir::East, dir::South, dir::West};

const Production* ProductionOf(std::string_view producer) {
    for (const Production& p : kProduction)
        if (p.producer == producer) return &p;
    return nullptr;
}

void ProducerRule(Game& g, Host& host, int col, int row, std::string_view code) {
    Produce(g, host, {col, row}, code);
}

}  // namespace

void SpawnBeside(Game& g, Host& host, Square at, std::string_view code) {
    for (int i = 0; i < kSpawnTries; ++i) {
        const Square p = Step(at, RandomDirection(host));
        if (InPlayfield(p) && IsFloor(g, p.col, p.row)) {
            ArriveAt(g, host, p, code);
            return;
        }
    }
}

void Produce(Game& g, Host& host, Square at, std::string_view producer) {
    const Production* p = ProductionOf(producer);
    if (!p || !Chance(host, p->oneIn)) return;
    const std::string_view product =
        p->product.empty() ? kRandomKinds[static_cast<size_t>(host.Random(5))] : p->product;
    SpawnBeside(g, host, at, product);
    if (p->alsoNextDoor) PassToNeighbourRoom(g, at.col, at.row, product);
}

void ProduceRule(Game& g, Host& host, int col, int row, std::string_view code) {
    ProducerRule(g, host, col, row, code);
}
void AdultPigProducerRule(Game& g, Host& host, int col, int row, std::string_view code) {
    ProducerRule(g, host, col, row, code);
}
void FrogProducerRule(Game& g, Host& host, int col, int row, std::string_view code) {
    ProducerRule(g, host, col, row, code);
}

// The random producer wanders first, then breeds around the square where the scan found it.
void RandomProducerRule(Game& g, Host& host, int col, int row, std::string_view code) {
    Wander(g, host, {col, row}, code);
    Produce(g, host, {col, row}, code);
}

void GrowPigProducerRule(Game& g, Host& host, int col, int row, std::string_view code) {
    if (!Chance(host, kGrowOneIn)) return;
    for (const auto& [stage, next] : kGrowth)
        if (stage == code) SetSquare(g, host, col, row, next);
}

void StarRule(Game& g, Host& host, int col, int row, std::string_view) {
    if (!Chance(host, kSpreadOneIn)) return;
    SpawnBeside(g, host, {col, row}, code::Star);
    PassToNeighbourRoom(g, col, row, code::Star);  // only from an edge square
}

// The burn goes on from a square even when something took it over: the reaction is under way.
// Neighbours are judged by the snapshot alone, so the front advances one square per due tick
// whatever else wrote on the live room earlier in the scan.
void BurnChainWallRule(Game& g, Host& host, int col, int row, std::string_view code) {
    for (const auto& [moving, stopped] : kChainWalls) {
        if (moving != code) continue;
        LeaveSquare(g, host, {col, row}, moving);
        for (int dir : kBurnDirs) {
            const Square n = Step({col, row}, dir);
            if (g.BufferGrid.Cell(n.col, n.row) == stopped)
                SetSquare(g, host, n.col, n.row, moving);
        }
    }
}

}  // namespace murk
