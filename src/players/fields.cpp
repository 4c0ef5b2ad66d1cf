// Transport and slide fields: where a player standing on one is carried to.
#include <string>

#include "base/tiles.h"
#include "game/host.h"
#include "players/step.h"
#include "players/walk.h"

namespace murk {

namespace {

bool IsTransport(const Game& g, Square s) {
    return InPlayfield(s) && g.RoomGrid.Cell(s.col, s.row) == code::Transport;
}

// The first square after the run of transport fields in `dir`, or nothing when the run meets
// the room's edge.
bool TransportLanding(const Game& g, Square start, int dir, Square& landing) {
    Square s = start;
    while (IsTransport(g, s)) {
        const Square next = Step(s, dir);
        if (!InPlayfield(next) || next == s) return false;
        s = next;
    }
    landing = s;
    return true;
}

// Moves the player to `to` when it may stand there, else back to `old`.
void LandOrReturn(const Game& g, Player& p, bool found, Square to, Square old) {
    PutAt(p, found && IsPlayerPassable(g, to.col, to.row) ? to : old);
}

}  // namespace

void FollowField(Game& g, Player& p, Square old, int dir) {
    const std::string& here = g.RoomGrid.Cell(p.col, p.row);
    if (here == code::Transport) {
        Square landing;
        const bool found = TransportLanding(g, Where(p), dir, landing);
        LandOrReturn(g, p, found, landing, old);
    } else if (IsSlideField(here)) {
        LandOrReturn(g, p, true, {SlideTargetCol(here), SlideTargetRow(here)}, old);
    }
}

}  // namespace murk
