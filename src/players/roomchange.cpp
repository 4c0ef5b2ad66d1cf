// Room changes: both players leave the room over an edge together into the neighbouring room.
#include "players/roomchange.h"

#include <array>

#include "game/host.h"
#include "level/room.h"
#include "players/board.h"
#include "players/bombs.h"

namespace murk {

namespace {

// One of the eight changes: the step to the target room, the arrival line (0 keeps the
// player's own column or row), and for the straight ones the line both players must share.
struct RoomChange {
    int dCol, dRow;
    int arriveCol, arriveRow;
    bool straight;
    bool shareRow;  // north and south: same row; east and west: same column
};

// Indexed by direction (dir::None first).
constexpr std::array<RoomChange, 9> kChanges = {{
    {0, 0, 0, 0, false, false},                    // none
    {0, -1, 0, kRoomRows, true, true},             // north
    {1, -1, 1, kRoomRows, false, false},           // north-east
    {1, 0, 1, 0, true, false},                     // east
    {1, 1, 1, 1, false, false},                    // south-east
    {0, 1, 0, 1, true, true},                      // south
    {-1, 1, kRoomCols, 1, false, false},           // south-west
    {-1, 0, kRoomCols, 0, true, false},            // west
    {-1, -1, kRoomCols, kRoomRows, false, false},  // north-west
}};

// Two living players on the board leave only together, on one edge line, pushing one way.
bool MayChange(const Game& g, const RoomChange& c) {
    const Player& p1 = g.players[0];
    const Player& p2 = g.players[1];
    if (g.PlayerCount != 2 || !Playing(p1) || !Playing(p2)) return true;
    const bool sameLine = c.shareRow ? p1.row == p2.row : p1.col == p2.col;
    return c.straight && sameLine && p1.heldDir == p2.heldDir;
}

bool RoomExists(const Game& g, int col, int row) {
    return col >= 1 && col <= g.LevelGrid.ColCount() - 1 && row >= 1 &&
           row <= g.LevelGrid.RowCount() - 1;
}

// The player's bullet and tile leave the room with it (grid only: the new room is drawn next).
void TakeOffBoard(Game& g, Player& p) {
    StringGrid& room = g.RoomGrid;
    ReturnHeldBomb(g, p);
    if (p.bulletInFlight) {
        p.bulletInFlight = false;
        room.SetCell(p.bulletCol, p.bulletRow, std::string(code::Floor));
    }
    if (Playing(p)) room.SetCell(p.col, p.row, std::string(code::Floor));
}

void Arrive(Player& p, const RoomChange& c) {
    if (c.arriveCol) p.col = c.arriveCol;
    if (c.arriveRow) p.row = c.arriveRow;
}

void PlaceOnBoard(Game& g, const Player& p) {
    if (Playing(p)) g.RoomGrid.SetCell(p.col, p.row, std::string(PlayerCode(p)));
}

void DoChange(Game& g, Host& host, const RoomChange& c, int targetCol, int targetRow) {
    const bool twoPlayers = g.PlayerCount == 2;
    TakeOffBoard(g, g.P1());
    if (twoPlayers) TakeOffBoard(g, g.P2());
    PackRoom(g, g.CurrentRoomCol, g.CurrentRoomRow, g.RoomGrid);
    // A damaged room has shown its error; the redraw below shows what it holds.
    static_cast<void>(EnterRoom(g, host, targetCol, targetRow));
    CopyRoomToBuffer(g);
    Arrive(g.P1(), c);
    PlaceOnBoard(g, g.P1());
    if (twoPlayers) {
        Arrive(g.P2(), c);
        // Player 2 walks on only after its key sets a direction again.
        if (c.straight && Playing(g.P1())) g.P2().heldDir = dir::None;
        PlaceOnBoard(g, g.P2());
    }
    host.DrawRoom();
}

}  // namespace

void ChangeRoom(Game& g, Host& host, int direction) {
    if (!IsDirection(direction)) return;
    const RoomChange& c = kChanges[static_cast<size_t>(direction)];
    const int targetCol = g.CurrentRoomCol + c.dCol, targetRow = g.CurrentRoomRow + c.dRow;
    if (!MayChange(g, c) || !RoomExists(g, targetCol, targetRow)) return;
    DoChange(g, host, c, targetCol, targetRow);
}

}  // namespace murk
