// Damage to players: the shield, death below 0 life, and the hurt and death sounds.
#include "players/damage.h"

#include "shell/render.h"
#include "players/board.h"
#include "shell/app.h"

namespace murk {

namespace {

// Death fields, beams walked into and bomb blasts: a shield does not stop these.
constexpr int kPiercingAmount = 200;

void Die(App& app, Player& p) {
    p.dead = true;
    p.heldDir = 0;
    p.shieldTime = 0;
    p.bombHeld = false;
    p.menuOpen = false;
    SetSquare(app, p.col, p.row, code::Floor);
    PlaySound(app, "S06");
}

}  // namespace

void Damage(App& app, int amount, std::string_view playerCode, bool withSound) {
    Player& p = playerCode == code::Player1 ? app.game.P1() : app.game.P2();
    // A player off the board cannot be hurt: its stored square may hold something else by now.
    if (!OnBoard(app.game, p)) return;
    if (p.shieldTime <= 0 || amount >= kPiercingAmount) p.life -= amount;
    if (p.life < 0)
        Die(app, p);
    else if (withSound)
        PlaySound(app, "S05");
}

}  // namespace murk
