// Each player's own keys during play: walking, fire, the item menu.
#pragma once

namespace murk {

class Host;
struct Game;

// Some player can still play: player 1 alive, or player 2 alive in a two-player game.
bool SomeoneCanPlay(const Game& g);

// A key pressed or released during play, offered to player 1 and then (two players) player 2.
void PlayersKeyDown(Game& g, Host& host, int key);
void PlayersKeyUp(Game& g, Host& host, int key);

}  // namespace murk
