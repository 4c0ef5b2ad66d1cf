// What a bullet does to the square it hits.
#include "combat/impacts.h"

#include <array>
#include <string_view>

#include "base/tiles.h"
#include "players/bombs.h"
#include "game/host.h"
#include "game/tileclasses.h"

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
    {"A31", "A04", 5, Effect::None},     // star becomes a devil
    {"A09", "A00", 25, Effect::None},    // frog
    {"A02", "A00", 10, Effect::None},    // ant
    {"A04", "A02", 20, Effect::None},    // devil
    {"A06", "A04", 30, Effect::None},    // cow
    {"A07", "A06", 40, Effect::None},    // chigger
    {"A11", "A00", 25, Effect::None},    // horse
    {"A01", "A00", 50, Effect::None},    // ant producer
    {"A03", "A01", 70, Effect::None},    // devil producer
    {"A05", "A03", 90, Effect::None},    // cow producer
    {"A08", "A00", 75, Effect::None},    // frog producer
    {"A10", "A00", 150, Effect::Burst},  // horse producer
    {"A12", "A00", 3, Effect::None},     // baby pig producers, stages 1 to 4
    {"A13", "A00", 3, Effect::None},
    {"A14", "A00", 5, Effect::None},
    {"A15", "A00", 7, Effect::None},
    {"A18", "A00", 100, Effect::None},  // random producer
    {"A33", "A00", 0, Effect::Chain1},  // chain wall, stopped and moving
    {"A34", "A00", 0, Effect::Chain1},
    {"A36", "A00", 0, Effect::None},    // shootable wall
    {"B29", "A00", 0, Effect::Chain2},  // chain wall 2, stopped and moving
    {"B30", "A00", 0, Effect::Chain2},
    {"A41", "A00", 0, Effect::Bomb},
    {"A42", "", 0, Effect::Heart},
    {"A19", "", 0, Effect::None},  // the fire-dart producer only stops the bullet
}};

// A burst of the horse producer: what a chosen square becomes, by a draw below 7.
constexpr std::array<std::string_view, 7> kBurstTiles = {"A01", "A03", "A05", "A08",
                                                         "A10", "A18", "A07"};

struct ChainFamily {
    std::string_view stopped, moving;
};
constexpr ChainFamily kChain1{"A33", "A34"};
constexpr ChainFamily kChain2{"B29", "B30"};

struct Offset {
    int col, row;
};
// A chain passes on up, right, down, left, in that order.
constexpr std::array<Offset, 4> kChainNeighbours = {{{0, -1}, {1, 0}, {0, 1}, {-1, 0}}};

bool InRoom(int col, int row) {
    return col >= 1 && col <= kRoomCols && row >= 1 && row <= kRoomRows;
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
        SetSquare(g, host, col, row, "A07");
    }
    host.PlaySound("S08");
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
