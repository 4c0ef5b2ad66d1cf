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

Event PadEvent(EventKind kind, int button = 0, int value = 0, std::string text = {}) {
    return {kind, 0, button, 0, 0, std::move(text), 7, value};
}

// A whole program run on `pf`: a game started with F2, player 1 walking right and firing, then
// down and left on a pad (the stick), the window left and taken back, the game aborted, the
// program quit. Returns the state at its end.
std::string PlayWholeProgram(HeadlessPlatform& pf, Platform& through) {
    pf.QueueEventAt(5, PadEvent(EventKind::PadAdded, 0, 0, "00ff Pad\x01"));
    pf.QueueEventAt(10, KeyUpEvent(vk::F2));
    pf.QueueEventAt(100, KeyDownEvent(vk::Right));
    pf.QueueEventAt(300, KeyDownEvent(vk::Ctrl));
    pf.QueueEventAt(320, KeyUpEvent(vk::Ctrl));
    pf.QueueEventAt(400, KeyUpEvent(vk::Right));
    pf.QueueEventAt(420, PadEvent(EventKind::PadButtonDown, pad::DpadDown));
    pf.QueueEventAt(500, PadEvent(EventKind::PadButtonUp, pad::DpadDown));
    pf.QueueEventAt(510, PadEvent(EventKind::PadAxis, pad::LeftX, -30000));
    pf.QueueEventAt(560, {EventKind::FocusLost, 0, 0, 0, 0, {}});
    pf.QueueEventAt(580, {EventKind::FocusGained, 0, 0, 0, 0, {}});
    pf.QueueEventAt(590, PadEvent(EventKind::PadRemoved));
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
    // It walked right on the keyboard and down on the pad.
    EXPECT_NE(played.find("p1 col=5 row=5 "), std::string::npos) << played;
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

// Records PlayWholeProgram in a game folder, saves answering `saves`; the folder is removed
// before the journal is returned, so a replay has nothing but the journal.
struct Recorded {
    std::string journal, played;
    std::vector<HeadlessPlatform::Box> boxes;
};
Recorded RecordInFolderThenRemoveIt(SaveResult saves) {
    Recorded r;
    test::TempGameDir dir;
    dir.WriteLevel(0);
    dir.WriteFile(kOptionsFile, "speed=2\n");
    HeadlessPlatform machine;
    machine.SetFakeImages(true);
    machine.SetCurrentDirectory(dir.Path().string());
    machine.SetSaveAnswer(saves);
    std::stringstream text;
    {
        RecordingPlatform recording(machine, text);
        r.played = PlayWholeProgram(machine, recording);
    }
    r.journal = text.str();
    r.boxes = machine.Boxes();
    return r;
}

// The state at the end of a replay of `text`, the boxes it showed in `boxes`.
std::string Replayed(const std::string& text, std::vector<HeadlessPlatform::Box>* boxes) {
    Journal journal;
    std::string error;
    EXPECT_TRUE(ParseJournal(text, journal, error)) << error;
    ReplayPlatform replay(std::move(journal));
    replay.onBox = [boxes](const HeadlessPlatform::Box& b) { boxes->push_back(b); };
    App app(replay);
    RunProgram(app);
    EXPECT_EQ(replay.Left(), 0u);
    std::ostringstream dump;
    DumpState(app, dump);
    return dump.str();
}

TEST(Journal, ReplayReadsAndSavesFromTheJournalAlone) {
    const test::TempGameDir empty;
    const test::ScopedCurrentPath in(empty.Path());
    for (SaveResult saves : {SaveResult::Saved, SaveResult::Failed}) {
        const Recorded r = RecordInFolderThenRemoveIt(saves);
        EXPECT_NE(r.journal.find("\nf "), std::string::npos);
        EXPECT_NE(r.journal.find("\nv "), std::string::npos);
        std::vector<HeadlessPlatform::Box> boxes;
        EXPECT_EQ(Replayed(r.journal, &boxes), r.played);
        ASSERT_EQ(boxes.size(), r.boxes.size());
        for (size_t i = 0; i < boxes.size(); ++i) EXPECT_EQ(boxes[i].text, r.boxes[i].text);
        if (saves == SaveResult::Failed) {  // the options were not saved, and the replay says so
            EXPECT_NE(boxes.back().text.find("not saved"), std::string::npos);
        }
    }
    for (const auto& e : std::filesystem::recursive_directory_iterator(empty.Path()))
        EXPECT_TRUE(e.is_directory()) << e.path() << ": a replay writes no file";

    // A game that reads or saves otherwise than the recorded one stops the replay (exit 4).
    const std::string journal = RecordInFolderThenRemoveIt(SaveResult::Saved).journal;
    const size_t save = journal.rfind("\nv ");
    const size_t hash = journal.rfind(' ', journal.find('\n', save + 1));
    const std::string otherText =
        journal.substr(0, hash) + " 0" + journal.substr(journal.find('\n', save + 1));
    const size_t read = journal.find("\nf ");
    const std::string otherFile =
        journal.substr(0, read) + "\nf 41" + journal.substr(journal.find(' ', read + 3));
    for (const std::string& other : {otherText, otherFile}) {
        const std::filesystem::path file = empty.Path() / "other.journal";
        std::ofstream(file) << other;
        std::ostringstream out, err;
        EXPECT_EQ(ReplayJournal(file.string(), out, err), 4) << out.str() << err.str();
        EXPECT_NE(out.str().find("replay stopped: the game"), std::string::npos) << out.str();
        std::filesystem::remove(file);
    }
}

TEST(Journal, FileReadsComeBackByteForByteAndOnesTooLargeToKeepStopTheReplay) {
    test::TempGameDir dir;
    std::vector<std::string> files;
    for (size_t size : {0, 1, 2, 3, 256, 1001}) {
        std::string bytes;
        for (size_t i = 0; i < size; ++i) bytes += static_cast<char>(i * 7 + size);
        files.push_back(bytes);
    }
    files.push_back(std::string(kMaxKeptFileBytes + 1, 'x'));
    HeadlessPlatform machine;
    std::stringstream text;
    {
        RecordingPlatform recording(machine, text);
        for (size_t i = 0; i < files.size(); ++i) {
            const std::string path = dir.Dir() + std::to_string(i);
            dir.WriteFile(std::to_string(i), files[i]);
            std::string read;
            ASSERT_EQ(recording.ReadGameFile(path, SIZE_MAX, read), FileReadResult::Read);
        }
        std::string none;
        EXPECT_EQ(recording.ReadGameFile(dir.Dir() + "missing", 10, none),
                  FileReadResult::CannotOpen);
    }
    Journal journal;
    std::string error;
    ASSERT_TRUE(ParseJournal(text.str(), journal, error)) << error;
    ReplayPlatform replay(std::move(journal));
    for (size_t i = 0; i + 1 < files.size(); ++i) {
        std::string read;
        ASSERT_EQ(replay.ReadGameFile(dir.Dir() + std::to_string(i), SIZE_MAX, read),
                  FileReadResult::Read);
        EXPECT_EQ(read, files[i]) << i;
    }
    std::string big;
    EXPECT_THROW(static_cast<void>(replay.ReadGameFile(dir.Dir() + std::to_string(files.size() - 1),
                                                       SIZE_MAX, big)),
                 ReplayStopped);
    EXPECT_THROW(static_cast<void>(replay.ReadGameFile(dir.Dir() + "another", 10, big)),
                 ReplayStopped);
}

TEST(Journal, VerifySaysForEachFileWhetherItReplaysToItsEnd) {
    test::TempGameDir here;
    const test::ScopedCurrentPath in(here.Path());
    const std::string whole = RecordInFolderThenRemoveIt(SaveResult::Saved).journal;
    std::ofstream("whole.journal") << whole;
    std::ofstream("cut.journal") << whole.substr(0, whole.find("\ne ", whole.size() / 2) + 1);
    std::ofstream("damaged.journal") << kJournalHeader << "\nq\n";
    std::ostringstream out;
    EXPECT_EQ(VerifyJournals({"whole.journal", "cut.journal", "damaged.journal"}, out), 1);
    const std::string lines = out.str();
    EXPECT_NE(lines.find("whole.journal: verified\n"), std::string::npos) << lines;
    EXPECT_NE(lines.find("cut.journal: diverged at pass "), std::string::npos) << lines;
    EXPECT_NE(lines.find("damaged.journal: cannot be read: "), std::string::npos) << lines;
    EXPECT_TRUE(lines.ends_with("\n1 passed, 2 failed\n")) << lines;

    // Where the level it read is here, it must be the same level.
    std::ostringstream again;
    EXPECT_EQ(VerifyJournals({"whole.journal"}, again), 0);
    test::LevelSpec another;
    another.title = "Another";
    here.WriteLevel(0, another);
    EXPECT_EQ(VerifyJournals({"whole.journal"}, again), 1);
    EXPECT_EQ(again.str(),
              "whole.journal: verified\n1 passed, 0 failed\n"
              "whole.journal: level 0 differs\n0 passed, 1 failed\n");
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
        {"murk-journal 9\n", "not a journal"},
        {"murk-journal 1\ns 7\n", "older game"},
        {head + "f 41 0 QUJD\nf 41 4 -\n", "line 3"},        // no such read outcome
        {head + "f 41 0 QUJ\n", "line 2"},                   // not base64
        {head + "f 41 1 QUJD\n", "line 2"},                  // bytes of a file never read
        {head + "f 41 3 QUJD\n", "line 2"},                  // bytes of a file not kept
        {head + "v 41 0 12g\n", "line 2"},                   // not a hash
        {head + "g 41 42\ng 41 42\n", "line 3"},             // the folders twice
        {head + "t 5 1\nq 1\n", "line 3"},                   // unknown record
        {head + "t 5 0\n", "line 2"},                        // a reading repeated no times
        {head + "e 9999999999 paint\n", "line 2"},           // polls past all bounds
        {head + "t 99999999999999999999999 1\n", "line 2"},  // out of range
        {head + "e 0 down 300\n", "line 2"},                 // no such key
        {head + "e 0 text 4g\n", "line 2"},                  // not hexadecimal
        {head + "e 0 mdown 1 5\n", "line 2"},                // a word missing
        {head + "e 0 pdown 1 15\n", "line 2"},               // no such pad button
        {head + "e 0 paxis 1 2 0\n", "line 2"},              // an axis the game does not read
        {head + "e 0 paxis 1 0 32768\n", "line 2"},          // beyond the stick's reach
        {head + "e 0 padon -1 41\n", "line 2"},              // no such pad number
        {head + "e 0 focusout 1\n", "line 2"},               // a word too many
        {head + "b confirm 1\n", "line 2"},                  // no such box
        {head + "e 0 mmove 0 5\n", "line 2"},
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
