// The player step: walking and blocking, pick-ups, doors, fields, the finish, deadly squares.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "players/step.h"
#include "rules_fixture.h"

namespace murk {
namespace {

class PlayersStepTest : public test::RulesTest {
protected:
    void SetUp() override { StartOn(1); }
};

TEST_F(PlayersStepTest, WalksOneSquarePerStepLeavingFloor) {
    Walk(3, 2);
    EXPECT_EQ(P1().col, 5);
    EXPECT_EQ(P1().row, 4);
    EXPECT_EQ(At(5, 4), "A46");
    EXPECT_EQ(At(3, 4), "A00");
    EXPECT_EQ(At(4, 4), "A00");
}

TEST_F(PlayersStepTest, DiagonalSlipsBetweenCornerTouchingWalls) {
    Put(4, 4, "A32");
    Put(3, 3, "A32");
    Walk(2);
    EXPECT_EQ(P1().col, 4);
    EXPECT_EQ(P1().row, 3);
}

TEST_F(PlayersStepTest, YoungPigProducersAreEaten) {
    for (int c = 4; c <= 7; ++c) Put(c, 4, "A1" + std::to_string(c - 2));
    Put(8, 4, "A16");
    Walk(3, 5);
    EXPECT_EQ(P1().points, 32);
    EXPECT_EQ(P1().col, 7);
    EXPECT_EQ(At(8, 4), "A16");
}

TEST_F(PlayersStepTest, ItemsAreCountedAndTakenAway) {
    Put(4, 4, "A37");
    Put(5, 4, "A38");
    Put(6, 4, "A29");
    Put(7, 4, "A41");
    Walk(3, 4);
    EXPECT_EQ(P1().points, 100);
    EXPECT_EQ(P1().kits, 1);
    EXPECT_EQ(P1().keys, 1);
    EXPECT_EQ(P1().bombs, 1);
    EXPECT_EQ(At(7, 4), "A46");
    for (int c = 3; c <= 6; ++c) EXPECT_EQ(At(c, 4), "A00") << c;
}

TEST_F(PlayersStepTest, ADoorTakesAKeyAndBlocksWithoutOne) {
    Put(4, 4, "A28");
    Put(5, 4, "A28");
    Put(6, 4, "A28");
    P1().keys = 2;
    Walk(3, 3);
    EXPECT_EQ(P1().col, 5);
    EXPECT_EQ(P1().keys, 0);
    EXPECT_EQ(At(4, 4), "A00");
    EXPECT_EQ(At(6, 4), "A28");
}

TEST_F(PlayersStepTest, AShieldIsSetToAHundredAndCountsDownEveryStep) {
    P1().shieldTime = 40;
    Put(4, 4, "A43");
    Walk(3);
    EXPECT_EQ(P1().shieldTime, 100);
    EXPECT_EQ(P1().status, "Shield On - 100%");
    P1().heldDir = 0;
    P1().shieldTime = 1;
    Steps(2);
    EXPECT_EQ(P1().status, "");
    EXPECT_EQ(P1().shieldTime, -1);
}

TEST_F(PlayersStepTest, DeathFieldsAndBeamsKillThroughAShieldAndStay) {
    for (const char* deadly : {"A30", "A75", "B27"}) {
        P1().dead = false;
        P1().life = 90;
        P1().shieldTime = 50;
        Place(P1(), 3, 4);
        Put(4, 4, deadly);
        Walk(3);
        EXPECT_TRUE(P1().dead) << deadly;
        EXPECT_EQ(P1().life, -160) << deadly;
        EXPECT_EQ(P1().col, 3);
        EXPECT_EQ(At(3, 4), "A00");
        EXPECT_EQ(At(4, 4), deadly);
    }
}

TEST_F(PlayersStepTest, TheFinishTakesThePlayerOffTheBoardAndStays) {
    Put(4, 4, "A45");
    Walk(3);
    EXPECT_TRUE(P1().finished);
    EXPECT_EQ(P1().heldDir, 0);
    EXPECT_EQ(P1().col, 3);
    EXPECT_EQ(At(3, 4), "A00");
    EXPECT_EQ(At(4, 4), "A45");
}

TEST_F(PlayersStepTest, ATransportRunCarriesToTheSquareBeyondOrNowhere) {
    for (int c = 4; c <= 6; ++c) Put(c, 4, "B28");
    Walk(3);
    EXPECT_EQ(P1().col, 7);
    EXPECT_EQ(At(7, 4), "A46");
    EXPECT_EQ(At(4, 4), "B28");

    Place(P1(), 3, 4);
    Put(7, 4, "A32");
    Walk(3);
    EXPECT_EQ(P1().col, 3);  // the wall beyond the run: no move at all
    EXPECT_EQ(At(3, 4), "A46");
    EXPECT_EQ(At(4, 4), "B28");

    Place(P1(), 26, 4);
    for (int c = 27; c <= 30; ++c) Put(c, 4, "B28");
    Walk(3);
    EXPECT_EQ(P1().col, 26);  // a run to the edge never leaves the room
    EXPECT_EQ(g().CurrentRoomCol, 1);
}

TEST_F(PlayersStepTest, ASlideFieldSendsToItsLettersAndPicksUpThere) {
    Put(4, 4, "ZEC");
    Put(5, 3, "A37");
    Walk(3);
    EXPECT_EQ(P1().col, 5);
    EXPECT_EQ(P1().row, 3);
    EXPECT_EQ(P1().points, 100);
    EXPECT_EQ(At(4, 4), "ZEC");
    EXPECT_EQ(At(3, 4), "A00");

    Put(5, 4, "Zd#");  // d and # both mean 30; (30, 30) is off the room
    Walk(5);
    EXPECT_EQ(P1().row, 3);
    Put(5, 4, "Zcd");  // column 29, row 30: off the room
    Walk(5);
    EXPECT_EQ(P1().row, 3);
}

TEST_F(PlayersStepTest, WhatAPlayerMayStepOnto) {
    for (const char* c : {"A00", "A37", "A28", "A29", "A38", "A41", "A30", "A43", "B28", "A45",
                          "A72", "A95", "B04", "B27", "ZAA"}) {
        Put(10, 10, c);
        EXPECT_TRUE(IsPlayerPassable(g(), 10, 10)) << c;
    }
    for (const char* c :
         {"A16", "A32", "A35", "A39", "A46", "A47", "A48", "A64", "A80", "Z", "ZA", ""}) {
        Put(10, 10, c);
        EXPECT_FALSE(IsPlayerPassable(g(), 10, 10)) << c;
    }
    EXPECT_FALSE(IsPlayerPassable(g(), 0, 10));
    EXPECT_FALSE(IsPlayerPassable(g(), 31, 10));
}

// The step lets messages through before each player; what ended there (an abort answered, the
// next level loaded, the program closing) leaves the room alone.
TEST_F(PlayersStepTest, AbortingDuringTheStepsPumpStopsTheWalk) {
    const std::pair<const char*, std::function<void()>> endings[] = {
        {"abort", [this] { Abort(); }},
        {"warp", [this] { ++g().LevelSerial; }},
        {"close", [this] { host.closing = true; }},
    };
    for (const auto& [what, end] : endings) {
        host.closing = false;
        StartOn(1);
        P1().heldDir = 3;
        host.AtPump(1, end);
        Steps();
        EXPECT_EQ(At(4, 4), "A00") << what;
        EXPECT_EQ(At(3, 4), "A46") << what;
        EXPECT_EQ(P1().col, 3) << what;
    }
    host.closing = false;

    // At player 2's pump player 1 has walked already.
    StartOn(2);
    P1().heldDir = P2().heldDir = 5;
    host.AtPump(2, [this] { ++g().LevelSerial; });
    Steps();
    EXPECT_EQ(At(3, 5), "A46");
    EXPECT_EQ(At(5, 4), "A47");
}

}  // namespace
}  // namespace murk
