// Transport and slide fields: where a player standing on one is carried to.
#include <string>

#include "players/step.h"
#include "players/walk.h"
#include "game/host.h"

namespace murk {

namespace {

constexpr std::string_view kTransport = "B28";

bool IsTransport(const Game& g, Square s) {
    return InPlayfield(s) && g.RoomGrid.Cell(s.col, s.row) == kTransport;
}

// Slide-field letters: A..Z are 1..26, a b c are 27 28 29, anything else (or nothing) 30.
int SlideNumber(const std::string& text, size_t i) {
    if (i >= text.size()) return 30;
    const char c = text[i];
    if (c >= 'A' && c <= 'Z') return c - 'A' + 1;
    if (c >= 'a' && c <= 'c') return c - 'a' + 27;
    return 30;
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

void FollowField(Game& g, Host& host, Player& p, Square old, int dir) {
    const std::string& here = g.RoomGrid.Cell(p.col, p.row);
    if (here == kTransport) {
        Square landing;
        const bool found = TransportLanding(g, Where(p), dir, landing);
        LandOrReturn(g, p, found, landing, old);
    } else if (!here.empty() && here[0] == 'Z') {
        LandOrReturn(g, p, true, {SlideNumber(here, 1), SlideNumber(here, 2)}, old);
    }
}

}  // namespace murk
