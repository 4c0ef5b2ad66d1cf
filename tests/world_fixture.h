// A started one-player game on a cleared room, for driving the world's rules scan by scan.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "game/state.h"
#include "test_support.h"
#include "world/moves.h"
#include "world/tick.h"

namespace murk::test {

class WorldFixture : public ::testing::Test, protected StartedProgram {
protected:
    WorldFixture() : StartedProgram(1) {}

    // Starts the game on `spec` (the default single room when not given), then clears the
    // current room to floor and puts player 1, shielded so that no hit ever kills, at (3, 4).
    void StartOn(const LevelSpec& spec = {}) {
        dir.WriteLevel(0, spec);
        ASSERT_TRUE(StartFromMenu(1));
        for (int r = 1; r <= 19; ++r)
            for (int c = 1; c <= 30; ++c) Put(c, r, "A00");
        g().P1().shieldTime = 1'000'000;
        MoveP1(3, 4);
    }
    void SetUp() override { StartOn(); }

public:
    Game& g() { return app().game; }
    void Put(int col, int row, const std::string& code) { g().RoomGrid.SetCell(col, row, code); }
    void PutAll(std::initializer_list<Square> squares, const std::string& code) {
        for (const Square p : squares) Put(p.col, p.row, code);
    }
    // Solid walls on the eight squares around (col, row), but for the gaps.
    void WallAround(int col, int row, std::initializer_list<Square> gaps = {}) {
        for (int dir = 1; dir <= 8; ++dir) {
            const Square p = Step({col, row}, dir);
            bool gap = false;
            for (const Square q : gaps) gap = gap || q == p;
            if (!gap) Put(p.col, p.row, "A32");
        }
    }
    const std::string& At(int col, int row) { return g().RoomGrid.Cell(col, row); }
    void MoveP1(int col, int row) {
        Put(g().P1().col, g().P1().row, "A00");
        g().P1().col = col;
        g().P1().row = row;
        Put(col, row, "A46");
    }
    void RemoveP1() {
        Put(g().P1().col, g().P1().row, "A00");
        g().P1().dead = true;
    }

    // One world tick on which every rule due each 16 ticks runs; the laser clocks are set so
    // that the laser sets stay dark unless `tick` says otherwise.
    void Scan(uint64_t tick = 16, uint64_t laser = 2) {
        g().world.clocks = {tick, laser, laser, laser};
        WorldTick(app().game, app());
    }
    void Scans(int n) {
        for (int i = 0; i < n; ++i) Scan();
    }

    // How many squares of the current room hold `code`.
    int Count(const std::string& code) {
        int n = 0;
        for (int r = 1; r <= 19; ++r)
            for (int c = 1; c <= 30; ++c) n += At(c, r) == code;
        return n;
    }
};

}  // namespace murk::test
