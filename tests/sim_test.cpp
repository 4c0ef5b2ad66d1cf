// murk-sim beyond one script's output: an options file it never reads, timers on the virtual
// clock, every malformed command (tests/sim/ holds the scripts compared line by line).
#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

namespace murk {
namespace {

using test::RunSim;

class SimTest : public ::testing::Test {
protected:
    SimTest() {
        test::LevelSpec tiny;
        tiny.title = "Tiny";
        dir.WriteLevel(0, tiny);
        tiny.title = "Next";
        dir.WriteLevel(1, tiny);
    }
    test::TempGameDir dir;
};

TEST_F(SimTest, TimersRunOnTheVirtualClockAtTheScriptsSpeed) {
    dir.WriteFile("Options.dat", "1\n");  // never read: the speed stays 20 ms per pass
    const std::string warp = "start\np1 finished 1\ntick 185\ndump\ntick 10\ndump\n";
    test::SimRun run = RunSim(dir, warp);
    ASSERT_EQ(run.status, 0) << run.err;
    const size_t second = run.out.find("state", 1);
    EXPECT_NE(run.out.find("level=0"), std::string::npos);
    EXPECT_NE(run.out.find("status=\"WARP\""), std::string::npos);
    EXPECT_NE(run.out.find("level=1", second), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("title=\"Level 1 - Next\"", second), std::string::npos);

    run = RunSim(dir, "speed 1\n" + warp);
    EXPECT_EQ(run.out.find("level=1"), std::string::npos);
    EXPECT_EQ(test::ReadFileText(dir.Path() / "Options.dat"), "1\n");
}

TEST_F(SimTest, EveryMalformedCommandStopsWithStatus2AndItsNumber) {
    for (const char* bad :
         {"players", "players two", "tick -1", "tick x", "p1 nosuch 3", "p1 dead 2", "p2 life ten",
          "set 1 2", "sound loud", "start now", "answer maybe", "dump all", "down", "level 1.5",
          "mouse", "mouse move 1", "mouse down 1 2 9", "mouse drag 1 2"}) {
        const test::SimRun r = RunSim(dir, std::string("level 0\n") + bad + "\n");
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_NE(r.err.find("line 2"), std::string::npos) << bad << ": " << r.err;
    }
}

}  // namespace
}  // namespace murk
