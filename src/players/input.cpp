// Each player's own keys during play: walking, fire, the item menu.
#include "players/input.h"

#include <array>

#include "game/host.h"
#include "players/board.h"
#include "players/bombs.h"

namespace murk {

namespace {

constexpr int kFullLife = 90;

using KeyField = int Player::*;

// The direction keys in the order they are compared: the first that matches applies.
constexpr std::array<KeyField, 4> kDirectionKeys = {&Player::upKey, &Player::downKey,
                                                    &Player::leftKey, &Player::rightKey};

// Pressing a direction key turns the held direction; from standing still it starts a walk, or,
// with the item menu open, picks a menu item instead.
struct Press {
    KeyField key;
    int before, after;
    int menuChoice;  // the item picked when the menu is open (rows from standing only)
};

constexpr std::array<Press, 12> kPresses = {{
    {&Player::upKey, dir::East, dir::NorthEast, 0},
    {&Player::upKey, dir::West, dir::NorthWest, 0},
    {&Player::upKey, dir::None, dir::North, 2},
    {&Player::downKey, dir::East, dir::SouthEast, 0},
    {&Player::downKey, dir::West, dir::SouthWest, 0},
    {&Player::downKey, dir::None, dir::South, 2},
    {&Player::leftKey, dir::North, dir::NorthWest, 0},
    {&Player::leftKey, dir::South, dir::SouthWest, 0},
    {&Player::leftKey, dir::None, dir::West, 1},
    {&Player::rightKey, dir::North, dir::NorthEast, 0},
    {&Player::rightKey, dir::South, dir::SouthEast, 0},
    {&Player::rightKey, dir::None, dir::East, 3},
}};

// Releasing a key of a diagonal keeps the other key's direction; any other release stops.
struct Release {
    KeyField key;
    int before, after;
};

constexpr std::array<Release, 8> kReleases = {{
    {&Player::upKey, dir::NorthWest, dir::West},
    {&Player::upKey, dir::NorthEast, dir::East},
    {&Player::downKey, dir::SouthWest, dir::West},
    {&Player::downKey, dir::SouthEast, dir::East},
    {&Player::leftKey, dir::NorthWest, dir::North},
    {&Player::leftKey, dir::SouthWest, dir::South},
    {&Player::rightKey, dir::NorthEast, dir::North},
    {&Player::rightKey, dir::SouthEast, dir::South},
}};

// The first of the player's direction keys that `key` is, or nullptr.
KeyField DirectionKeyOf(const Player& p, int key) {
    for (KeyField k : kDirectionKeys)
        if (p.*k == key) return k;
    return nullptr;
}

void PressDirection(Player& p, int key) {
    const KeyField k = DirectionKeyOf(p, key);
    for (const Press& row : kPresses) {
        if (row.key != k || row.before != p.heldDir) continue;
        if (row.before == dir::None && p.menuOpen)
            p.menuChoice = row.menuChoice, p.heldDir = dir::None;
        else
            p.heldDir = row.after;
        return;
    }
}

void ReleaseDirection(Player& p, int key) {
    const KeyField k = DirectionKeyOf(p, key);
    if (!k) return;
    for (const Release& row : kReleases)
        if (row.key == k && row.before == p.heldDir) {
            p.heldDir = row.after;
            return;
        }
    p.heldDir = dir::None;
}

void UseHealthKit(Host& host, Player& p) {
    p.life = kFullLife;
    --p.kits;
    PlayPlayerSound(host, p, sound::UseHealth);
}

// Fire with the menu on "life": a kit is used only when it helps.
void ChooseLife(Game&, Host& host, Player& p) {
    if (p.kits >= 1 && p.life < kFullLife) {
        UseHealthKit(host, p);
        p.fireHeld = true;
    }
    p.status.clear();
}

void ChooseBomb(Game& g, Host& host, Player& p) {
    if (p.bombs <= 0)
        p.status.clear();
    else
        LayBomb(g, host, p);
}

void ChooseNothing(Game&, Host&, Player& p) {
    p.fireHeld = true;
    p.status.clear();
}

using MenuItem = void (*)(Game&, Host&, Player&);
// By menu choice: 1 bomb, 2 life, anything else nothing.
constexpr std::array<MenuItem, 3> kMenuItems = {ChooseBomb, ChooseLife, ChooseNothing};

void PressFire(Game& g, Host& host, Player& p) {
    if (!p.menuOpen) {
        p.fireHeld = true;
        return;
    }
    const bool listed = p.menuChoice >= 1 && p.menuChoice <= 2;
    kMenuItems[listed ? static_cast<size_t>(p.menuChoice - 1) : 2](g, host, p);
    p.menuOpen = false;
}

void ReleaseFire(Game& g, Host& host, Player& p) {
    p.fireHeld = false;
    if (p.bombHeld) FireBomb(g, host, p);
}

void OpenItemMenu(Player& p) {
    p.heldDir = dir::None;
    p.fireHeld = false;
    p.menuOpen = true;
    p.menuChoice = 2;
}

void PlayerKeyDown(Game& g, Host& host, Player& p, int key) {
    if (!Playing(p)) {
        p.heldDir = dir::None;
        return;
    }
    PressDirection(p, key);
    if (key == p.fireKey) PressFire(g, host, p);
}

void PlayerKeyUp(Game& g, Host& host, Player& p, int key) {
    ReleaseDirection(p, key);
    if (key == p.fireKey) ReleaseFire(g, host, p);
    if (key == p.menuKey && Playing(p) && !p.menuOpen && !p.bombHeld) OpenItemMenu(p);
}

}  // namespace

bool SomeoneCanPlay(const Game& g) {
    return !g.players[0].dead || (g.PlayerCount == 2 && !g.players[1].dead);
}

void PlayersKeyDown(Game& g, Host& host, int key) {
    PlayerKeyDown(g, host, g.P1(), key);
    if (g.PlayerCount == 2) PlayerKeyDown(g, host, g.P2(), key);
}

void PlayersKeyUp(Game& g, Host& host, int key) {
    PlayerKeyUp(g, host, g.P1(), key);
    if (g.PlayerCount == 2) PlayerKeyUp(g, host, g.P2(), key);
}

}  // namespace murk
