// Idle waits: the virtual clock jumps to the next event or due timer instead of ticking through.
#include <gtest/gtest.h>

#include "shell/app.h"
#include "test_support.h"

namespace murk {
namespace {

TEST(IdleWait, ClockJumpsToTheNextEventOrTimerAndReportsAWaitWithoutEnd) {
    test::StartedProgram p(1);
    HeadlessPlatform& pf = p.h.pf;
    const uint64_t start = pf.NowMs();
    int fired = 0;
    p.app().WarpTimer.onTimer = [&] { ++fired; };
    SetTimerInterval(p.app(), p.app().WarpTimer, 500);
    pf.QueueEventAt(start + 200, test::KeyUpEvent(vk::F7));

    WaitForMessages(p.app(), "a test's wait");  // the queued key comes first
    EXPECT_EQ(pf.NowMs(), start + 200);
    ProcessMessages(p.app());
    EXPECT_EQ(pf.PendingEvents(), 0u);
    WaitForMessages(p.app(), "a test's wait");  // then the timer
    EXPECT_EQ(pf.NowMs(), start + 500);
    ProcessMessages(p.app());
    EXPECT_EQ(fired, 1);

    SetTimerInterval(p.app(), p.app().WarpTimer, 0);
    // Nothing queued, no timer: only a user could end this wait, and a script has none.
    EXPECT_THROW(WaitForMessages(p.app(), "a test's wait"), StuckWaiting);
    EXPECT_EQ(pf.NowMs(), start + 500);
}

}  // namespace
}  // namespace murk
