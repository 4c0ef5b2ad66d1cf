// Waits only an event can end: with nothing queued and no timer running, the headless game says
// so instead of hanging. The pass's wait serves keys and timers the moment they come.
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

// The pass's rest is one wait at a time, yet a key is served when it comes and a timer when it
// falls due; only the time spent waiting counts, so a long handler does not shorten the rest.
TEST(PassWait, KeysAndTimersAreServedAsTheyComeAndOnlyWaitingCounts) {
    test::StartedProgram p(1);
    App& app = p.app();
    const uint64_t start = p.h.pf.NowMs();
    constexpr int kQ = 0x51;
    p.h.pf.QueueEventAt(start + 3, {EventKind::KeyDown, kQ, 0, 0, 0, {}});
    uint64_t firedAt = 0;
    bool keyServed = false;
    app.WarpTimer.onTimer = [&] {
        firedAt = p.h.pf.NowMs();
        keyServed = app.keysDown.count(kQ) == 1;
        SetTimerInterval(app, app.WarpTimer, 0);
        for (int i = 0; i < 10; ++i) p.h.pf.Sleep1ms();  // a handler that takes 10 ms
    };
    SetTimerInterval(app, app.WarpTimer, 5);
    WaitMessagesFor(app, 20);
    EXPECT_EQ(firedAt, start + 5);
    EXPECT_TRUE(keyServed) << "the key came at 3 ms and was served before the timer at 5 ms";
    EXPECT_EQ(p.h.pf.NowMs(), start + 30) << "20 ms of waiting, and the handler's 10 besides";
}

}  // namespace
}  // namespace murk
