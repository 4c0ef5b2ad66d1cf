// Play-time keys: directions, the item menu, kits and bombs from it, who hears the keys.
#include <gtest/gtest.h>

#include "players_fixture.h"

namespace murk {
namespace {

class PlayersInputTest : public test::PlayersFixture {
protected:
    void SetUp() override { StartOn(1); }
};

TEST_F(PlayersInputTest, TwoKeysMakeADiagonalAndReleasingOneKeepsTheOther) {
    Down(vk::Up);
    Down(vk::Right);
    EXPECT_EQ(P1().heldDir, 2);
    Up(vk::Up);
    EXPECT_EQ(P1().heldDir, 3);
    Down(vk::Up);
    Up(vk::Right);
    EXPECT_EQ(P1().heldDir, 1);
    Down(vk::Left);
    Down(vk::Left);  // auto-repeat changes nothing
    EXPECT_EQ(P1().heldDir, 8);
    Up(vk::Left);
    EXPECT_EQ(P1().heldDir, 1);
    Down(vk::Down);  // the opposite key is ignored, but its release stops
    EXPECT_EQ(P1().heldDir, 1);
    Up(vk::Down);
    EXPECT_EQ(P1().heldDir, 0);
}

TEST_F(PlayersInputTest, TheMenuKeyOpensTheMenuAndDirectionsChooseItems) {
    Down(vk::Right);
    Down(vk::Ctrl);
    Up(vk::Shift);
    EXPECT_TRUE(P1().menuOpen);
    EXPECT_EQ(P1().menuChoice, 2);
    EXPECT_EQ(P1().heldDir, 0);
    EXPECT_FALSE(P1().fireHeld);
    const std::pair<int, int> choices[] = {
        {vk::Left, 1}, {vk::Right, 3}, {vk::Down, 2}, {vk::Up, 2}};
    for (auto [key, choice] : choices) {
        Down(key);
        EXPECT_EQ(P1().menuChoice, choice) << key;
        EXPECT_EQ(P1().heldDir, 0) << key;
        Up(key);
    }
}

TEST_F(PlayersInputTest, FireOnLifeUsesAKitOnlyWhenItHelps) {
    P1().kits = 1;
    Up(vk::Shift);
    Down(vk::Ctrl);  // full life: nothing used
    EXPECT_FALSE(P1().menuOpen);
    EXPECT_EQ(P1().kits, 1);
    EXPECT_FALSE(P1().fireHeld);
    Up(vk::Ctrl);

    P1().life = 35;
    P1().status = "LIFE";
    Up(vk::Shift);
    Down(vk::Ctrl);
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
    Up(vk::Ctrl);

    P1().bombs = 2;
    P1().status = "BOMB";
    FireOnBomb();
    EXPECT_TRUE(P1().bombHeld);
    EXPECT_EQ(P1().bombs, 1);
    EXPECT_EQ(At(3, 4), "A41");
    EXPECT_EQ(P1().underBomb, "A46");
    EXPECT_EQ(P1().status, "BOMB");  // kept until the bomb goes off
    EXPECT_FALSE(P1().fireHeld);
    Up(vk::Shift);  // no menu while a bomb is held
    EXPECT_FALSE(P1().menuOpen);
}

TEST_F(PlayersInputTest, AFinishedOrDeadPlayerOnlyLosesItsDirectionOnKeyDown) {
    P1().heldDir = 3;
    P1().finished = true;
    Down(vk::Ctrl);
    EXPECT_EQ(P1().heldDir, 0);
    EXPECT_FALSE(P1().fireHeld);
    P1().heldDir = 2;
    P1().fireHeld = true;
    Up(vk::Up);
    Up(vk::Ctrl);
    EXPECT_EQ(P1().heldDir, 3);  // key-up still applies
    EXPECT_FALSE(P1().fireHeld);
    Up(vk::Shift);
    EXPECT_FALSE(P1().menuOpen);
}

TEST_F(PlayersInputTest, AOnePlayerGameSendsNoKeysToPlayer2) {
    P2().upKey = vk::Up;
    P2().menuKey = vk::Shift;
    Down(vk::Up);
    Up(vk::Shift);
    EXPECT_EQ(P1().heldDir, 0);  // the menu opened
    EXPECT_EQ(P2().heldDir, 0);
    EXPECT_FALSE(P2().menuOpen);
}

}  // namespace
}  // namespace murk
