// Controls hints: the first time a game starts, and the first time a player picks up a health
// kit, a bomb or a shield, a line over the top of the room says which keys do what (the keys set
// in the options) for a few seconds. Each shows once: what has been shown is kept in Hints.dat
// beside Options.dat.
#pragma once

#include <string>
#include <vector>

namespace murk {

struct App;

inline constexpr const char* kHintsFile = "Hints.dat";

// After a pass's tick, with the players as they were before it (app.overlays.before): starts the
// hint a level's start (`arrived`) or a pick-up calls for, if not shown before, and draws the one
// showing, or draws the room back where its time is up. `delay` is the pass's wait in ms.
void ShowHints(App& app, bool arrived, int delay);

// Draws the hint away now.
void EndHints(App& app);

// Forgets the hint showing without drawing: the room is drawn afresh.
void ClearHints(App& app);

// The hints named in a Hints.dat text, one a line; unknown lines are dropped.
std::vector<std::string> ParseHints(const std::string& text);

}  // namespace murk
