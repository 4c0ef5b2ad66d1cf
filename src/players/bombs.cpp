// Bombs: laying one from the item menu, steering it, setting it off, and the blast.
#include "players/bombs.h"

#include <array>

#include "base/soundtable.h"
#include "game/host.h"
#include "game/tileclasses.h"
#include "players/board.h"
#include "players/damage.h"

namespace murk {

namespace {

constexpr int kBlastDamage = 250;

// Slide and death fields lie under a bomb and come back when it leaves or goes off.
bool IsField(std::string_view c) {
    return IsSlideField(c) || c == code::DeathField;
}

const std::string& CodeAt(const Game& g, Square s) {
    return g.RoomGrid.Cell(s.col, s.row);
}

// Floor, a death field or a slide field inside the room.
bool IsBombPassable(const Game& g, Square s) {
    return InPlayfield(s) && (CodeAt(g, s) == code::Floor || IsField(CodeAt(g, s)));
}

Square BombSpot(const Player& p) {
    return {p.bombCol, p.bombRow};
}

void EndHold(Player& p) {
    p.bombHeld = false;
    p.status.clear();
}

// Puts back what the bomb covered on the square it is leaving (floor when it covered nothing).
void Uncover(Game& g, Host& host, const Player& p, Square s) {
    SetSquare(g, host, s.col, s.row,
              p.underBomb.empty() ? code::Floor : std::string_view(p.underBomb));
}

bool StandsOn(const Game& g, const Player& p, Square s) {
    return OnBoard(g, p) && Where(p) == s;
}

// The bomb's own square: a player whose just-laid bomb goes off under it is hit; the square
// is cleared unless a living player still stands there.
void ClearCentre(Game& g, Host& host, Square s) {
    for (Player& p : g.players)
        if (StandsOn(g, p, s) && IsPlayerCode(p.underBomb))
            Damage(g, host, kBlastDamage, p.underBomb, true);
    if (!StandsOn(g, g.P1(), s) && !StandsOn(g, g.P2(), s))
        SetSquare(g, host, s.col, s.row, code::Floor);
}

void BlastSquare(Game& g, Host& host, Square s) {
    const std::string hit = CodeAt(g, s);
    if (hit == code::Bomb) {
        SetSquare(g, host, s.col, s.row, code::Floor);
        Explosion(g, host, s.col, s.row, false);  // chain reaction, before the blast goes on
    } else if (IsPlayerCode(hit)) {
        Damage(g, host, kBlastDamage, hit, true);
        if (g.players[hit == code::Player1 ? 0 : 1].dead)
            SetSquare(g, host, s.col, s.row, code::Floor);
    } else {
        SetSquare(g, host, s.col, s.row, code::Floor);
    }
}

void Blast(Game& g, Host& host, Square centre) {
    for (const Square s : BlastSquares(centre))
        if (IsBlastAffected(g, s.col, s.row)) BlastSquare(g, host, s);
}

}  // namespace

std::vector<Square> BlastSquares(Square centre) {
    std::vector<Square> out;
    for (int dr = -2; dr <= 2; ++dr)
        for (int dc = -2; dc <= 2; ++dc) {
            const bool corner = (dc == -2 || dc == 2) && (dr == -2 || dr == 2);
            const Square s{centre.col + dc, centre.row + dr};
            if ((dc != 0 || dr != 0) && !corner && InPlayfield(s)) out.push_back(s);
        }
    return out;
}

void LayBomb(Game& g, Host& host, Player& p) {
    --p.bombs;
    p.bombCol = p.col;
    p.bombRow = p.row;
    p.underBomb = g.RoomGrid.Cell(p.col, p.row);
    SetSquare(g, host, p.col, p.row, code::Bomb);
    p.bombHeld = true;
}

void BombStep(Game& g, Host& host, Player& p) {
    const Square from = BombSpot(p);
    if (IsDirection(p.heldDir)) {
        const Square to = Step(from, p.heldDir);
        if (IsBombPassable(g, to) || IsHostileTile(g, to.col, to.row))
            p.bombCol = to.col, p.bombRow = to.row;
    }
    const Square at = BombSpot(p);
    if (at != from) {
        Uncover(g, host, p, from);
        p.underBomb = CodeAt(g, at);
    }
    if (IsHostileTile(g, at.col, at.row)) {
        Explosion(g, host, at.col, at.row, true);
        EndHold(p);
    } else if (IsBombPassable(g, at)) {
        SetSquare(g, host, at.col, at.row, code::Bomb);
    }
}

void FireBomb(Game& g, Host& host, Player& p) {
    const Square at = BombSpot(p);
    Explosion(g, host, at.col, at.row, true);
    if (IsField(p.underBomb)) SetSquare(g, host, at.col, at.row, p.underBomb);
}

void ShootBomb(Game& g, Host& host, int col, int row) {
    for (Player& p : g.players)
        if (p.bombHeld && BombSpot(p) == Square{col, row}) return FireBomb(g, host, p);
    Explosion(g, host, col, row, true);
}

void Explosion(Game& g, Host& host, int col, int row, bool withSound) {
    const Square centre{col, row};
    // Who holds this bomb, taken before the blast can kill the holder (a death drops the hold).
    std::array<bool, 2> held{};
    for (size_t i = 0; i < held.size(); ++i) {
        const Player& p = g.players[i];
        held[i] = p.bombHeld && BombSpot(p) == centre;
    }
    if (withSound) host.PlaySound(sound::BombExplode);
    ClearCentre(g, host, centre);
    for (size_t i = 0; i < held.size(); ++i)
        if (held[i]) EndHold(g.players[i]);
    Blast(g, host, centre);
}

void ReturnHeldBomb(Game& g, Player& p) {
    if (!p.bombHeld) return;
    g.RoomGrid.SetCell(p.bombCol, p.bombRow,
                       p.underBomb.empty() ? std::string(code::Floor) : p.underBomb);
    ++p.bombs;
    EndHold(p);
}

}  // namespace murk
