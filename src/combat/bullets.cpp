// The bullet step: each player's one bullet fired while fire is held, flown a square per tick.
#include "combat/bullets.h"

#include <array>
#include <string_view>

#include "base/soundtable.h"
#include "base/square.h"
#include "base/tiles.h"
#include "combat/impacts.h"
#include "game/host.h"
#include "game/squares.h"

namespace murk {

namespace {

// Per player (index 0 is player 1): first bullet code of its run of eight, firing sound.
struct Gun {
    std::string_view firstBullet;
    std::string_view sound;
};
constexpr std::array<Gun, 2> kGuns = {
    {{code::P1Bullet1, sound::Shoot[0]}, {code::P2Bullet1, sound::Shoot[1]}}};

const Gun& GunOf(const Player& p) {
    return kGuns[p.number == 2 ? 1 : 0];
}

void Fire(Host& host, Player& p) {
    // A dead or finished player is off the board; its key releases can still leave a direction
    // and fire held, but it has nothing to shoot from.
    if (!IsDirection(p.heldDir) || !p.fireHeld || p.bulletInFlight || p.bombHeld || p.dead ||
        p.finished)
        return;
    p.bulletInFlight = true;
    p.bulletDir = p.heldDir;
    p.bulletCol = p.col;
    p.bulletRow = p.row;
    p.bulletSteps = 0;
    host.PlaySound(GunOf(p).sound);
}

// Takes the bullet off its square. Something that has taken the square since (a fire dart)
// is cleared only one time in three.
void Erase(Game& g, Host& host, const Player& p) {
    if (IsBullet(g, p.bulletCol, p.bulletRow) || host.Random(3) == 0)
        SetSquare(g, host, p.bulletCol, p.bulletRow, code::Floor);
}

void Move(Game& g, Host& host, Player& p) {
    const Square next = Step({p.bulletCol, p.bulletRow}, p.bulletDir);
    const int col = next.col, row = next.row;
    if (IsFloor(g, col, row)) {
        p.bulletCol = col;
        p.bulletRow = row;
        SetSquare(g, host, col, row, FamilyCode(GunOf(p).firstBullet, p.bulletDir));
        return;
    }
    if (IsBulletTarget(g, col, row)) Impact(g, host, col, row, p);
    p.bulletInFlight = false;
}

void PlayerBulletStep(Game& g, Host& host, Player& p, Footing pass) {
    if (!LetMessagesThrough(g, host, pass)) return;
    Fire(host, p);
    if (!p.bulletInFlight) return;
    if (!IsDirection(p.bulletDir)) {  // a record no firing wrote: the bullet cannot go anywhere
        p.bulletInFlight = false;
        return;
    }
    if (p.bulletSteps > 0) Erase(g, host, p);
    ++p.bulletSteps;
    if (!LetMessagesThrough(g, host, pass)) return;
    Move(g, host, p);
}

}  // namespace

void BulletStep(Game& g, Host& host, Footing pass) {
    PlayerBulletStep(g, host, g.P1(), pass);
    if (Stands(g, host, pass)) PlayerBulletStep(g, host, g.P2(), pass);
}

bool IsBullet(const Game& g, int col, int row) {
    const std::string& c = g.RoomGrid.Cell(col, row);
    const int i = TileIndex(c);
    return c.size() == 3 && i >= TileIndex(code::P1Bullet1) && i <= TileIndex(code::P2Bullet8);
}

}  // namespace murk
