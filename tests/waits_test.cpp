// Waits only an event can end: with nothing queued and no timer running, the headless game says
// so instead of hanging.
#include <gtest/gtest.h>

#include "scores/nameform.h"
#include "test_support.h"

namespace murk {
namespace {

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
