// Damage: life down to exactly 0 survives, the shield's limit, death, and players off the board.
#include <gtest/gtest.h>

#include "players/damage.h"
#include "rules_fixture.h"

namespace murk {
namespace {

class PlayersDamageTest : public test::RulesTest {
protected:
    void SetUp() override { StartOn(2); }
};

TEST_F(PlayersDamageTest, LifeZeroStillLivesAndTheNextHitKills) {
    P1().life = 10;
    P1().heldDir = 3;
    P1().menuOpen = true;
    P1().shieldTime = -5;
    Damage(g(), host, 10, "A46", true);
    EXPECT_EQ(P1().life, 0);
    EXPECT_FALSE(P1().dead);
    Damage(g(), host, 10, "A46", false);
    EXPECT_TRUE(P1().dead);
    EXPECT_EQ(P1().life, -10);
    EXPECT_EQ(P1().heldDir, 0);
    EXPECT_EQ(P1().shieldTime, 0);
    EXPECT_FALSE(P1().menuOpen);
    EXPECT_EQ(At(3, 4), "A00");
    EXPECT_EQ(At(5, 4), "A47");
}

TEST_F(PlayersDamageTest, AShieldStopsEverythingBelow200) {
    P2().shieldTime = 3;
    Damage(g(), host, 150, "A47", true);
    EXPECT_EQ(P2().life, 90);
    Damage(g(), host, 200, "A47", true);
    EXPECT_TRUE(P2().dead);
    EXPECT_EQ(P2().life, -110);
    EXPECT_EQ(P1().life, 90);  // any code but A46 is player 2
}

TEST_F(PlayersDamageTest, APlayerOffTheBoardIsNotHurtAgain) {
    Damage(g(), host, 250, "A46", true);
    Place(P2(), 3, 4);  // the partner now stands on the dead player's square
    Damage(g(), host, 250, "A46", true);
    EXPECT_EQ(P1().life, -160);
    EXPECT_EQ(At(3, 4), "A47");

    P2().finished = true;
    Damage(g(), host, 250, "A47", true);
    EXPECT_FALSE(P2().dead);
    EXPECT_EQ(P2().life, 90);
}

}  // namespace
}  // namespace murk
