// The bullet step: firing, flight one square per tick, where a bullet ends and who may fire.
#include "combat/bullets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules_fixture.h"

namespace murk {
namespace {

class BulletTest : public test::RulesTest {
protected:
    void SetUp() override { Start(2); }  // P1 at (3, 4), P2 at (5, 4)
    void Aim(Player& p, int dir) {
        p.heldDir = dir;
        p.fireHeld = true;
    }
    // Bullet steps as the world tick runs them.
    void Fly(int n) {
        for (int i = 0; i < n; ++i) BulletStep(g(), host, FootingNow(g()));
    }
};

TEST_F(BulletTest, FliesASquareATickAndEndsAtTheFirstObstacle) {
    Player& p1 = g().P1();
    Place(g().P2(), 5, 10);
    Put(8, 4, "A32");
    Aim(p1, 3);
    Fly(1);  // the firing step already moves the bullet off the player
    EXPECT_EQ(At(3, 4), "A46");
    EXPECT_EQ(At(4, 4), "A50");
    p1.fireHeld = false;  // letting go of fire does not stop a bullet in flight
    Fly(1);
    EXPECT_EQ(At(4, 4), "A00");
    EXPECT_EQ(At(5, 4), "A50");
    Fly(2);
    EXPECT_EQ(At(7, 4), "A50");
    EXPECT_TRUE(p1.bulletInFlight);
    Fly(1);
    EXPECT_FALSE(p1.bulletInFlight);
    EXPECT_EQ(At(7, 4), "A00");
    EXPECT_EQ(At(8, 4), "A32");
    EXPECT_EQ(At(3, 4), "A46");
}

TEST_F(BulletTest, EachPlayerHasItsOwnBulletCodesPerDirection) {
    Player& p2 = g().P2();
    Place(g().P1(), 1, 19);
    Place(p2, 15, 10);
    const char* expected[] = {"A56", "A57", "A58", "A59", "A60", "A61", "A62", "A63"};
    const int col[] = {15, 16, 16, 16, 15, 14, 14, 14};
    const int row[] = {9, 9, 10, 11, 11, 11, 10, 9};
    for (int d = 1; d <= 8; ++d) {
        Aim(p2, d);
        Fly(1);
        EXPECT_EQ(At(col[d - 1], row[d - 1]), expected[d - 1]) << d;
        EXPECT_TRUE(IsBullet(g(), col[d - 1], row[d - 1]));
        p2.bulletInFlight = false;
        Put(col[d - 1], row[d - 1], "A00");
    }
    Aim(g().P1(), 2);
    Fly(1);
    EXPECT_EQ(At(2, 18), "A49");
}

TEST_F(BulletTest, ADiagonalBulletPassesBetweenWallsTouchingAtACorner) {
    Player& p1 = g().P1();
    Place(p1, 5, 10);
    Put(5, 9, "A32");
    Put(6, 10, "A32");
    Aim(p1, 2);
    Fly(2);
    EXPECT_EQ(At(6, 9), "A00");
    EXPECT_EQ(At(7, 8), "A49");
}

TEST_F(BulletTest, AtTheRoomsEdgeTheBulletEnds) {
    Player& p1 = g().P1();
    Place(p1, 29, 1);
    Aim(p1, 3);
    Fly(1);
    EXPECT_EQ(At(30, 1), "A50");
    p1.fireHeld = false;
    Fly(1);
    EXPECT_FALSE(p1.bulletInFlight);
    EXPECT_EQ(At(30, 1), "A00");
    EXPECT_EQ(At(31, 1), "");
}

TEST_F(BulletTest, AWallBesideThePlayerDrawsNothingAndFireKeepsShooting) {
    Player& p1 = g().P1();
    Put(3, 3, "A32");
    Aim(p1, 1);
    Fly(1);
    EXPECT_FALSE(p1.bulletInFlight);
    EXPECT_EQ(p1.bulletSteps, 1);
    EXPECT_EQ(At(3, 3), "A32");
    EXPECT_EQ(At(3, 4), "A46");
    p1.bulletSteps = 9;
    Fly(1);  // fires again at once
    EXPECT_EQ(p1.bulletSteps, 1);
}

TEST_F(BulletTest, AnAdjacentAntIsShotOnTheFiringTick) {
    Player& p1 = g().P1();
    Put(3, 5, "A02");
    Aim(p1, 5);
    Fly(1);
    EXPECT_EQ(At(3, 5), "A00");
    EXPECT_EQ(p1.points, 10);
    EXPECT_FALSE(p1.bulletInFlight);
    for (int r = 1; r <= 19; ++r)
        for (int c = 1; c <= 30; ++c) EXPECT_FALSE(IsBullet(g(), c, r)) << c << ',' << r;
}

TEST_F(BulletTest, ABulletEndsAtTheOtherPlayersBulletAndPlayerOneMovesFirst) {
    // Both bullets head for (4, 7) on the same tick: player 1 gets there, player 2's ends.
    Player& p1 = g().P1();
    Player& p2 = g().P2();
    Place(p1, 4, 5);
    Place(p2, 6, 7);
    Aim(p1, 5);
    Aim(p2, 7);
    Fly(1);
    EXPECT_EQ(At(4, 6), "A52");
    EXPECT_EQ(At(5, 7), "A62");
    p2.fireHeld = false;
    Fly(1);
    EXPECT_EQ(At(4, 7), "A52");
    EXPECT_EQ(At(5, 7), "A00");
    EXPECT_FALSE(p2.bulletInFlight);
    EXPECT_TRUE(p1.bulletInFlight);
    p1.fireHeld = false;
    Fly(1);
    EXPECT_EQ(At(4, 8), "A52");
}

TEST_F(BulletTest, WhoMayNotFire) {
    Player& p1 = g().P1();
    Aim(p1, 3);
    p1.bombHeld = true;
    Fly(1);
    EXPECT_FALSE(p1.bulletInFlight);
    p1.bombHeld = false;

    // Off the board a player's key releases can leave fire and a direction held.
    p1.dead = true;
    Fly(1);
    EXPECT_FALSE(p1.bulletInFlight);
    p1.dead = false;
    p1.finished = true;
    Fly(1);
    EXPECT_FALSE(p1.bulletInFlight);
    p1.finished = false;

    p1.heldDir = 0;
    Fly(1);
    EXPECT_FALSE(p1.bulletInFlight);
    EXPECT_EQ(At(4, 4), "A00");
}

TEST_F(BulletTest, ABulletFlyingAtDeathFliesOn) {
    Player& p1 = g().P1();
    Aim(p1, 5);
    Fly(1);
    p1.dead = true;
    p1.heldDir = 0;
    Put(3, 4, "A00");
    Fly(1);
    EXPECT_EQ(At(3, 6), "A52");
}

TEST_F(BulletTest, ASquareTakenUnderTheBulletIsClearedOneTimeInThree) {
    Player& p1 = g().P1();
    Place(g().P2(), 5, 10);
    int cleared = 0;
    for (int i = 0; i < 300; ++i) {
        Aim(p1, 3);
        Fly(1);
        Put(4, 4, "A64");  // a fire dart takes the bullet's square
        p1.fireHeld = false;
        Fly(1);
        cleared += At(4, 4) == "A00";
        Put(4, 4, "A00");
        Put(6, 4, "A32");  // end the bullet, now at (5, 4)
        Fly(1);
        Put(6, 4, "A00");
        ASSERT_EQ(At(5, 4), "A00");
        ASSERT_FALSE(p1.bulletInFlight);
    }
    EXPECT_GT(cleared, 70);
    EXPECT_LT(cleared, 130);
}

TEST_F(BulletTest, AShotKillingAnAntIsHeardAndDrawnInOrder) {
    StartOn(1);
    Put(5, 4, "A02");
    Aim(g().P1(), 3);
    Fly(2);  // fired onto (4, 4), then it leaves that square and hits the ant
    // Two pumps for player 1's bullet, one for player 2's (it has none), each step.
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"pump", "sound S00", "pump", "draw 4,4 A50", "pump", "pump",
                                        "draw 4,4 A00", "pump", "draw 5,4 A00", "pump"}));
    EXPECT_EQ(At(5, 4), "A00");
    EXPECT_EQ(g().P1().points, 10);
    EXPECT_FALSE(g().P1().bulletInFlight);
}

TEST_F(BulletTest, AnAbortAnsweredDuringTheStepDrawsNoMore) {
    Player& p1 = g().P1();
    Aim(p1, 3);
    host.AtPump(1, [this] { Abort(); });
    Fly(1);
    EXPECT_EQ(host.calls, std::vector<std::string>{"pump"});
    EXPECT_FALSE(p1.bulletInFlight);
    EXPECT_EQ(At(4, 4), "A00");

    // The next level loaded at the pump between firing and flying: the room is left alone.
    Start(2);
    Aim(g().P1(), 3);
    host.AtPump(2, [this] { ++g().LevelSerial; });
    Fly(1);
    EXPECT_EQ(host.Count("draw"), 0);
    EXPECT_EQ(At(4, 4), "A00");
}

}  // namespace
}  // namespace murk
