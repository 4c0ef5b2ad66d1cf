// Square tests shared by the world's rules and the player step.
#include "world/squares.h"

#include "game/state.h"
#include "level/tiles.h"

namespace murk {

namespace {

const std::string kOutside;  // what lies beyond the room's edge

const std::string& At(const Game& g, int col, int row) {
    if (col < 1 || col > kRoomCols || row < 1 || row > kRoomRows) return kOutside;
    return g.RoomGrid.Cell(col, row);
}

bool InRun(const std::string& code, const char* first, const char* last) {
    const int i = TileIndex(code);
    return code.size() == 3 && i >= TileIndex(first) && i <= TileIndex(last);
}

}  // namespace

bool IsFloor(const Game& g, int col, int row) { return At(g, col, row) == code::Floor; }

bool IsPlayerSquare(const Game& g, int col, int row) {
    const std::string& c = At(g, col, row);
    return c == code::Player1 || c == code::Player2;
}

bool IsEnemyPassableWall(const Game& g, int col, int row) { return At(g, col, row) == "A35"; }

bool IsEnemyOpen(const Game& g, int col, int row) {
    // One read of the square: the chase asks this for every creature's every neighbour.
    const std::string& c = At(g, col, row);
    return c == code::Floor || c == code::Player1 || c == code::Player2 || c == "A35";
}

bool IsLaserBeam(const Game& g, int col, int row) {
    const std::string& c = At(g, col, row);
    return InRun(c, "A72", "A79") || InRun(c, "A88", "A95") || InRun(c, "B04", "B11") ||
           InRun(c, "B20", "B27");
}

}  // namespace murk
