// The item menu drawn beside a player's panel while it is open: BOMB, LIFE and NOTHING laid out
// as the direction keys pick them (left, up or down, right), each with its key and the count
// carried, the current one marked.
#pragma once

namespace murk {

struct App;

// Draws each open item menu over the room's two bottom rows above its player's panel, and draws
// the room back where a menu has closed. Called after every pass's tick, while the room shows.
void ShowItemMenus(App& app);

// Draws every shown menu away now (the game leaves its room where the menu will not cover it).
void EndItemMenus(App& app);

// Forgets the menus without drawing: the room is drawn afresh.
void ClearItemMenus(App& app);

}  // namespace murk
