// The room's own weapons: fire darts fly and are fired, laser producers flash, beams go out.
#include "base/tiles.h"
#include "combat/bullets.h"
#include "game/host.h"
#include "game/squares.h"
#include "game/tileclasses.h"
#include "players/damage.h"
#include "world/moves.h"
#include "world/neighbour.h"
#include "world/rules.h"

namespace murk {

namespace {

constexpr int kHazardDamage = 150;
constexpr int kFireOneIn = 2;
constexpr int kFireTries = 15;

// Hurts the player on `at`; true when the player's tile still stands there afterwards. A hit
// never covers a living player's tile: the board would show floor where the player stands.
bool HitPlayer(Game& g, Host& host, Square at) {
    Damage(g, host, kHazardDamage, LiveCode(g, at), true);
    return IsPlayerSquare(g, at.col, at.row);
}

// What a dart may fly onto and destroy: floor, a creature, a producer but its own kind, a star
// or a player's bullet.
bool DartCanEnter(const Game& g, Square at) {
    if (LiveCode(g, at) == code::FireProducer) return false;
    return IsFloor(g, at.col, at.row) || IsHostileTile(g, at.col, at.row) ||
           IsBullet(g, at.col, at.row);
}

// A column or row that ran off the playfield lands on the far side of the room beyond it.
void Wrap(int& at, int& room, int last) {
    if (at < 1) {
        at = last;
        --room;
    } else if (at > last) {
        at = 1;
        ++room;
    }
}

// A dart that flew off the playfield goes on in the next room (the diagonal one when it leaves
// through a corner), on the facing square.
void CrossIntoNextRoom(Game& g, Square off, std::string_view dart) {
    int roomCol = g.CurrentRoomCol, roomRow = g.CurrentRoomRow;
    Wrap(off.col, roomCol, kRoomCols);
    Wrap(off.row, roomRow, kRoomRows);
    PlaceInRoom(g, roomCol, roomRow, dart, off.col, off.row);
}

}  // namespace

void FireDartRule(Game& g, Host& host, int col, int row, std::string_view code) {
    const Square at{col, row};
    const int dir = FamilyMember(code, code::Fire1);
    if (dir == dir::None) return;
    LeaveSquare(g, host, at, code);
    const Square to = Step(at, dir);
    if (IsPlayerSquare(g, to.col, to.row)) {
        if (!HitPlayer(g, host, to))
            ArriveAt(g, host, to, code);  // the player fell: the dart flies on
    } else if (DartCanEnter(g, to)) {
        ArriveAt(g, host, to, code);
    } else if (!InPlayfield(to)) {
        CrossIntoNextRoom(g, to, code);
    }
}

void FireProducerRule(Game& g, Host& host, int col, int row, std::string_view) {
    const Square at{col, row};
    if (!Chance(host, kFireOneIn, 0)) return;
    for (int i = 0; i < kFireTries; ++i) {
        const int r = host.Random(8);
        const int dir = r == 0 ? dir::NorthWest : r;
        const Square to = Step(at, dir);
        const std::string dart = FamilyCode(code::Fire1, dir);
        // East to south-west only: never right behind a dart of the same way two squares on.
        const bool trailing =
            dir >= dir::East && dir <= dir::SouthWest && LiveCode(g, Step(at, dir, 2)) == dart;
        if (InPlayfield(to) && IsFloor(g, to.col, to.row) && !trailing) {
            ArriveAt(g, host, to, dart);
            return;
        }
    }
}

void LaserFlashRule(Game& g, Host& host, int col, int row, std::string_view code) {
    const Square at{col, row};
    for (const LaserSet& set : kLaserSets) {
        const int dir = FamilyMember(code, set.firstProducer);
        if (dir == dir::None) continue;
        const Square to = Step(at, dir);
        if (!InPlayfield(to)) return;  // a producer facing out of the room flashes at nothing
        if (IsPlayerSquare(g, to.col, to.row) && HitPlayer(g, host, to)) return;
        SetSquare(g, host, to.col, to.row, FamilyCode(set.firstBeam, dir));
        return;
    }
}

// A beam stands for one period of its set's clock, then leaves floor whatever it burnt.
void BeamOutRule(Game& g, Host& host, int col, int row, std::string_view) {
    SetSquare(g, host, col, row, code::Floor);
}

}  // namespace murk
