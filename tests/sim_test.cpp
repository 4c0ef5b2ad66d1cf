// murk-sim: the dump format, scripted box answers, timers on the virtual clock, exit statuses.
#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

namespace murk {
namespace {

using test::RunSim;

constexpr const char* kNoLevels =
    "box error Error loading levels (no levels found). Please make sure the Levels directory "
    "exists and that it is in the same directory as this program.\n";

std::string FreshPlayer(int col, int row) {
    return "col=" + std::to_string(col) + " row=" + std::to_string(row) +
           " life=90 points=0 keys=0 kits=0 bombs=0 levels=0 shield=0 dir=0 fire=0 menu=0 "
           "choice=0 bombheld=0 bombcol=0 bombrow=0 under=\"\" bullet=0 bcol=0 brow=0 bdir=0 "
           "bsteps=0 dead=0 finished=0 status=\"\"";
}

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

TEST_F(SimTest, DumpPrintsTheStateBlock) {
    const test::SimRun run = RunSim(dir, "start\nset 30 19 A32\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;

    std::string expected =
        "sound S99\n"  // the opening song at the first paint
        "state tick=1 room=1,1 level=0 players=1 stopped=0 paused=0 title=\"Level 0 - Tiny\"\n"
        "p1 " + FreshPlayer(3, 4) + "\n"
        "p2 " + FreshPlayer(5, 4) + "\n"
        "grid\n";
    for (int r = 1; r <= 19; ++r) {
        for (int c = 1; c <= 30; ++c) {
            // Player 2's start tile became floor at the first draw of a one-player game.
            const char* code = r == 4 && c == 3 ? "A46" : r == 19 && c == 30 ? "A32" : "A00";
            expected += std::string(c > 1 ? " " : "") + code;
        }
        expected += "\n";
    }
    expected += "end\n";
    EXPECT_EQ(run.out, expected);
}

TEST_F(SimTest, DumpQuotesTextsAndFollowsTheGame) {
    const test::SimRun run = RunSim(dir,
                                    "players 2\n"
                                    "start\n"
                                    "p2 status Say \"hi\" \\ o\n"
                                    "p1 life -4\n"
                                    "tick 3\n"
                                    "dump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const size_t from = run.out.find("state");  // after the opening song's line
    const std::string state = run.out.substr(from, run.out.find('\n', from) - from);
    EXPECT_EQ(state, "state tick=4 room=1,1 level=0 players=2 stopped=0 paused=0 title=\"Level 0 - Tiny\"");
    EXPECT_NE(run.out.find("\np1 col=3 row=4 life=-4 "), std::string::npos);
    EXPECT_NE(run.out.find(" status=\"Say \\\"hi\\\" \\\\ o\"\n"), std::string::npos) << run.out;
}

TEST_F(SimTest, ConfirmationBoxesTakeTheQueuedAnswersThenYes) {
    const test::SimRun run = RunSim(dir,
                                    "answer no\n"
                                    "up 27\n"
                                    "tick\n"
                                    "up 27\n"
                                    "tick\n"
                                    "dump\n");
    EXPECT_EQ(run.status, 0);
    // The second question is answered yes, the program quits and the script stops there.
    EXPECT_EQ(run.out,
              "sound S99\n"
              "box confirm Quit to system? -> no\n"
              "box confirm Quit to system? -> yes\n");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "Options.dat"));
}

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

TEST_F(SimTest, AnUnparseableLineStopsWithStatus2AndItsNumber) {
    const test::SimRun run = RunSim(dir, "players 2\n\n# a comment\nstart   # and another\nfly away\ndump\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("line 5"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("state"), std::string::npos);

    for (const char* bad : {"players", "players two", "tick -1", "tick x", "p1 nosuch 3",
                            "p1 dead 2", "p2 life ten", "set 1 2", "sound loud", "start now",
                            "answer maybe", "dump all", "down", "level 1.5"}) {
        const test::SimRun r = RunSim(dir, std::string("level 0\n") + bad + "\n");
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_NE(r.err.find("line 2"), std::string::npos) << bad << ": " << r.err;
    }
}

TEST(SimNoLevels, ExitsWithStatus1AfterTheErrorBox) {
    test::TempGameDir empty;
    const test::SimRun run = RunSim(empty, "start\ndump\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, kNoLevels);
}

}  // namespace
}  // namespace murk
