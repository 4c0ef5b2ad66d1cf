// The player record: everything the game knows about one player, and its life-cycle steps.
#pragma once

#include <string>

#include "base/square.h"

namespace murk {

struct Player {
    int col = 0, row = 0;            // square in the current room
    int startCol = 0, startRow = 0;  // start square of the current level
    int bulletCol = 0, bulletRow = 0;
    int bombCol = 0, bombRow = 0;
    int life = 90;
    int points = 0;
    int keys = 0;
    int kits = 0;
    int bombs = 0;
    int levelsPassed = 0;
    int leftKey = 0, rightKey = 0, upKey = 0, downKey = 0, fireKey = 0, menuKey = 0;
    int menuChoice = 0;  // 1 bomb, 2 life, 3 nothing
    int number = 0;      // 1 or 2
    int bulletSteps = 0;
    int shieldTime = 0;
    int heldDir = dir::None;  // a dir:: value, as the walk, the bullets and murk-sim count them
    int bulletDir = dir::None;
    bool fireHeld = false;
    bool bombHeld = false;
    bool bulletInFlight = false;
    bool menuOpen = false;
    bool dead = false;
    bool finished = false;
    std::string status;     // shown after "Status: "
    std::string underBomb;  // tile code the held bomb covers
};

// Fresh record for a new game: at the start square, life 90, nothing carried. The held
// direction is cleared too, so nobody walks off before a key is touched in the new game.
void InitPlayer(Player& p, int number);

// Carries a player into the next level: to its new start square, with no bullet in flight
// (the bullet's square belongs to the level just left). A player in play (player 1,
// and player 2 of a two-player game) has its finished flag cleared and, if alive, gains a level
// passed and loses its status text.
void AdvancePlayerToNextLevel(Player& p, bool inPlay);

}  // namespace murk
