// A bare game under way for the rule tests: the level built in memory, a recording host that
// draws from the game's generator, and what the tests share to set rooms, keys and ticks.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

#include "base/square.h"
#include "game/state.h"
#include "gamedir.h"
#include "rules_host.h"

namespace murk::test {

// The keys a game gives its players: player 1's, then player 2's.
namespace key {
inline constexpr int Up = 1, Down = 2, Left = 3, Right = 4, Fire = 5, Menu = 6;
inline constexpr int Up2 = 11, Down2 = 12, Left2 = 13, Right2 = 14, Fire2 = 15, Menu2 = 16;
}  // namespace key

class RulesTest : public ::testing::Test {
protected:
    RulesTest() { host.DrawFrom(game_.rng); }

    // Starts a game of `players` on `level` as the program does: the level read, its start room
    // entered, fresh player records with their keys, the generator seeded. In a one-player game
    // player 2's start tile is floor, as the game's first draw leaves it.
    void Start(int players, const LevelSpec& level = {});
    // Start, then the current room cleared to floor with player 1 at (3, 4) and, in a two-player
    // game, player 2 at (5, 4).
    void StartOn(int players, const LevelSpec& level = {});
    // What an abort answered at a pump leaves of the game.
    void Abort();

    Game& g() { return game_; }
    Player& P1() { return game_.P1(); }
    Player& P2() { return game_.P2(); }
    void Put(int col, int row, const std::string& code) { game_.RoomGrid.SetCell(col, row, code); }
    void PutAll(std::initializer_list<Square> squares, const std::string& code);
    const std::string& At(int col, int row) { return game_.RoomGrid.Cell(col, row); }
    void ClearRoom();
    // Solid walls on the eight squares around (col, row), but for the gaps.
    void WallAround(int col, int row, std::initializer_list<Square> gaps = {});
    // How many squares of the current room hold `code`.
    int Count(const std::string& code);
    // Moves a player's record and tile to (col, row).
    void Place(Player& p, int col, int row);

    void Down(int key);
    void Up(int key);
    // Player 1 presses fire with the item menu on the bomb (laying one if it carries any).
    void FireOnBomb();
    // Player steps as the world tick runs them; no other rule moves anything meanwhile.
    void Steps(int n = 1);
    // Player 1 walks `steps` squares (or tries to) in direction `dir`.
    void Walk(int dir, int steps = 1);
    // One world tick on which every rule due each 16 ticks runs; the laser clocks are set so
    // that the laser sets stay dark unless `tick` says otherwise.
    void Scan(uint64_t tick = 16, uint64_t laser = 2);
    void Scans(int n);

    RecordingHost host;

private:
    Game game_;
};

// A one-player game on a cleared room for the world's rules, scan by scan: player 1 at (3, 4),
// shielded so that no hit ever kills.
class WorldTest : public RulesTest {
protected:
    void SetUp() override { StartWorld(); }
    void StartWorld(const LevelSpec& level = {});
    // Player 1 dies off the board: the creatures have nobody to chase.
    void RemoveP1();
};

}  // namespace murk::test
