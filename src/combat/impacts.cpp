// What a bullet does to the square it hits.
#include "combat/impacts.h"

#include <array>
#include <string_view>

#include "base/soundtable.h"
#include "base/square.h"
#include "base/tiles.h"
#include "game/host.h"
#include "game/tileclasses.h"
#include "players/bombs.h"

namespace murk {

namespace {

enum class Effect { None, Burst, Chain1, Chain2, Bomb, Heart };

// One hit tile: what stands there afterwards ("" leaves the square to the effect, or as it is),
// the points for the shooter, and what else happens.
struct ImpactRow {
    std::string_view hit;
    std::string_view result;
    int points;
    Effect effect;
};

// Enemies step down chigger > cow > devil > ant > gone; producers devil > ant and cow > devil.
constexpr std::array<ImpactRow, 25> kImpacts = {{
    {code::Star, code::Devil, 5, Effect::None},
    {code::Frog, code::Floor, 25, Effect::None},
    {code::Ant, code::Floor, 10, Effect::None},
    {code::Devil, code::Ant, 20, Effect::None},
    {code::Cow, code::Devil, 30, Effect::None},
    {code::Chigger, code::Cow, 40, Effect::None},
    {code::Horse, code::Floor, 25, Effect::None},
    {code::AntProducer, code::Floor, 50, Effect::None},
    {code::DevilProducer, code::AntProducer, 70, Effect::None},
    {code::CowProducer, code::DevilProducer, 90, Effect::None},
    {code::FrogProducer, code::Floor, 75, Effect::None},
    {code::HorseProducer, code::Floor, 150, Effect::Burst},
    {code::PigProducer1, code::Floor, 3, Effect::None},
    {code::PigProducer2, code::Floor, 3, Effect::None},
    {code::PigProducer3, code::Floor, 5, Effect::None},
    {code::PigProducer4, code::Floor, 7, Effect::None},
    {code::RandomProducer, code::Floor, 100, Effect::None},
    {code::ChainWallStopped, code::Floor, 0, Effect::Chain1},
    {code::ChainWallMoving, code::Floor, 0, Effect::Chain1},
    {code::ShootableWall, code::Floor, 0, Effect::None},
    {code::ChainWall2Stopped, code::Floor, 0, Effect::Chain2},
    {code::ChainWall2Moving, code::Floor, 0, Effect::Chain2},
    {code::Bomb, code::Floor, 0, Effect::Bomb},
    {code::Heart, "", 0, Effect::Heart},
    {code::FireProducer, "", 0, Effect::None},  // it only stops the bullet
}};

// A burst of the horse producer: what a chosen square becomes, by a draw below 7.
constexpr std::array<std::string_view, 7> kBurstTiles = {
    code::AntProducer,   code::DevilProducer,  code::CowProducer, code::FrogProducer,
    code::HorseProducer, code::RandomProducer, code::Chigger};

struct ChainFamily {
    std::string_view stopped, moving;
};
constexpr ChainFamily kChain1{code::ChainWallStopped, code::ChainWallMoving};
constexpr ChainFamily kChain2{code::ChainWall2Stopped, code::ChainWall2Moving};

struct Offset {
    int col, row;
};
// A chain passes on up, right, down, left, in that order.
constexpr std::array<Offset, 4> kChainNeighbours = {{{0, -1}, {1, 0}, {0, 1}, {-1, 0}}};

bool InRoom(int col, int row) {
    return InPlayfield({col, row});
}

// Outside the playfield every square reads as the empty text, which belongs to no class.
std::string_view At(const Game& g, int col, int row) {
    return InRoom(col, row) ? std::string_view(g.RoomGrid.Cell(col, row)) : std::string_view();
}

const ImpactRow* ImpactFor(std::string_view code) {
    for (const ImpactRow& row : kImpacts)
        if (row.hit == code) return &row;
    return nullptr;
}

// The 3 x 3 block around the blown-up horse producer fills at random with producers and
// chiggers; only squares holding floor or something hostile take them.
void Burst(Game& g, Host& host, int col, int row) {
    for (int r = row - 1; r <= row + 1; ++r)
        for (int c = col - 1; c <= col + 1; ++c) {
            if (!InRoom(c, r) || host.Random(2) == 1) continue;
            if (At(g, c, r) == code::Floor || IsHostileTile(g, c, r))
                SetSquare(g, host, c, r, kBurstTiles[static_cast<size_t>(host.Random(7))]);
        }
}

void StartChain(Game& g, Host& host, int col, int row, const ChainFamily& family) {
    for (const Offset& o : kChainNeighbours)
        if (At(g, col + o.col, row + o.row) == family.stopped)
            SetSquare(g, host, col + o.col, row + o.row, family.moving);
}

// In a two-player game a heart brings back a dead player, player 1 first; otherwise it hatches.
void HitHeart(Game& g, Host& host, int col, int row) {
    static constexpr std::array<std::string_view, 2> kPlayerTiles = {code::Player1, code::Player2};
    size_t revived = g.players.size();
    if (g.PlayerCount == 2)
        for (size_t i = 0; i < g.players.size() && revived == g.players.size(); ++i)
            if (g.players[i].dead) revived = i;
    if (revived < g.players.size()) {
        Player& p = g.players[revived];
        p.col = col;
        p.row = row;
        p.life = 50;
        p.dead = false;
        p.status.clear();
        SetSquare(g, host, col, row, kPlayerTiles[revived]);
    } else {
        SetSquare(g, host, col, row, code::Chigger);
    }
    host.PlaySound(sound::HeartHit);
}

}  // namespace

bool IsBulletTarget(const Game& g, int col, int row) {
    return ImpactFor(At(g, col, row)) != nullptr;
}

void Impact(Game& g, Host& host, int col, int row, Player& shooter) {
    const ImpactRow* hit = ImpactFor(At(g, col, row));
    if (!hit) return;
    if (!hit->result.empty()) SetSquare(g, host, col, row, hit->result);
    shooter.points += hit->points;
    switch (hit->effect) {
        case Effect::None:
            break;
        case Effect::Burst:
            Burst(g, host, col, row);
            break;
        case Effect::Chain1:
            StartChain(g, host, col, row, kChain1);
            break;
        case Effect::Chain2:
            StartChain(g, host, col, row, kChain2);
            break;
        case Effect::Bomb:
            ShootBomb(g, host, col, row);
            break;
        case Effect::Heart:
            HitHeart(g, host, col, row);
            break;
    }
}

}  // namespace murk
