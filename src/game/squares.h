// The square tests the world's rules share; each reads one live RoomGrid cell and compares the
// whole text. Cells outside the playfield read as the empty text and pass no test.
#pragma once

namespace murk {

struct Game;

bool IsFloor(const Game& g, int col, int row);                // A00
bool IsPlayerSquare(const Game& g, int col, int row);         // A46 or A47
bool IsEnemyPassableWall(const Game& g, int col, int row);    // A35
bool IsEnemyOpen(const Game& g, int col, int row);            // floor, a player or A35
bool IsLaserBeam(const Game& g, int col, int row);            // any of the 32 beam codes

}  // namespace murk
