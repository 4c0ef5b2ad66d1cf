// The square tests the world's rules share; each reads one live RoomGrid cell and compares the
// whole text. Cells outside the playfield read as the empty text and pass no test.
#pragma once

namespace murk {

struct Game;

bool IsFloor(const Game& g, int col, int row);
bool IsPlayerSquare(const Game& g, int col, int row);  // either player's tile
bool IsEnemyPassableWall(const Game& g, int col, int row);
bool IsEnemyOpen(const Game& g, int col, int row);  // floor, a player, an enemy-passable wall
bool IsLaserBeam(const Game& g, int col, int row);  // any of the 32 beam codes

}  // namespace murk
