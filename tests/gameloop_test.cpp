// Game start, the loop's pace, the warp to the next level, game over and the return to the menu.
#include "shell/gameloop.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/gridfile.h"
#include "options/optionsform.h"
#include "scores/defaulttable.h"
#include "scores/table.h"
#include "shell/mainform.h"
#include "shell/menuscreen.h"
#include "shell/screens.h"
#include "test_support.h"

namespace murk {
namespace {

constexpr int kLevels = 3;

class GameLoopTest : public ::testing::Test, protected test::StartedProgram {
protected:
    GameLoopTest() : StartedProgram(kLevels) {}

    Game& game() { return h.app->game; }
    TMainForm& main() { return *h.app->mainForm; }
    std::string Title() { return main().LevelTitleLbl->Text(); }

    // Starts a game from the menu, paced at `speed` ms per pass; returns the clock at its start.
    uint64_t Start(int players, int level, const std::string& speed = "1") {
        app().menu.level = std::to_string(level);
        app().optionsForm->GameSpeedEdit->SetText(speed);
        EXPECT_TRUE(StartFromMenu(players));
        return h.pf.NowMs();
    }

    // Runs passes of the loop, as the game does, until the clock reaches `ms` or the game stops.
    void RunUntil(uint64_t ms) {
        while (h.pf.NowMs() < ms && !game().GameStopped) RunPass(app(), app().loopDelay);
    }
    void RunPasses(int n) {
        for (int i = 0; i < n && !game().GameStopped; ++i) RunPass(app(), app().loopDelay);
    }
};

TEST_F(GameLoopTest, OnePlayerWarpsToTheNextLevelAfter3800ms) {
    const uint64_t t = Start(1, 0);
    ASSERT_EQ(Title(), "Level 0 - L0");
    game().P1().finished = true;

    RunUntil(t + 3790);
    EXPECT_EQ(Title(), "Level 0 - L0");
    EXPECT_EQ(game().P1().status, "WARP");
    EXPECT_EQ(main().P1Panel.status->Text(), "Status: WARP");

    RunUntil(t + 3810);
    EXPECT_EQ(Title(), "Level 1 - L1");
    EXPECT_EQ(app().play.SelectedLevel, 1);
    EXPECT_FALSE(game().P1().finished);
    EXPECT_EQ(game().P1().levelsPassed, 1);
    EXPECT_EQ(game().P1().status, "");
    EXPECT_EQ(app().WarpTimer.interval, 0);
    EXPECT_FALSE(game().GameStopped);
}

TEST_F(GameLoopTest, AfterTheLastLevelComesLevelZero) {
    const uint64_t t = Start(1, kLevels - 1);
    game().P1().finished = true;
    RunUntil(t + 3810);
    EXPECT_EQ(app().play.SelectedLevel, 0);
    EXPECT_EQ(Title(), "Level 0 - L0");
}

TEST_F(GameLoopTest, TwoPlayersWarpOnlyWhenThePartnerIsDoneToo) {
    const uint64_t t = Start(2, 0);
    game().P1().finished = true;

    RunUntil(t + 3810);  // the first countdown ends with player 2 still playing
    EXPECT_EQ(Title(), "Level 0 - L0");
    EXPECT_TRUE(game().P1().finished);
    RunPasses(1);
    EXPECT_TRUE(app().play.WarpArmed1);
    EXPECT_EQ(game().P1().status, "WARP");
    EXPECT_EQ(app().WarpTimer.interval, 3800);

    RunUntil(t + 5000);
    game().P2().finished = true;  // arming again does not restart the running countdown
    RunUntil(t + 7590);
    EXPECT_EQ(Title(), "Level 0 - L0");
    EXPECT_EQ(game().P2().status, "WARP");
    RunUntil(t + 7620);
    EXPECT_EQ(Title(), "Level 1 - L1");
    EXPECT_FALSE(game().P1().finished);
    EXPECT_FALSE(game().P2().finished);
    EXPECT_EQ(game().P1().levelsPassed, 1);
    EXPECT_EQ(game().P2().levelsPassed, 1);
}

TEST_F(GameLoopTest, APartnerWhoDiesWhileWaitingLetsTheWarpHappen) {
    const uint64_t t = Start(2, 0);
    game().P1().finished = true;
    RunUntil(t + 5000);
    game().P2().dead = true;
    RunUntil(t + 7620);
    EXPECT_EQ(app().play.SelectedLevel, 1);
    EXPECT_TRUE(game().P2().dead);
    EXPECT_EQ(game().P2().levelsPassed, 0);
    EXPECT_EQ(game().P1().levelsPassed, 1);
    EXPECT_FALSE(game().GameStopped);
}

TEST_F(GameLoopTest, ADeadPlayerStaysDeadAndOffTheBoardAfterThePartnersWarp) {
    const uint64_t t = Start(2, 0);
    game().P1().dead = true;
    game().P1().life = -20;
    game().P2().finished = true;
    RunUntil(t + 3810);
    EXPECT_EQ(Title(), "Level 1 - L1");
    EXPECT_TRUE(game().P1().dead);
    EXPECT_EQ(game().P1().life, -20);
    EXPECT_EQ(game().P1().levelsPassed, 0);
    EXPECT_EQ(game().P2().levelsPassed, 1);
    EXPECT_EQ(game().P1().col, 3);
    EXPECT_EQ(game().P1().row, 4);
    EXPECT_EQ(game().RoomGrid.Cell(3, 4), "A00");  // the level's A46 on its start square
    EXPECT_EQ(game().RoomGrid.Cell(5, 4), "A47");
    EXPECT_FALSE(game().GameStopped);
}

TEST_F(GameLoopTest, OnePlayerGameOverReturnsToTheMenuAfter3100ms) {
    const uint64_t t = Start(1, 0);
    game().P1().dead = true;
    RunUntil(t + 3090);
    EXPECT_FALSE(game().GameStopped);
    EXPECT_EQ(game().P1().status, "Game Over");
    EXPECT_EQ(main().P1Panel.status->Text(), "Status: Game Over");
    EXPECT_FALSE(main().MenuBox->Visible());

    RunUntil(t + 3110);
    EXPECT_TRUE(game().GameStopped);
    EXPECT_EQ(game().PlayerCount, 0);
    EXPECT_TRUE(main().MenuBox->Visible());
    EXPECT_EQ(h.pf.CurrentPointer(), Pointer::Normal);
    EXPECT_EQ(app().GameOverTimer.interval, 0);
}

// A player who closes the window while "Game Over" shows keeps the place the result earned,
// under the offered name, as one who closes the name dialog does.
TEST_F(GameLoopTest, ClosingDuringTheGameOverWaitStillEntersTheResult) {
    ASSERT_EQ(
        WriteGridFile(dir.Dir() + kHighScoresFile, DefaultHighScoreTable(), HighScoreHeader()),
        GridWriteResult::Written);
    const uint64_t t = Start(1, 0);
    game().P1().points = 987654;
    RunPasses(1);  // the panel shows the points the table takes
    game().P1().dead = true;
    RunUntil(t + 1000);
    h.pf.QueueEvent({EventKind::Close, 0, 0, 0, 0, {}});
    RunPasses(1);
    EXPECT_TRUE(app().terminated);
    StringGrid saved;
    GridHeader header{};
    ASSERT_EQ(ReadGridFile(dir.Dir() + kHighScoresFile, saved, header), GridReadResult::Read);
    EXPECT_EQ(saved.Cell(kNameCol, 1), "Player 1");
    EXPECT_EQ(saved.Cell(kScoreCol, 1), "987654");
}

TEST_F(GameLoopTest, TwoPlayerGameOverWaitsForBothDeaths) {
    const uint64_t t = Start(2, 0);
    game().P1().dead = true;
    RunUntil(t + 5000);
    EXPECT_FALSE(game().GameStopped);
    EXPECT_EQ(game().P1().status, "");
    game().P2().dead = true;
    RunUntil(t + 8090);
    EXPECT_FALSE(game().GameStopped);
    EXPECT_EQ(game().P1().status, "Game Over");
    EXPECT_EQ(game().P2().status, "Game Over");
    RunUntil(t + 8110);
    EXPECT_TRUE(game().GameStopped);
    EXPECT_TRUE(main().MenuBox->Visible());
}

TEST_F(GameLoopTest, EachPassWaitsTheGameSpeed) {
    Start(1, 0, "5");
    uint64_t before = h.pf.NowMs();
    const uint64_t tick = game().world.clocks.tick;
    RunPasses(10);
    EXPECT_EQ(h.pf.NowMs() - before, 50u);
    EXPECT_EQ(game().world.clocks.tick, tick + 10);

    for (const char* none : {"0", "-3"}) {
        ReturnToMenu(app());
        Start(1, 0, none);
        before = h.pf.NowMs();
        RunPasses(10);
        EXPECT_EQ(h.pf.NowMs(), before) << none;
    }
}

TEST_F(GameLoopTest, AMissingLevelFileLeavesTheMenu) {
    std::filesystem::remove(dir.Path() / "Levels" / "Level001.dat");
    app().menu.level = "1";
    h.pf.QueueKeyUp(vk::F2);
    ProcessMessages(app());
    ASSERT_EQ(h.pf.Boxes().size(), 1u);
    EXPECT_EQ(h.pf.Boxes()[0].kind, BoxKind::Error);
    EXPECT_EQ(h.pf.Boxes()[0].text,
              "Error loading level. Please make sure the file exists and has not been corrupted.");
    EXPECT_TRUE(main().MenuBox->Visible());
    EXPECT_TRUE(game().GameStopped);
    EXPECT_EQ(game().PlayerCount, 0);
}

TEST_F(GameLoopTest, AFailureWhileStartingIsShownAndThePointerHidden) {
    app().menu.players = "x";
    h.pf.QueueKeyUp(vk::F2);
    ProcessMessages(app());
    ASSERT_EQ(h.pf.Boxes().size(), 2u);
    EXPECT_EQ(h.pf.Boxes()[0].kind, BoxKind::Exception);
    EXPECT_EQ(h.pf.Boxes()[1].kind, BoxKind::Error);
    EXPECT_EQ(h.pf.Boxes()[1].text, "Error starting game.");
    EXPECT_EQ(h.pf.CurrentPointer(), Pointer::Hidden);
    EXPECT_TRUE(game().GameStopped);
}

TEST_F(GameLoopTest, AGameSpeedThatIsNotAnIntegerStopsTheLoopBeforeItsFirstPass) {
    app().runLoop = GameLoop;  // the real loop, run inside the start command
    app().optionsForm->GameSpeedEdit->SetText("");
    const uint64_t tick = game().world.clocks.tick;
    const uint64_t panelCalls = app().play.panelCalls;
    h.pf.QueueKeyUp(vk::F2);
    ProcessMessages(app());

    ASSERT_EQ(h.pf.Boxes().size(), 1u);
    EXPECT_EQ(h.pf.Boxes()[0].kind, BoxKind::Exception);
    EXPECT_EQ(game().world.clocks.tick, tick);
    EXPECT_EQ(app().play.panelCalls, panelCalls);
    EXPECT_FALSE(game().GameStopped);
    EXPECT_FALSE(main().MenuBox->Visible());

    // The abort question is the way back to the menu.
    h.pf.QueueKeyDown(vk::Escape);
    ProcessMessages(app());
    EXPECT_TRUE(main().MenuBox->Visible());
    EXPECT_TRUE(game().GameStopped);
}

TEST_F(GameLoopTest, ANewGameStartsFreshPlayerRecords) {
    Start(1, 0);
    for (Player& p : game().players) {
        p.life = -7;
        p.points = p.keys = p.kits = p.bombs = p.levelsPassed = p.shieldTime = 9;
        p.heldDir = 3;
        p.dead = p.finished = p.menuOpen = p.fireHeld = p.bombHeld = p.bulletInFlight = true;
        p.status = "Game Over";
        p.col = p.row = 20;
    }
    ReturnToMenu(app());
    Start(1, 0);
    for (const Player& p : game().players) {
        SCOPED_TRACE(p.number);
        EXPECT_EQ(p.life, 90);
        EXPECT_EQ(p.points + p.keys + p.kits + p.bombs + p.levelsPassed + p.shieldTime, 0);
        EXPECT_EQ(p.heldDir, 0);
        EXPECT_FALSE(p.dead || p.finished || p.menuOpen || p.fireHeld || p.bombHeld ||
                     p.bulletInFlight);
        EXPECT_EQ(p.status, "");
    }
    EXPECT_EQ(game().P1().col, 3);
    EXPECT_EQ(game().P1().row, 4);
    EXPECT_EQ(game().P2().col, 5);
    EXPECT_EQ(game().P2().row, 4);
    EXPECT_EQ(game().PlayerCount, 1);
}

TEST_F(GameLoopTest, TheGameReadsTheOptionsAndTheMenuStateNotTheWindows) {
    app().options.keys[0] = {"N0", 96};  // player 1 up
    app().options.keys[10] = {"Q", 81};  // player 2 fire
    app().options.speed = "7";
    app().menu.level = "2";
    app().menu.players = "2";
    StartGameCommand(app(), false);
    ASSERT_FALSE(game().GameStopped);
    EXPECT_EQ(app().play.SelectedLevel, 2);
    EXPECT_EQ(game().PlayerCount, 2);
    EXPECT_EQ(game().P1().upKey, 96);
    EXPECT_EQ(game().P2().fireKey, 81);
    EXPECT_EQ(app().loopDelay, 7);
    EXPECT_EQ(app().optionsForm->P1UpEdit->Text(), "Up");  // the window shows it when asked

    // Shown in the windows, the state is what they then hold; the speed edit keeps its rule.
    app().options.speed = "x";
    app().optionsForm->ShowOptions();
    ShowMenuState(app());
    EXPECT_EQ(app().optionsForm->P1UpEdit->Text(), "N0");
    EXPECT_EQ(app().optionsForm->P2FireEdit->Tag(), 81);
    EXPECT_EQ(app().optionsForm->GameSpeedEdit->Text(), "20");
    EXPECT_EQ(app().options.speed, "20");
    EXPECT_EQ(main().LevelLbl->Text(), "2");
    EXPECT_EQ(main().NumPlayersLbl->Text(), "2");
    EXPECT_FALSE(main().MenuBox->Visible());
}

}  // namespace
}  // namespace murk
