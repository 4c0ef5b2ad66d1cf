// The numbers a game's start reads from the menu's labels and the options' texts: the one place
// that turns that text into numbers.
#pragma once

#include <string>

namespace murk {

struct App;

// Integer value of a text as the game reads its labels and edits; throws Failure otherwise.
int StrToInt(const std::string& text);

int MenuLevel(const App& app);    // the level label
int MenuPlayers(const App& app);  // the players label
int GameSpeed(const App& app);    // the options' game speed: each pass's wait in ms

}  // namespace murk
