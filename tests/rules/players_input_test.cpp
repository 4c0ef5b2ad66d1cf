// Play-time keys: directions, the item menu, kits and bombs from it, who hears the keys.
#include <gtest/gtest.h>

#include "rules_fixture.h"

namespace murk {
namespace {

namespace key = test::key;

class PlayersInputTest : public test::RulesTest {
protected:
    void SetUp() override { StartOn(1); }
};

TEST_F(PlayersInputTest, TwoKeysMakeADiagonalAndReleasingOneKeepsTheOther) {
    Down(key::Up);
    Down(key::Right);
    EXPECT_EQ(P1().heldDir, 2);
    Up(key::Up);
    EXPECT_EQ(P1().heldDir, 3);
    Down(key::Up);
    Up(key::Right);
    EXPECT_EQ(P1().heldDir, 1);
    Down(key::Left);
    Down(key::Left);  // auto-repeat changes nothing
    EXPECT_EQ(P1().heldDir, 8);
    Up(key::Left);
    EXPECT_EQ(P1().heldDir, 1);
    Down(key::Down);  // the opposite key is ignored, but its release stops
    EXPECT_EQ(P1().heldDir, 1);
    Up(key::Down);
    EXPECT_EQ(P1().heldDir, 0);
}

TEST_F(PlayersInputTest, TheMenuKeyOpensTheMenuAndDirectionsChooseItems) {
    Down(key::Right);
    Down(key::Fire);
    Up(key::Menu);
    EXPECT_TRUE(P1().menuOpen);
    EXPECT_EQ(P1().menuChoice, 2);
    EXPECT_EQ(P1().heldDir, 0);
    EXPECT_FALSE(P1().fireHeld);
    const std::pair<int, int> choices[] = {
        {key::Left, 1}, {key::Right, 3}, {key::Down, 2}, {key::Up, 2}};
    for (auto [key, choice] : choices) {
        Down(key);
        EXPECT_EQ(P1().menuChoice, choice) << key;
        EXPECT_EQ(P1().heldDir, 0) << key;
        Up(key);
    }
}

TEST_F(PlayersInputTest, FireOnLifeUsesAKitOnlyWhenItHelps) {
    P1().kits = 1;
    Up(key::Menu);
    Down(key::Fire);  // full life: nothing used
    EXPECT_FALSE(P1().menuOpen);
    EXPECT_EQ(P1().kits, 1);
    EXPECT_FALSE(P1().fireHeld);
    Up(key::Fire);

    P1().life = 35;
    P1().status = "LIFE";
    Up(key::Menu);
    Down(key::Fire);
    EXPECT_EQ(P1().life, 90);  // restored, not added
    EXPECT_EQ(P1().kits, 0);
    EXPECT_TRUE(P1().fireHeld);
    EXPECT_EQ(P1().status, "");
}

TEST_F(PlayersInputTest, FireOnBombLaysItUnderThePlayerOnlyWhenOneIsCarried) {
    FireOnBomb();
    EXPECT_FALSE(P1().menuOpen);
    EXPECT_FALSE(P1().bombHeld);
    EXPECT_EQ(At(3, 4), "A46");
    Up(key::Fire);

    P1().bombs = 2;
    P1().status = "BOMB";
    FireOnBomb();
    EXPECT_TRUE(P1().bombHeld);
    EXPECT_EQ(P1().bombs, 1);
    EXPECT_EQ(At(3, 4), "A41");
    EXPECT_EQ(P1().underBomb, "A46");
    EXPECT_EQ(P1().status, "BOMB");  // kept until the bomb goes off
    EXPECT_FALSE(P1().fireHeld);
    Up(key::Menu);  // no menu while a bomb is held
    EXPECT_FALSE(P1().menuOpen);
}

TEST_F(PlayersInputTest, AFinishedOrDeadPlayerOnlyLosesItsDirectionOnKeyDown) {
    P1().heldDir = 3;
    P1().finished = true;
    Down(key::Fire);
    EXPECT_EQ(P1().heldDir, 0);
    EXPECT_FALSE(P1().fireHeld);
    P1().heldDir = 2;
    P1().fireHeld = true;
    Up(key::Up);
    Up(key::Fire);
    EXPECT_EQ(P1().heldDir, 3);  // key-up still applies
    EXPECT_FALSE(P1().fireHeld);
    Up(key::Menu);
    EXPECT_FALSE(P1().menuOpen);
}

TEST_F(PlayersInputTest, AOnePlayerGameSendsNoKeysToPlayer2) {
    P2().upKey = key::Up;
    P2().menuKey = key::Menu;
    Down(key::Up);
    Up(key::Menu);
    EXPECT_EQ(P1().heldDir, 0);  // the menu opened
    EXPECT_EQ(P2().heldDir, 0);
    EXPECT_FALSE(P2().menuOpen);
}

}  // namespace
}  // namespace murk
