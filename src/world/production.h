// Production, growth and spreading: producers breed, pig producers grow, stars multiply.
#pragma once

#include <string_view>

#include "world/moves.h"

namespace murk {

class Host;
struct Game;

// Puts `code` on a random free floor square among the eight around `at`; nothing when 64 draws
// find none.
void SpawnBeside(Game& g, Host& host, Square at, std::string_view code);

// One due tick of the producer `producer` standing at `at`: its chance, its spawn beside it and,
// for the kinds that do, the copy into the room next door from an edge square.
void Produce(Game& g, Host& host, Square at, std::string_view producer);

}  // namespace murk
