// The key presses and releases that turn a player's held direction into the one wanted.
#pragma once

#include <set>
#include <vector>

namespace murk::route {

// A player's four direction keys (virtual-key codes, from the player record).
struct DirKeys {
    int up = 0, down = 0, left = 0, right = 0;
};

struct KeyEvent {
    bool down = false;
    int key = 0;
};

// The held direction after a key press or release, as the play keys change it (item menu
// closed).
int AfterKeyDown(int dir, int key, const DirKeys& k);
int AfterKeyUp(int dir, int key, const DirKeys& k);

// The shortest run of presses and releases that leaves `toDir` held with exactly its own keys
// down, starting from the game's held direction `fromDir` and the keys now down (`down` holds
// codes of any player; only this player's direction keys are considered).
std::vector<KeyEvent> KeysToHold(int fromDir, const std::set<int>& down, int toDir,
                                 const DirKeys& k);

}  // namespace murk::route
