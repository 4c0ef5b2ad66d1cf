// Timers and answers at the message pumps inside a pass: nothing of an ended game or a level
// already left reaches the menu or the next level's room.
#include <gtest/gtest.h>

#include "options/optionsform.h"
#include "shell/gameloop.h"
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
        ASSERT_TRUE(app().play.WarpArmed1);
        h.pf.QueueKeyDown(vk::Escape);  // unqueued answers are yes: abort
        ProcessMessages(app());
        ASSERT_TRUE(game().GameStopped);
        EXPECT_EQ(app().WarpTimer.interval, 0);
        EXPECT_EQ(app().GameOverTimer.interval, 0);
        EXPECT_FALSE(app().play.WarpArmed1 || app().play.WarpArmed2);
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
    EXPECT_EQ(app().play.SelectedLevel, 0);
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

}  // namespace
}  // namespace murk
