// Timers and answers at the message pumps inside a pass: nothing of an ended game or a level
// already left reaches the menu or the next level's room.
#include <gtest/gtest.h>

#include <regex>

#include "shell/gameloop.h"
#include "options/optionsform.h"
#include "shell/mainform.h"
#include "test_support.h"

namespace murk {
namespace {

class PumpTest : public ::testing::Test, protected test::StartedProgram {
protected:
    PumpTest() : StartedProgram(2) {}
    Game& game() { return h.app->game; }
    TMainForm& main() { return *h.app->mainForm; }
    void Start(int players = 1) {
        app().optionsForm->GameSpeedEdit->SetText("1");
        ASSERT_TRUE(StartFromMenu(players));
    }
    void RunPasses(int n) {
        for (int i = 0; i < n && !game().GameStopped; ++i) RunPass(app(), app().loopDelay);
    }
    std::vector<uint32_t> MenuPixels() {
        const Rect r = main().MenuBox->ScreenRect();
        std::vector<uint32_t> px;
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x) px.push_back(h.pf.Pixel(x, y));
        return px;
    }
};

TEST_F(PumpTest, AGamesTimersEndWithIt) {
    // Player 1 has reached the finish (player 2 is dead) when the game is aborted.
    const auto abortAtTheWarp = [this](int players) {
        Start(players);
        game().P1().finished = true;
        game().P2().dead = true;
        RunPasses(2);
        ASSERT_TRUE(game().WarpArmed1);
        h.pf.QueueKeyDown(vk::Escape);  // unqueued answers are yes: abort
        ProcessMessages(app());
        ASSERT_TRUE(game().GameStopped);
        EXPECT_EQ(app().WarpTimer.interval, 0);
        EXPECT_EQ(app().GameOverTimer.interval, 0);
        EXPECT_FALSE(game().WarpArmed1 || game().WarpArmed2);
    };

    // Long after, the menu still shows level 0 and nothing was drawn over it.
    abortAtTheWarp(2);
    const std::vector<uint32_t> menu = MenuPixels();
    for (int i = 0; i < 5000; ++i) {
        h.pf.Sleep1ms();
        ProcessMessages(app());
    }
    EXPECT_EQ(main().LevelTitleLbl->Text(), "Level 0 - L0");
    EXPECT_TRUE(menu == MenuPixels());

    // A game started at once stays on its level with nothing passed.
    abortAtTheWarp(1);
    Start(1);
    const uint64_t t = h.pf.NowMs();
    while (h.pf.NowMs() < t + 5000) RunPass(app(), app().loopDelay);
    EXPECT_EQ(game().SelectedLevel, 0);
    EXPECT_EQ(game().P1().levelsPassed, 0);
}

TEST_F(PumpTest, AnAbortAnsweredWhileTheRoomIsDrawnLeavesTheMenuAlone) {
    Start();
    // "No" redraws the room; the second Escape arrives at that draw's first pump: "yes".
    h.pf.QueueAnswer(false);
    h.pf.QueueKeyDown(vk::Escape);
    h.pf.QueueAnswer(true);
    h.pf.QueueKeyDown(vk::Escape);
    ProcessMessages(app());
    ASSERT_TRUE(game().GameStopped);
    const std::vector<uint32_t> shown = MenuPixels();
    main().PaintAll();
    EXPECT_TRUE(shown == MenuPixels()) << "room squares were drawn over the menu";
}

// A warp falling due at a pump inside the scan or the bullet step: the new level's room holds
// only what its file put there. (drawcost lets time pass inside the steps.)
TEST(PumpSim, AWarpAtAPumpInsideAStepLeavesTheNewRoomAlone) {
    test::TempGameDir dir;
    test::LevelSpec first;
    first.p1Col = 20, first.p1Row = 10, first.p2Col = 22, first.p2Row = 10;
    std::vector<test::Placed> squares = {{20, 10, "A46"}, {22, 10, "A47"}, {21, 10, "A45"}};
    for (int c = 3; c <= 27; ++c) squares.push_back({c, 3, "A02"});  // ants, for the scan
    first.rooms = {test::MakeRoom("A00", squares)};
    dir.WriteLevel(0, first);  // ants and the finish
    first.rooms = {test::MakeRoom("A00", {squares.begin(), squares.begin() + 3})};
    dir.WriteLevel(1, first);  // the finish alone
    first.rooms.clear();
    dir.WriteLevel(2, first);

    const std::string toTheFinish = "down 39\ntick 4\nup 39\n";
    const std::vector<std::pair<std::string, std::string>> scripts = {
        // the scan, with ants moving
        {"speed 0\nseed 1\nstart\ndrawcost 40\n" + toTheFinish + "tick 400\ndump\n", " level=1 "},
        // the bullet step, a shot flying west while the player steps onto the finish
        {"speed 0\nseed 1\nlevel 1\nstart\ndown 17\ndown 37\ntick\nup 37\nup 17\ntick\n"
         "drawcost 200\n" + toTheFinish + "tick 60\ndump\n", " level=2 "},
    };
    for (const auto& [script, level] : scripts) {
        SCOPED_TRACE(script);
        const test::SimRun run = test::RunSim(dir, script);
        ASSERT_EQ(run.status, 0) << run.err;
        ASSERT_NE(run.out.find(level), std::string::npos) << run.out;
        const std::string grid = run.out.substr(run.out.find("grid\n"));
        EXPECT_FALSE(std::regex_search(grid, std::regex("A02|A4[89]|A5[0-9]|A6[0-3]"))) << grid;
    }
}

}  // namespace
}  // namespace murk
