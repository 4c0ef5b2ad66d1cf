// Game pads and the window's focus: pads press their own player's keys (the d-pad and the stick
// with its dead zone, fire, the item menu, Start), a pad unplugged lets go of everything, the
// windows take a pad as arrows and Enter, leaving the window pauses a game, and Pads.dat.
#include <gtest/gtest.h>

#include <filesystem>

#include "options/optionsform.h"
#include "options/padsfile.h"
#include "options/padsform.h"
#include "shell/gameloop.h"
#include "test_support.h"

namespace murk {
namespace {

using test::KeyDownEvent;
using test::KeyUpEvent;

const std::string kKind = "0300aa5e5e0400008e02000014010000";

class PadsTest : public ::testing::Test, protected test::StartedProgram {
protected:
    PadsTest() : StartedProgram(2) {
        app().overlays.enabled = false;  // nothing drawn over the room: draws cost only squares
    }

    Game& game() { return app().game; }
    Player& P(int n) { return game().players[static_cast<size_t>(n - 1)]; }

    void Send(const Event& e) {
        h.pf.QueueEvent(e);
        ProcessMessages(app());
    }
    void Connect(int id, const std::string& kind = kKind) {
        Send({EventKind::PadAdded, 0, 0, 0, 0, kind + " Test Pad", id, 0});
    }
    static Event Button(int id, int button, bool down) {
        return {
            down ? EventKind::PadButtonDown : EventKind::PadButtonUp, 0, button, 0, 0, {}, id, 0};
    }
    void Press(int id, int button) { Send(Button(id, button, true)); }
    void Release(int id, int button) { Send(Button(id, button, false)); }
    void Stick(int id, int x, int y) {
        h.pf.QueueEvent({EventKind::PadAxis, 0, pad::LeftX, 0, 0, {}, id, x});
        Send({EventKind::PadAxis, 0, pad::LeftY, 0, 0, {}, id, y});
    }
    void Pass() { RunPass(app(), app().loopDelay); }
};

TEST_F(PadsTest, EachPadPressesItsOwnPlayersKeysBesideTheKeyboard) {
    Connect(1);
    Connect(2);
    ASSERT_EQ(app().pads.connected.size(), 2u);
    EXPECT_EQ(app().pads.connected[0].player, 1);  // the first pad plays player 1, the next 2
    EXPECT_EQ(app().pads.connected[1].player, 2);
    ASSERT_TRUE(StartFromMenu(2));

    Press(2, pad::DpadRight);
    Press(2, pad::DpadUp);
    EXPECT_EQ(P(2).heldDir, dir::NorthEast);
    EXPECT_EQ(P(1).heldDir, dir::None);
    Send(KeyDownEvent(vk::Left));  // player 1's keyboard goes on as ever
    EXPECT_EQ(P(1).heldDir, dir::West);
    Release(2, pad::DpadUp);
    EXPECT_EQ(P(2).heldDir, dir::East);

    Press(1, pad::A);
    EXPECT_TRUE(P(1).fireHeld);
    EXPECT_FALSE(P(2).fireHeld);
    Release(1, pad::A);
    EXPECT_FALSE(P(1).fireHeld);
    Press(2, pad::B);  // the menu key opens the item menu as it is let go
    Release(2, pad::B);
    EXPECT_TRUE(P(2).menuOpen);
    EXPECT_FALSE(P(1).menuOpen);

    h.pf.QueueAnswer(false);
    Press(1, pad::Start);
    Release(1, pad::Start);
    ASSERT_EQ(h.pf.Boxes().size(), 1u);
    EXPECT_EQ(h.pf.Boxes()[0].text, "Abort game and return to menu?");
    EXPECT_FALSE(game().GameStopped);
}

TEST_F(PadsTest, TheStickWalksEightWaysOutsideItsDeadZoneAndTheDpadGoesFirst) {
    Connect(1);
    ChoosePlayer(app().pads, app().pads.connected[0], 2);  // in a one-player game it plays 1
    ASSERT_TRUE(StartFromMenu(1));
    const struct {
        int x, y, dir;
    } stick[] = {
        {7000, 0, dir::None},
        {5000, -5000, dir::None},  // inside the dead zone
        {9000, 0, dir::East},
        {20000, -20000, dir::NorthEast},
        {0, -32768, dir::North},
        {-30000, -30000, dir::NorthWest},
        {-30000, 12000, dir::West},
        {-30000, 13000, dir::SouthWest},  // past 22.5 degrees
        {30000, 30000, dir::SouthEast},   // swung across: let go before pressing
        {0, 32767, dir::South},
        {-32768, 0, dir::West},
        {0, 0, dir::None},
    };
    for (const auto& s : stick) {
        Stick(1, s.x, s.y);
        EXPECT_EQ(P(1).heldDir, s.dir) << s.x << "," << s.y;
    }
    Stick(1, 20000, -20000);
    Press(1, pad::DpadLeft);
    EXPECT_EQ(P(1).heldDir, dir::West) << "the d-pad goes before the stick";
    Release(1, pad::DpadLeft);
    EXPECT_EQ(P(1).heldDir, dir::NorthEast);
}

TEST_F(PadsTest, APadUnpluggedMidStepLetsGoOfItsKeysAndItsPlayerStops) {
    Connect(1);
    Connect(2);
    ASSERT_TRUE(StartFromMenu(2));
    Send(KeyDownEvent(vk::Right));  // player 1 walks on the keyboard
    Press(2, pad::DpadDown);
    Press(2, pad::A);  // and player 2 holds fire too: it stands and shoots
    Release(2, pad::A);
    while (game().world.clocks.tick % 4 != 0) Pass();
    // Every square drawn costs 5 ms: player 1's walk draws two before player 2's part of the
    // same step lets messages through, and the pad goes there.
    h.pf.SetDrawCost(5);
    const int p1Col = P(1).col, p2Row = P(2).row;
    h.pf.QueueEventAt(h.pf.NowMs() + 1, {EventKind::PadRemoved, 0, 0, 0, 0, {}, 2, 0});
    Pass();
    EXPECT_EQ(P(1).col, p1Col + 1);
    EXPECT_EQ(P(2).row, p2Row) << "player 2 walked on after its pad went";
    EXPECT_EQ(P(2).heldDir, dir::None);
    EXPECT_FALSE(P(2).fireHeld);
    EXPECT_TRUE(app().pads.connected.size() == 1 && app().pads.connected[0].id == 1);
    EXPECT_EQ(app().keysDown.size(), 1u) << "only the keyboard's Right is still down";
    EXPECT_EQ(P(1).heldDir, dir::East);
}

TEST_F(PadsTest, InTheMenuAPadStepsTheLevelAndStartsAndAReleaseGoesWhereItsPressWent) {
    Connect(1);
    h.pf.QueueEvent(Button(1, pad::DpadUp, true));  // let go at once, or the level repeats on
    Release(1, pad::DpadUp);
    EXPECT_EQ(app().menu.level, "1");
    Press(1, pad::A);
    Release(1, pad::A);
    ASSERT_FALSE(game().GameStopped);
    EXPECT_EQ(app().play.SelectedLevel, 1);

    // Start asks to abort; answered yes, the menu is back while Start is still down. Its
    // release was the play screen's: the menu takes it as nothing (not Escape's quit).
    h.pf.QueueAnswer(true);
    Press(1, pad::Start);
    ASSERT_TRUE(game().GameStopped);
    Release(1, pad::Start);
    EXPECT_EQ(h.pf.Boxes().size(), 1u);
    EXPECT_FALSE(app().terminated);
}

TEST_F(PadsTest, LeavingTheWindowPausesTheGameAtItsPassSilentAndComingBackGoesOn) {
    Send({EventKind::FocusLost, 0, 0, 0, 0, {}});
    EXPECT_FALSE(app().play.Paused) << "no game runs: nothing to pause";
    Send({EventKind::FocusGained, 0, 0, 0, 0, {}});
    ASSERT_TRUE(StartFromMenu(1));
    ASSERT_TRUE(app().sound.soundOn);
    Send(KeyDownEvent(vk::Right));
    Pass();

    Send({EventKind::FocusLost, 0, 0, 0, 0, {}});
    EXPECT_TRUE(app().play.Paused);
    const size_t played = h.pf.PlayedSounds().size();
    app().PlaySound("S00");
    EXPECT_EQ(h.pf.PlayedSounds().size(), played) << "the paused game is silent";
    const int tick = game().world.clocks.tick, col = P(1).col;
    const uint64_t back = h.pf.NowMs() + 5000;
    h.pf.QueueEventAt(back, {EventKind::FocusGained, 0, 0, 0, 0, {}});
    Pass();  // the pass under way ends, then waits until the window is back
    EXPECT_GE(h.pf.NowMs(), back);
    EXPECT_EQ(game().world.clocks.tick, tick + 1);
    EXPECT_LE(P(1).col, col + 1);
    EXPECT_FALSE(app().play.Paused);
    EXPECT_TRUE(app().sound.soundOn);
    Pass();
    EXPECT_EQ(game().world.clocks.tick, tick + 2);

    app().pads.settings.pauseWhenLeft = false;  // as Pads.dat can say
    Send({EventKind::FocusLost, 0, 0, 0, 0, {}});
    EXPECT_FALSE(app().play.Paused);
}

TEST_F(PadsTest, ThePadWindowGivesAPadToAPlayerAndPadsDatKeepsIt) {
    Connect(1);
    Send(KeyUpEvent(vk::F10));
    Send(KeyUpEvent(vk::F9));
    TPadsForm& pads = *app().padsForm;
    ASSERT_TRUE(pads.Shown());
    EXPECT_EQ(pads.PadPlayerEdit[0]->Text(), "Player 1");
    Press(1, pad::DpadRight);  // the pad's own right: player 2
    Release(1, pad::DpadRight);
    EXPECT_EQ(pads.PadPlayerEdit[0]->Text(), "Player 2");
    test::QueueClick(h.pf, *pads.PauseEdit);
    ProcessMessages(app());
    EXPECT_EQ(pads.PauseEdit->Text(), "Off");
    Press(1, pad::B);  // the item-menu button goes back, as Escape
    Release(1, pad::B);
    EXPECT_FALSE(pads.Shown());
    EXPECT_TRUE(app().optionsForm->Shown());
    EXPECT_EQ(test::ReadFileText(dir.Path() / kPadsFile),
              FormatPads({{{kKind, 1, 2, "Test Pad"}}, false}));

    // Unplugged and plugged again, it plays player 2; a second pad of its kind is another pad.
    Send({EventKind::PadRemoved, 0, 0, 0, 0, {}, 1, 0});
    Connect(5);
    Connect(6);
    EXPECT_EQ(app().pads.connected[0].player, 2);
    EXPECT_EQ(app().pads.connected[1].rank, 2);
    EXPECT_EQ(app().pads.connected[1].player, 1);
}

TEST_F(PadsTest, TheKeyTestLineNamesEachPlayersHeldKeys) {
    Send(KeyUpEvent(vk::F10));
    TOptionsForm& options = *app().optionsForm;
    const std::string prompt = options.KeyTestLbl->Text();
    Send(KeyDownEvent(vk::Up));
    Send(KeyDownEvent('Z'));
    Send(KeyDownEvent(vk::Ctrl));
    Send(KeyDownEvent(vk::F1));  // no player's key
    EXPECT_EQ(options.KeyTestLbl->Text(), "Player 1: Up, Fire   Player 2: Fire");
    Send(KeyUpEvent(vk::Up));
    EXPECT_EQ(options.KeyTestLbl->Text(), "Player 1: Fire   Player 2: Fire");
    for (int key : {int{'Z'}, vk::Ctrl, vk::F1}) Send(KeyUpEvent(key));
    EXPECT_EQ(options.KeyTestLbl->Text(), prompt);
    OptionValues same;
    same.keys[6].code = same.keys[0].code;  // one key for both players' up
    EXPECT_EQ(KeyTestLine({vk::Up}, same), "Player 1: Up   Player 2: Up");
}

// Pads.dat, missing, damaged or too large: the defaults where it says nothing usable, a box,
// the damaged file kept whole beside it, and what could be read written back.
TEST(PadsFile, DamagedOrMissingGivesDefaultsAMessageAndLosesNothing) {
    test::TempGameDir dir;
    dir.WriteLevel(0);
    auto start = [&dir] {
        auto h = std::make_unique<test::HeadlessApp>(dir);
        EXPECT_TRUE(h->Start());
        return h;
    };
    {
        auto h = start();
        EXPECT_TRUE(h->pf.Boxes().empty());
        EXPECT_EQ(h->app->pads.settings, PadSettings{});
        EXPECT_FALSE(std::filesystem::exists(dir.Path() / kPadsFile));
    }
    const std::string damaged = "pause-when-left off\npad " + kKind +
                                " 1 2 Old Pad\nnonsense\npad 12 1 2\npad " + kKind + " 2 3 X\n";
    dir.WriteFile(kPadsFile, damaged);
    {
        auto h = start();
        ASSERT_EQ(h->pf.Boxes().size(), 1u);
        const std::string& text = h->pf.Boxes()[0].text;
        EXPECT_NE(text.find("'Pads.dat' is damaged (lines 3, 4, 5 are not pad settings)"),
                  std::string::npos)
            << text;
        EXPECT_NE(text.find("kept as 'Pads-damaged.dat'"), std::string::npos) << text;
        const PadSettings read{{{kKind, 1, 2, "Old Pad"}}, false};
        EXPECT_EQ(h->app->pads.settings, read);
        EXPECT_EQ(test::ReadFileText(dir.Path() / "Pads-damaged.dat"), damaged);
        EXPECT_EQ(test::ReadFileText(dir.Path() / kPadsFile), FormatPads(read));
    }
    EXPECT_TRUE(start()->pf.Boxes().empty()) << "what was written back reads cleanly";

    dir.WriteFile(kPadsFile, std::string(kMaxPadsFileBytes + 1, '\n'));
    auto h = start();
    ASSERT_EQ(h->pf.Boxes().size(), 1u);
    EXPECT_NE(h->pf.Boxes()[0].text.find("too large"), std::string::npos);
    EXPECT_NE(h->pf.Boxes()[0].text.find("'Pads-damaged-2.dat'"), std::string::npos);
    EXPECT_EQ(h->app->pads.settings, PadSettings{});
    EXPECT_EQ(test::ReadFileText(dir.Path() / "Pads-damaged.dat"), damaged);
}

TEST(PadsFile, WhatIsWrittenReadsBackAndHostileLinesAreSkipped) {
    PadSettings s;
    s.pauseWhenLeft = false;
    PadBoard board;
    board.settings = s;
    for (int i = 0; i < 40; ++i) {  // only the latest 32 choices are kept
        ConnectedPad p;
        p.kind = std::string(31, 'a') + std::to_string(i % 10);
        p.rank = 1 + i / 10;
        p.name = "Pad " + std::to_string(i);
        ChoosePlayer(board, p, 1 + i % 2);
    }
    ASSERT_EQ(board.settings.pads.size(), kMaxRememberedPads);
    std::vector<int> damaged;
    EXPECT_EQ(ParsePads(FormatPads(board.settings), damaged), board.settings);
    EXPECT_TRUE(damaged.empty());

    const PadSettings read = ParsePads("# note\r\n\npad " + std::string(32, 'F') +
                                           " 16 1   Name\twith \x01 tab  \npad-when-left on\n"
                                           "pause-when-left maybe\npad " +
                                           kKind + " 17 1\n" + std::string(300, 'x') + "\n",
                                       damaged);
    EXPECT_EQ(damaged, (std::vector<int>{4, 5, 6, 7}));
    ASSERT_EQ(read.pads.size(), 1u);
    EXPECT_EQ(read.pads[0], (RememberedPad{std::string(32, 'f'), 16, 1, "Name?with ? tab"}));
}

}  // namespace
}  // namespace murk
