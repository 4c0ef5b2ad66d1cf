// Bombs: laying and firing, steering over fields and against obstacles, holds ended by blasts.
#include <gtest/gtest.h>

#include "combat/impacts.h"
#include "players/bombs.h"
#include "rules_fixture.h"

namespace murk {
namespace {

namespace key = test::key;

class PlayersBombsTest : public test::RulesTest {
protected:
    void SetUp() override { StartOn(1); }

    // Player 1 lays a bomb from the item menu and keeps fire down.
    void Lay() {
        P1().bombs = 1;
        FireOnBomb();
        ASSERT_TRUE(P1().bombHeld);
    }
    // Steers the held bomb one square per step.
    void Steer(int dir, int steps = 1) {
        P1().heldDir = dir;
        Steps(steps);
    }
};

TEST_F(PlayersBombsTest, FiringWhereItWasLaidKillsTheLayerThroughAShield) {
    P1().shieldTime = 500;
    Lay();
    Up(key::Fire);
    EXPECT_TRUE(P1().dead);
    EXPECT_FALSE(P1().bombHeld);
    EXPECT_EQ(P1().status, "");
    EXPECT_EQ(At(3, 4), "A00");
}

TEST_F(PlayersBombsTest, SteeringCoversFieldsAndPutsThemBack) {
    Put(4, 4, "ZAA");
    Put(6, 4, "A30");
    Lay();
    Steer(3);
    EXPECT_EQ(At(3, 4), "A46");  // the player reappears as the bomb leaves
    EXPECT_EQ(At(4, 4), "A41");
    EXPECT_EQ(P1().underBomb, "ZAA");
    EXPECT_EQ(P1().col, 3);  // the player does not walk while steering
    Steer(3, 2);
    EXPECT_EQ(At(4, 4), "ZAA");
    EXPECT_EQ(At(5, 4), "A00");
    EXPECT_EQ(At(6, 4), "A41");
    Up(key::Fire);
    EXPECT_EQ(At(6, 4), "A30");  // a death field survives the bomb that went off on it
    EXPECT_FALSE(P1().bombHeld);
    EXPECT_FALSE(P1().dead);  // three columns away
}

TEST_F(PlayersBombsTest, ItemsWallsFieldsPlayersAndTheEdgeStopABomb) {
    Place(P1(), 29, 4);
    Put(29, 3, "A37");
    Put(29, 5, "B28");
    Put(28, 4, "A32");
    Put(30, 4, "A47");
    Lay();
    for (int dir : {1, 5, 7, 3}) {
        Steer(dir);
        EXPECT_EQ(P1().bombCol, 29) << dir;
        EXPECT_EQ(P1().bombRow, 4) << dir;
    }
    Steer(4);
    Steer(3);  // the edge of the room
    EXPECT_EQ(P1().bombCol, 30);
    EXPECT_EQ(P1().bombRow, 5);
    EXPECT_EQ(At(29, 4), "A46");
    EXPECT_EQ(At(30, 5), "A41");
    EXPECT_EQ(At(29, 3), "A37");
    EXPECT_EQ(At(29, 5), "B28");
}

TEST_F(PlayersBombsTest, AnExplosionOnAHeldBombEndsOnlyThatHold) {
    Lay();
    Steer(3, 2);
    P2().bombCol = 5;  // a stale square from an old bomb
    P2().bombRow = 4;
    P2().status = "LIFE";
    P1().status = "BOMB";
    Explosion(g(), host, 5, 4, false);
    EXPECT_FALSE(P1().bombHeld);
    EXPECT_EQ(P1().status, "");
    EXPECT_EQ(P2().status, "LIFE");
    EXPECT_EQ(At(5, 4), "A00");
}

TEST_F(PlayersBombsTest, AHeldBombShotGoesOffAsIfReleased) {
    // Shot where it was laid: the holder dies, and its status no longer says it holds a bomb.
    Lay();
    P1().status = "BOMB";
    Impact(g(), host, 3, 4, P2());
    EXPECT_TRUE(P1().dead);
    EXPECT_FALSE(P1().bombHeld);
    EXPECT_EQ(P1().status, "");

    // Shot over a death field: the field comes back, as when fire is released.
    StartOn(1);
    Put(4, 4, "A30");
    Lay();
    Steer(3);
    Impact(g(), host, 4, 4, P2());
    EXPECT_FALSE(P1().bombHeld);
    EXPECT_EQ(At(4, 4), "A30");
}

TEST_F(PlayersBombsTest, ABombInAPlayersHandsBlocksThePartner) {
    StartOn(2);
    Lay();
    Steer(3);  // player 1's bomb at (4, 4), player 2 at (5, 4)
    P2().heldDir = 7;
    Steps(2);
    EXPECT_EQ(P2().col, 5);
    EXPECT_EQ(P2().bombs, 0);
    EXPECT_EQ(At(4, 4), "A41");
    EXPECT_EQ(At(5, 4), "A47");
}

TEST_F(PlayersBombsTest, SteeredIntoAnAntItBlastsCreaturesButNotPigProducers) {
    Put(5, 4, "A02");
    Put(7, 4, "A06");
    Put(5, 6, "A12");
    Put(4, 2, "A16");
    Put(6, 3, "A19");
    Put(7, 5, "A38");
    Put(7, 6, "A04");  // a corner of the block: out of reach
    Lay();
    Steer(3, 2);
    EXPECT_FALSE(P1().bombHeld);
    EXPECT_TRUE(P1().dead);  // one square from the blast
    for (auto [c, r] : {std::pair{5, 4}, {7, 4}, {6, 3}})
        EXPECT_EQ(At(c, r), "A00") << c << "," << r;
    EXPECT_EQ(At(5, 6), "A12");
    EXPECT_EQ(At(4, 2), "A16");
    EXPECT_EQ(At(7, 5), "A38");
    EXPECT_EQ(At(7, 6), "A04");
}

TEST_F(PlayersBombsTest, ABlastSetsOffBombsInReachSilentlyAndEndsAHoldItReaches) {
    StartOn(2);
    Place(P2(), 10, 10);
    P2().bombHeld = true;  // player 2 holds a bomb at (9, 8), its status showing
    P2().bombCol = 9;
    P2().bombRow = 8;
    P2().underBomb = "ZAB";
    P2().status = "BOMB";
    Put(9, 8, "A41");
    Put(7, 8, "A41");   // the chain's first link, two squares east of the held bomb's blast
    Put(20, 4, "A41");  // out of every reach
    Put(5, 8, "A02");   // reached only through the first link
    Explosion(g(), host, 11, 8, true);
    EXPECT_FALSE(P2().bombHeld);
    EXPECT_EQ(P2().status, "");
    EXPECT_TRUE(P2().dead);
    EXPECT_EQ(At(9, 8), "A00");  // a field under a bomb set off by another is not put back
    EXPECT_EQ(At(7, 8), "A00");
    EXPECT_EQ(At(5, 8), "A00");
    EXPECT_EQ(At(20, 4), "A41");
    EXPECT_EQ(host.Count("sound S11"), 1);
}

}  // namespace
}  // namespace murk
