// Waits only an event can end: with nothing queued and no timer running, the headless game says
// so instead of hanging.
#include <gtest/gtest.h>

#include "scores/nameform.h"
#include "test_support.h"

namespace murk {
namespace {

TEST(StuckWaits, MurkSimStopsWithStatus3NamingTheLine) {
    test::TempGameDir dir;
    test::WriteNumberedLevels(dir, 3);
    test::SimRun run = test::RunSim(dir, "# hold the arrow\ndown 38\ntick\ndump\n");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out,
              "sound S99\n"
              "stuck: line 3: tick: the held level arrow repeats until it is released\n");

    run = test::RunSim(dir, "down 38\nup 38\ntick\nstart\ndump\n");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find(" level=1 "), std::string::npos) << run.out;
}

TEST(StuckWaits, ARunningTimerOrAQueuedEventKeepsTheWaitAlive) {
    test::StartedProgram p(3);
    App& app = p.app();
    uint64_t firedAt = 0;
    app.GameOverTimer.onTimer = [&] {
        firedAt = p.h.pf.NowMs();
        SetTimerInterval(app, app.GameOverTimer, 0);
    };
    SetTimerInterval(app, app.GameOverTimer, 500);
    const uint64_t start = p.h.pf.NowMs();
    p.h.pf.QueueKeyDown(vk::Up);
    EXPECT_THROW(ProcessMessages(app), StuckWaiting);
    EXPECT_GE(firedAt, start + 500);

    // The name dialog: stuck with nothing queued, closed by a key-up queued before it opens.
    p.h.pf.SetAnswerPrompts(false);
    EXPECT_THROW(app.nameForm->AskName("Player 1", Rgb{0, 128, 0}), StuckWaiting);
    p.h.pf.QueueKeyUp(vk::Enter);
    EXPECT_EQ(app.nameForm->AskName("Player 1", Rgb{0, 128, 0}), "Player 1");
}

}  // namespace
}  // namespace murk
