// A started game on a cleared room for the players' rules: placing players, keys and steps.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "game/state.h"
#include "players/step.h"
#include "shell/playscreen.h"
#include "test_support.h"

namespace murk::test {

class PlayersFixture : public ::testing::Test, protected StartedProgram {
protected:
    PlayersFixture() : StartedProgram(1) {}

    // Starts a game of `players` on `spec`, clears the current room to floor and puts player 1
    // at (3, 4) and, in a two-player game, player 2 at (5, 4).
    void StartOn(int players, const LevelSpec& spec = {}) {
        dir.WriteLevel(0, spec);
        ASSERT_TRUE(StartFromMenu(players));
        ClearRoom();
        Place(P1(), 3, 4);
        if (players == 2) Place(P2(), 5, 4);
    }

    Game& g() { return app().game; }
    Player& P1() { return g().P1(); }
    Player& P2() { return g().P2(); }
    void Put(int col, int row, const std::string& code) { g().RoomGrid.SetCell(col, row, code); }
    const std::string& At(int col, int row) { return g().RoomGrid.Cell(col, row); }
    void ClearRoom() {
        for (int r = 1; r <= 19; ++r)
            for (int c = 1; c <= 30; ++c) Put(c, r, "A00");
    }
    // Moves a player's record and tile to (col, row).
    void Place(Player& p, int col, int row) {
        if (At(p.col, p.row) == (p.number == 1 ? "A46" : "A47")) Put(p.col, p.row, "A00");
        p.col = col;
        p.row = row;
        Put(col, row, p.number == 1 ? "A46" : "A47");
    }
    void Down(int key) { PlayKeyDown(app(), key); }
    void Up(int key) { PlayKeyUp(app(), key); }
    // Player steps as the world tick runs them; no other rule moves anything meanwhile.
    void Steps(int n = 1) {
        for (int i = 0; i < n; ++i) PlayerStep(app().game, app(), FootingNow(app().game));
    }
    // Player 1 presses fire with the item menu on the bomb (laying one if it carries any).
    void FireOnBomb() {
        Up(vk::Shift);
        Down(vk::Left);
        Up(vk::Left);
        Down(vk::Ctrl);
    }
    // Player 1 walks `steps` squares (or tries to) in direction `dir`.
    void Walk(int dir, int steps = 1) {
        P1().heldDir = dir;
        Steps(steps);
    }
};

}  // namespace murk::test
