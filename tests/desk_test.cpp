// The desk on its own, with no game: windows stacked for input, timers, the close button.
#include "ui/desk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "ui/form.h"

namespace murk {
namespace {

class KeyForm : public Form {
public:
    explicit KeyForm(Platform& pf) : Form(pf, {0, 0, 100, 100}, Rgb{0, 0, 0}) {}
    std::vector<int> keys;

protected:
    bool FormKeyUp(int key) override {
        keys.push_back(key);
        return true;
    }
};

TEST(Desk, InputGoesToTheTopWindowTimersFireInTheirOrderAndCloseIsHandedOn) {
    HeadlessPlatform pf;
    Desk desk(pf);
    KeyForm below(pf), top(pf);
    ShowForm(desk, below);
    ShowForm(desk, top);
    pf.QueueKeyUp('A');
    ProcessMessages(desk);
    HideForm(desk, top);
    pf.QueueKeyUp('B');
    ProcessMessages(desk);
    EXPECT_EQ(top.keys, std::vector<int>{'A'});
    EXPECT_EQ(below.keys, std::vector<int>{'B'});

    // Two timers due together fire in the desk's order, not in the order they were set.
    std::string fired;
    Timer first, second;
    first.onTimer = [&] { fired += "first "; };
    second.onTimer = [&] { fired += "second "; };
    desk.timers = {&first, &second};
    const uint64_t start = pf.NowMs();
    SetTimerInterval(desk, second, 40);
    SetTimerInterval(desk, first, 40);
    WaitForMessages(desk, "two timers run");
    ProcessMessages(desk);
    EXPECT_EQ(pf.NowMs(), start + 40);
    EXPECT_EQ(fired, "first second ");

    // Closing before anyone listens does nothing; afterwards the listener hears it once.
    const Event close{EventKind::Close, 0, 0, 0, 0, {}};
    pf.QueueEvent(close);
    ProcessMessages(desk);
    int closes = 0;
    desk.onClose = [&] { ++closes; };
    pf.QueueEvent(close);
    ProcessMessages(desk);
    EXPECT_EQ(closes, 1);
}

}  // namespace
}  // namespace murk
