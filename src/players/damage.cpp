// Damage to players: the shield, death below 0 life, and the hurt and death sounds.
#include "players/damage.h"

#include "base/soundtable.h"
#include "game/host.h"
#include "players/board.h"

namespace murk {

namespace {

// Death fields, beams walked into and bomb blasts: a shield does not stop these.
constexpr int kPiercingAmount = 200;

void Die(Game& g, Host& host, Player& p) {
    p.dead = true;
    p.heldDir = dir::None;
    p.shieldTime = 0;
    p.bombHeld = false;
    p.menuOpen = false;
    SetSquare(g, host, p.col, p.row, code::Floor);
    host.PlaySound(sound::Die);
}

}  // namespace

void Damage(Game& g, Host& host, int amount, std::string_view playerCode, bool withSound) {
    Player& p = playerCode == code::Player1 ? g.P1() : g.P2();
    // A player off the board cannot be hurt: its stored square may hold something else by now.
    if (!OnBoard(g, p)) return;
    if (p.shieldTime <= 0 || amount >= kPiercingAmount) p.life -= amount;
    if (p.life < 0)
        Die(g, host, p);
    else if (withSound)
        host.PlaySound(sound::Hurt);
}

}  // namespace murk
