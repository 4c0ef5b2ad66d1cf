// Damage: the one way harm reaches a player — the shield, death below 0 life, and the sounds.
#pragma once

#include <string_view>

namespace murk {

class Host;
struct Game;

// Takes `amount` percent of life from the player whose tile code is given (code::Player1 is
// player 1, anything else player 2).
void Damage(Game& g, Host& host, int amount, std::string_view playerCode, bool withSound);

}  // namespace murk
