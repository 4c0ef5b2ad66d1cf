// The tile classes the bullets, bombs, players and the world share.
#pragma once

namespace murk {

struct Game;

// Creatures, producers, stars and the fire-dart producer.
bool IsHostileTile(const Game& g, int col, int row);
bool IsGrowingPigProducer(const Game& g, int col, int row);  // stages 1..4
// What a blast around a bomb changes: creatures, most producers, bombs and players.
bool IsBlastAffected(const Game& g, int col, int row);

}  // namespace murk
