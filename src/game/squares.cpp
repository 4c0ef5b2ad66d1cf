// Square tests shared by the world's rules and the player step.
#include "game/squares.h"

#include "base/tiles.h"
#include "game/state.h"

namespace murk {

namespace {

const std::string kOutside;  // what lies beyond the room's edge

const std::string& At(const Game& g, int col, int row) {
    if (col < 1 || col > kRoomCols || row < 1 || row > kRoomRows) return kOutside;
    return g.RoomGrid.Cell(col, row);
}

// Codes are three characters; compared here without a library call, as the chase and the
// producers ask about squares thousands of times a tick.
bool Same(const std::string& c, std::string_view code) {
    if (c.size() != code.size()) return false;
    for (size_t i = 0; i < code.size(); ++i)
        if (c[i] != code[i]) return false;
    return true;
}

}  // namespace

bool IsFloor(const Game& g, int col, int row) {
    return Same(At(g, col, row), code::Floor);
}

bool IsPlayerSquare(const Game& g, int col, int row) {
    const std::string& c = At(g, col, row);
    return Same(c, code::Player1) || Same(c, code::Player2);
}

bool IsEnemyPassableWall(const Game& g, int col, int row) {
    return Same(At(g, col, row), code::EnemyPassableWall);
}

bool IsEnemyOpen(const Game& g, int col, int row) {
    // One read of the square: the chase asks this for every creature's every neighbour.
    const std::string& c = At(g, col, row);
    return Same(c, code::Floor) || Same(c, code::Player1) || Same(c, code::Player2) ||
           Same(c, code::EnemyPassableWall);
}

bool IsLaserBeam(const Game& g, int col, int row) {
    const std::string& c = At(g, col, row);
    for (const LaserSet& set : kLaserSets)
        if (FamilyMember(c, set.firstBeam)) return true;
    return false;
}

}  // namespace murk
