// Producers, pig-producer growth, star spreading and burning chain walls.
#include "world/production.h"

#include <array>

#include "base/tiles.h"
#include "game/host.h"
#include "world/creatures.h"
#include "world/neighbour.h"
#include "world/rules.h"
#include "game/squares.h"

namespace murk {

namespace {

struct Production {
    std::string_view producer;
    int oneIn;
    std::string_view product;  // empty: the random producer's kind is drawn
    bool alsoNextDoor;         // an edge producer also breeds into the neighbouring room
};

constexpr std::array<Production, 7> kProduction = {{
    {"A01", 4, "A02", true},    // ant producer: ant
    {"A03", 5, "A04", true},    // devil producer: devil
    {"A05", 5, "A06", true},    // cow producer: cow
    {"A10", 5, "A11", true},    // horse producer: horse
    {"A08", 6, "A09", false},   // frog producer: frog
    {"A16", 14, "A17", false},  // adult pig producer: pig
    {"A18", 5, "", true},       // random producer: one of its kinds
}};

// The random producer's kinds, equally likely: ant, devil, cow, chigger, frog.
constexpr std::array<std::string_view, 5> kRandomKinds = {"A02", "A04", "A06", "A07", "A09"};

// Pig producer stages 1..4 and what each grows into.
constexpr std::array<std::array<std::string_view, 2>, 4> kGrowth = {
    {{"A12", "A13"}, {"A13", "A14"}, {"A14", "A15"}, {"A15", "A16"}}};

// Chain wall families: the moving code burns, its stopped neighbours of the same family catch.
constexpr std::array<std::array<std::string_view, 2>, 2> kChainWalls = {
    {{"A34", "A33"}, {"B30", "B29"}}};

constexpr int kSpawnTries = 64;
constexpr int kGrowOneIn = 8;
constexpr int kSpreadOneIn = 4;
constexpr std::string_view kStar = "A31";
constexpr std::array<int, 4> kBurnDirs = {1, 3, 5, 7};  // north, east, south, west

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
        const Square p = Step(at, host.Random(8) + 1);
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
    SpawnBeside(g, host, {col, row}, kStar);
    PassToNeighbourRoom(g, col, row, kStar);  // only from an edge square
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
