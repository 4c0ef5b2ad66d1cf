// The world tick: clocks, the player and bullet steps, and the scan that lets squares act.
#pragma once

#include <string_view>

namespace murk {

class Host;
struct Game;
struct WorldClocks;

// One tick: the player step on every fourth tick, the bullet step, the scan when a rule is due,
// then the clocks advance. The steps let messages through; once an abort, a game over or a warp
// has happened at one of those pumps, the rest of the tick leaves the room alone.
void WorldTick(Game& g, Host& host);

// True when some rule of the dispatch table is due at these clock values.
bool AnyRuleDue(const WorldClocks& c);

// The rule a snapshot code obeys at these clock values, by name ("" when none is due);
// tests use it to check the schedule.
std::string_view DueRuleFor(std::string_view code, const WorldClocks& c);

// Rebuilds the chase target list: players on the board, then the living players' records.
void CollectTargets(Game& g);

void AdvanceClocks(WorldClocks& c);

}  // namespace murk
