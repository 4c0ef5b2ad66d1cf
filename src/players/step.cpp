// The player step: the shield countdown, walking one square, room changes over the edge.
#include "players/step.h"

#include <algorithm>
#include <array>

#include "game/host.h"
#include "game/squares.h"
#include "game/tileclasses.h"
#include "players/bombs.h"
#include "players/roomchange.h"
#include "players/walk.h"

namespace murk {

namespace {

// Squares a player may step onto besides slide fields, beams and young pig producers.
constexpr std::array<std::string_view, 10> kPassable = {
    code::Floor, code::Money,      code::Door,   code::Key,       code::HealthKit,
    code::Bomb,  code::DeathField, code::Shield, code::Transport, code::Finish};

// A diagonal walk off the room: the corner takes the diagonal neighbour; otherwise the edge
// that `firstIsRow` names (row `firstLine`, or column) takes `firstDir`, and else `otherDir`.
struct DiagonalExit {
    Square corner;
    bool firstIsRow;
    int firstLine;
    int firstDir;
    int otherDir;
};

constexpr std::array<DiagonalExit, 4> kDiagonalExits = {{
    {{kRoomCols, 1}, true, 1, dir::North, dir::East},                  // north-east
    {{kRoomCols, kRoomRows}, true, kRoomRows, dir::South, dir::East},  // south-east
    {{1, kRoomRows}, false, 1, dir::West, dir::South},                 // south-west
    {{1, 1}, true, 1, dir::North, dir::West},                          // north-west
}};

// Which neighbouring room a walk in `dir` off the room from `at` leads to. Straight directions
// are the odd ones; the diagonals, 2 4 6 8, index the table above.
int ExitDirection(int dir, Square at) {
    if (dir % 2 == 1) return dir;
    const DiagonalExit& e = kDiagonalExits[static_cast<size_t>(dir / 2 - 1)];
    if (at == e.corner) return dir;
    const int line = e.firstIsRow ? at.row : at.col;
    return line == e.firstLine ? e.firstDir : e.otherDir;
}

// One square in `dir`, or the room change when the walk leaves the room.
void DirectionMove(Game& g, Host& host, Player& p, int dir) {
    const Square target = Step(Where(p), dir);
    if (IsPlayerPassable(g, target.col, target.row))
        PutAt(p, target);
    else if (!InPlayfield(target))
        ChangeRoom(g, host, ExitDirection(dir, Where(p)));
}

void Walk(Game& g, Host& host, Player& p) {
    const Square old = Where(p);
    const int roomCol = g.CurrentRoomCol, roomRow = g.CurrentRoomRow;
    const int dir = p.heldDir;
    DirectionMove(g, host, p, dir);
    FollowField(g, p, old, dir);
    MeetSquare(g, host, p, old);
    const bool moved = Where(p) != old;
    if (moved && g.CurrentRoomCol == roomCol && g.CurrentRoomRow == roomRow)
        SetSquare(g, host, old.col, old.row, code::Floor);
    if (moved && Playing(p)) SetSquare(g, host, p.col, p.row, PlayerCode(p));
}

void StepOnePlayer(Game& g, Host& host, Player& p, Footing pass) {
    if (p.shieldTime == 1) p.status.clear();
    --p.shieldTime;
    if (!LetMessagesThrough(g, host, pass)) return;
    if (p.heldDir != dir::None && !p.fireHeld && !p.bombHeld)
        Walk(g, host, p);
    else if (p.bombHeld)
        BombStep(g, host, p);
}

}  // namespace

void PlayerStep(Game& g, Host& host, Footing pass) {
    StepOnePlayer(g, host, g.P1(), pass);
    if (Stands(g, host, pass)) StepOnePlayer(g, host, g.P2(), pass);
}

bool IsPlayerPassable(const Game& g, int col, int row) {
    if (!InPlayfield({col, row})) return false;
    const std::string& c = g.RoomGrid.Cell(col, row);
    if (c.size() < 3) return false;
    // A bomb in a player's hands is not there for the taking: it blocks like a wall.
    for (const Player& p : g.players)
        if (p.bombHeld && p.bombCol == col && p.bombRow == row) return false;
    return IsSlideField(c) || std::ranges::find(kPassable, c) != kPassable.end() ||
           IsLaserBeam(g, col, row) || IsGrowingPigProducer(g, col, row);
}

}  // namespace murk
