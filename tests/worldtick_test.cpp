// World clocks across games: a new game goes on from the clocks the last one left (the schedule
// itself and the chase targets are rules: tests/rules/worldtick_test.cpp).
#include <gtest/gtest.h>

#include "game/worldstate.h"
#include "shell/gameloop.h"
#include "shell/screens.h"
#include "test_support.h"

namespace murk {
namespace {

class WorldTickGameTest : public ::testing::Test, protected test::StartedProgram {
protected:
    WorldTickGameTest() : StartedProgram(1) {}

    void StartGame(int players) { ASSERT_TRUE(StartFromMenu(players)); }
    Game& game() { return app().game; }
};

TEST_F(WorldTickGameTest, ClocksCarryOverIntoTheNextGame) {
    StartGame(1);
    for (int i = 0; i < 40; ++i) RunPass(app(), 0);
    const WorldClocks before = game().world.clocks;
    EXPECT_EQ(before.tick, 41u);
    EXPECT_EQ(before.laser2, 26u);
    EXPECT_EQ(before.laser3, 10u);
    EXPECT_EQ(before.laser4, 1u);

    ReturnToMenu(app());
    StartGame(1);
    EXPECT_EQ(game().world.clocks.tick, 41u);
    RunPass(app(), 0);
    EXPECT_EQ(game().world.clocks.tick, 42u);
    EXPECT_EQ(game().world.clocks.laser3, 11u);
}

}  // namespace
}  // namespace murk
