// Player record initialisation and the next-level carry-over.
#include "game/player.h"

namespace murk {

void InitPlayer(Player& p, int number) {
    p.col = p.startCol;
    p.row = p.startRow;
    p.fireHeld = p.bombHeld = p.bulletInFlight = p.menuOpen = p.dead = p.finished = false;
    p.life = 90;
    p.keys = p.bombs = p.kits = p.levelsPassed = p.points = p.shieldTime = 0;
    p.status.clear();
    p.number = number;
    p.heldDir = dir::None;
}

void AdvancePlayerToNextLevel(Player& p, bool inPlay) {
    if (inPlay) p.finished = false;
    p.bulletInFlight = false;  // its square belongs to the level just left
    p.col = p.startCol;
    p.row = p.startRow;
    if (inPlay && !p.dead) {
        ++p.levelsPassed;
        p.status.clear();
    }
}

}  // namespace murk
