// The journal: a game recorded on one platform replays headless to the same state, and a damaged
// journal is refused with its line named.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/journal/recording_platform.h"
#include "platform/journal/replay_platform.h"
#include "shell/startup.h"
#include "shell/statedump.h"
#include "sim/sim.h"
#include "test_support.h"

namespace murk {
namespace {

using test::KeyDownEvent;
using test::KeyUpEvent;

// A whole program run on `pf`: a game started with F2, player 1 walking right and firing, the
// game aborted, the program quit. Returns the state at its end.
std::string PlayWholeProgram(HeadlessPlatform& pf, Platform& through) {
    pf.QueueEventAt(10, KeyUpEvent(vk::F2));
    pf.QueueEventAt(100, KeyDownEvent(vk::Right));
    pf.QueueEventAt(300, KeyDownEvent(vk::Ctrl));
    pf.QueueEventAt(320, KeyUpEvent(vk::Ctrl));
    pf.QueueEventAt(400, KeyUpEvent(vk::Right));
    pf.QueueEventAt(600, KeyDownEvent(vk::Escape));  // abort the game: yes
    pf.QueueEventAt(610, KeyUpEvent(vk::Escape));
    pf.QueueEventAt(700, KeyDownEvent(vk::Escape));  // quit: yes
    App app(through);
    RunProgram(app);
    EXPECT_TRUE(app.terminated);
    std::ostringstream dump;
    DumpState(app, dump);
    return dump.str();
}

TEST(Journal, GameRecordedReplaysToTheSameState) {
    test::TempGameDir dir;
    dir.WriteLevel(0);
    HeadlessPlatform machine;
    machine.SetFakeImages(true);
    machine.SetCurrentDirectory(dir.Path().string());
    machine.SetSeed(12345);
    std::stringstream journalText;
    std::string played;
    {
        RecordingPlatform recording(machine, journalText);
        played = PlayWholeProgram(machine, recording);
    }
    EXPECT_EQ(played.find("p1 col=3 row=4 "), std::string::npos) << played;  // it walked
    EXPECT_EQ(machine.Boxes().size(), 2u);

    Journal journal;
    std::string error;
    ASSERT_TRUE(ParseJournal(journalText.str(), journal, error)) << error;
    ASSERT_EQ(journal.seeds.size(), 2u);  // start-up and the game loop
    EXPECT_EQ(journal.seeds.front(), 12345u);
    ReplayPlatform replay(std::move(journal));
    replay.SetCurrentDirectory(dir.Path().string());
    App app(replay);
    RunProgram(app);
    std::ostringstream replayed;
    DumpState(app, replayed);
    EXPECT_EQ(replayed.str(), played);
    EXPECT_EQ(replay.Left(), 0u);

    // Cut short, as by a game killed while it ran: the replay says so and still shows the state.
    const std::string text = journalText.str();
    const std::filesystem::path cut = dir.Path() / "cut.journal";
    std::ofstream(cut) << text.substr(0, text.find("\ne ", text.size() / 2) + 1);
    test::ScopedCurrentPath in(dir.Path());
    std::ostringstream out, err;
    EXPECT_EQ(ReplayJournal(cut.string(), out, err), 4);
    EXPECT_NE(out.str().find("replay stopped: the journal ends"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("\nstate tick="), std::string::npos);
}

// A session in the level editor: the pointer's moves reach the journal only while the editor
// tracks the pointer, and the replay takes the same way (the stroke makes the level unsaved, so
// leaving asks).
TEST(Journal, TheEditorsPointerMovesAreRecordedAndReplayed) {
    test::TempGameDir dir;
    dir.WriteLevel(0);
    HeadlessPlatform machine;
    machine.SetFakeImages(true);
    machine.SetCurrentDirectory(dir.Path().string());
    const int x = 10 * kTilePixels + 16, y = 5 * kTilePixels + 16;
    machine.QueueEventAt(10, {EventKind::MouseMove, 0, 0, x, y, {}});  // at the menu: dropped
    machine.QueueEventAt(20, KeyUpEvent(vk::F9));
    machine.QueueEventAt(30, {EventKind::MouseDown, 0, 1, x, y, {}});
    machine.QueueEventAt(40, {EventKind::MouseMove, 0, 0, x + 64, y, {}});
    machine.QueueEventAt(50, {EventKind::MouseUp, 0, 1, x + 64, y, {}});
    machine.QueueEventAt(60, KeyDownEvent(vk::Escape));
    machine.QueueEventAt(70, KeyUpEvent(vk::Escape));  // leave without saving: yes
    machine.QueueEventAt(80, {EventKind::Close, 0, 0, 0, 0, {}});
    std::stringstream journalText;
    {
        RecordingPlatform recording(machine, journalText);
        App app(recording);
        RunProgram(app);
    }
    ASSERT_EQ(machine.Boxes().size(), 1u);
    const std::string text = journalText.str();
    EXPECT_NE(text.find(" mmove 0 " + std::to_string(x + 64) + " " + std::to_string(y)),
              std::string::npos);
    EXPECT_EQ(text.find(" mmove 0 " + std::to_string(x) + " "), std::string::npos);

    Journal journal;
    std::string error;
    ASSERT_TRUE(ParseJournal(text, journal, error)) << error;
    ReplayPlatform replay(std::move(journal));
    replay.SetCurrentDirectory(dir.Path().string());
    std::vector<std::string> asked;
    replay.onBox = [&asked](const HeadlessPlatform::Box& b) { asked.push_back(b.text); };
    App app(replay);
    RunProgram(app);
    EXPECT_EQ(asked, std::vector<std::string>{machine.Boxes().front().text});
    EXPECT_EQ(replay.Left(), 0u);
}

TEST(Journal, DamagedJournalIsRefusedWithItsLine) {
    const std::string head = std::string(kJournalHeader) + "\n";
    const struct {
        std::string text, error;
    } damaged[] = {
        {"", "not a journal"},
        {"murk-journal 2\n", "not a journal"},
        {head + "t 5 1\nq 1\n", "line 3"},                   // unknown record
        {head + "t 5 0\n", "line 2"},                        // a reading repeated no times
        {head + "e 9999999999 paint\n", "line 2"},           // polls past all bounds
        {head + "t 99999999999999999999999 1\n", "line 2"},  // out of range
        {head + "e 0 down 300\n", "line 2"},                 // no such key
        {head + "e 0 text 4g\n", "line 2"},                  // not hexadecimal
        {head + "e 0 mdown 1 5\n", "line 2"},                // a word missing
        {head + "e 0 mmove 0 5\n", "line 2"},
        {head + "b confirm 1\n", "line 2"},  // no such box
        {head + "x 2\n", "line 2"},
        {head + "s  7\n", "line 2"},                                // an empty word
        {head + "o 0 41\x01\n", "line 2"},                          // a control character
        {head + "i 0 " + std::string(5000, 'a') + "\n", "line 2"},  // a line too long
    };
    for (const auto& d : damaged) {
        Journal journal;
        journal.seeds.push_back(1);
        std::string error;
        EXPECT_FALSE(ParseJournal(d.text, journal, error)) << d.text;
        EXPECT_NE(error.find(d.error), std::string::npos) << d.text << " -> " << error;
        EXPECT_EQ(journal.Left(), 0u);
    }
    // What a copy or a full disk may leave is no damage: carriage returns, blank lines at the
    // end, a last line cut short (the journal then holds what came before it).
    const std::string whole = head + "s 7\ne 2 down 37\np 3\n";
    std::string crlf;
    for (char c : whole) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& text : {crlf, whole + "\n\n"}) {
        Journal journal;
        std::string error;
        ASSERT_TRUE(ParseJournal(text, journal, error)) << error;
        EXPECT_EQ(journal.seeds.size(), 1u);
        EXPECT_EQ(journal.events.size(), 1u);
        EXPECT_EQ(journal.idlePolls, 3u);
    }
    Journal cut;
    std::string error;
    ASSERT_TRUE(ParseJournal(head + "s 7\ne 2 down 37\ne 4 do", cut, error)) << error;
    EXPECT_EQ(cut.events.size(), 1u);
    EXPECT_EQ(cut.idlePolls, 0u) << "as a killed game's: the replay ends at its last input";
    EXPECT_FALSE(ParseJournal(head + "s 7\n\ne 2 down 37\n", cut, error)) << "a gap inside";
    EXPECT_NE(error.find("line 3"), std::string::npos) << error;

    // Within every line's bounds, but more polls than the clock's span allows: refused at the
    // line past it, where replaying would take hours.
    std::string hostile = head + "t 100 1\nt 160 2\n";
    for (int i = 0; i < 20; ++i) hostile += "e 1000000000 paint\n";
    EXPECT_FALSE(ParseJournal(hostile, cut, error));
    EXPECT_NE(error.find("line 4 asks more polls"), std::string::npos) << error;
    EXPECT_TRUE(ParseJournal(head + "t 100 1\ne 5000000 paint\nt 160 1\np 9000000\n", cut, error))
        << error;

    std::ostringstream out, err;
    EXPECT_EQ(ReplayJournal("/nonexistent/murk.journal", out, err), 2);
    EXPECT_NE(err.str().find("cannot open"), std::string::npos);
}

}  // namespace
}  // namespace murk
