// High-score table: the ranking rule, HighScores.dat loading and saving with every failure
// message, the F11 window and the results entered after a game.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

#include "base/gridfile.h"
#include "scores/hscoreform.h"
#include "scores/table.h"
#include "shell/gameloop.h"
#include "shell/mainform.h"
#include "test_support.h"

namespace murk {
namespace {

constexpr const char* kLoadError =
    "Error loading 'HighScores.dat'. Please make sure the file exists and has not been corrupted.";
constexpr const char* kVersionError = "Invalid file format. High scores not loaded.";
constexpr const char* kSaveError =
    "High scores were not saved. Please make sure the disk is not write protected.";

// A 5 x 16 table whose place i holds "N<i>" with score 1000 - 100 i and levels 5.
StringGrid SampleTable() {
    StringGrid t(5, 16);
    t.SetCell(1, 0, "Rank");
    for (int row = 1; row < 16; ++row) {
        t.SetCell(kRankCol, row, std::to_string(row));
        t.SetCell(kNameCol, row, "N" + std::to_string(row));
        t.SetCell(kScoreCol, row, std::to_string(1000 - 100 * row));
        t.SetCell(kLevelsCol, row, "5");
    }
    return t;
}

TEST(ScoreTableRules, PlaceFollowsScoreThenLevelsAndTiesGoBelow) {
    const StringGrid t = SampleTable();  // row 5 holds 500 points, 5 levels
    EXPECT_EQ(FindPlace(t, 5000, 0), 1);
    EXPECT_EQ(FindPlace(t, 500, 6), 5);  // same score, more levels: above
    EXPECT_EQ(FindPlace(t, 500, 5), 6);  // a full tie: below
    EXPECT_EQ(FindPlace(t, 500, 4), 6);
    EXPECT_EQ(FindPlace(t, -600, 99), -1);  // below the last place
    EXPECT_EQ(FindPlace(t, -500, 5), -1);   // ties the last place: no room below it
}

TEST(ScoreTableRules, RowsWithoutNumbersAreTakenByAnyResult) {
    StringGrid t = SampleTable();
    t.SetCell(kScoreCol, 3, "");
    EXPECT_EQ(FindPlace(t, 0, 0), 3);
    t = SampleTable();
    t.SetCell(kLevelsCol, 4, "lots");
    EXPECT_EQ(FindPlace(t, 600, 0), 4);
    EXPECT_EQ(FindPlace(t, 599, 0), 5);
    // Scores beyond the int range still compare.
    t.SetCell(kScoreCol, 1, "999999999999");
    EXPECT_EQ(FindPlace(t, 99999999999, 0), 2);
}

TEST(ScoreTableRules, InsertionKeepsRanksAndDropsTheLastEntry) {
    StringGrid t = SampleTable();
    t.Resize(6, 16);
    t.SetCell(5, 3, "extra");
    t.SetCell(0, 1, "vhsmovie");
    InsertEntry(t, 3, "New", 850, "7");
    EXPECT_EQ(t.Cell(kRankCol, 3), "3");
    EXPECT_EQ(t.Cell(kNameCol, 3), "New");
    EXPECT_EQ(t.Cell(kScoreCol, 3), "850");
    EXPECT_EQ(t.Cell(kLevelsCol, 3), "7");
    EXPECT_EQ(t.Cell(kNameCol, 4), "N3");
    EXPECT_EQ(t.Cell(5, 4), "extra");  // further columns move with their row
    EXPECT_EQ(t.Cell(kRankCol, 4), "4");
    EXPECT_EQ(t.Cell(kNameCol, 15), "N14");  // N15 dropped out
    EXPECT_EQ(t.Cell(kNameCol, 2), "N2");
    EXPECT_EQ(t.Cell(0, 1), "vhsmovie");
    EXPECT_EQ(t.Cell(5, 3), "") << "the new entry takes nothing of the row it pushed down";

    // An entry with its replay: the name goes after the shown columns, which an old table
    // gains; the entries it pushes down keep theirs.
    InsertEntry(t, 2, "Watched", 900, "8", "2026-12-08 Level 3 Ann.replay");
    EXPECT_EQ(t.Cell(kReplayCol, 2), "2026-12-08 Level 3 Ann.replay");
    EXPECT_EQ(t.Cell(kReplayCol, 5), "extra");
    StringGrid old = SampleTable();
    InsertEntry(old, 1, "First", 2000, "9", "first.replay");
    ASSERT_EQ(old.ColCount(), kReplayCol + 1);
    EXPECT_EQ(old.Cell(kReplayCol, 1), "first.replay");
    EXPECT_EQ(old.Cell(kReplayCol, 2), "");
    EXPECT_EQ(old.Cell(kNameCol, 2), "N1");
}

TEST(ScoreTableRules, DefaultTableIsFifteenRankedPlacesBestFirst) {
    const StringGrid t = DefaultHighScoreTable();
    ASSERT_EQ(t.ColCount(), 5);
    ASSERT_EQ(t.RowCount(), 16);
    for (int row = 1; row <= 15; ++row) {
        EXPECT_EQ(t.Cell(kRankCol, row), std::to_string(row));
        EXPECT_FALSE(t.Cell(kNameCol, row).empty());
        const auto score = ParseTableNumber(t.Cell(kScoreCol, row));
        ASSERT_TRUE(score.has_value());
        EXPECT_EQ(FindPlace(t, *score, 99), row);  // best first: more levels would rank it here
    }
}

class ScoresTest : public ::testing::Test, protected test::StartedProgram {
protected:
    ScoresTest() : StartedProgram(1) {}

    std::filesystem::path File() { return dir.Path() / "HighScores.dat"; }
    THScoreForm& scores() { return *app().hscoreForm; }
    TMainForm& main() { return *app().mainForm; }
    void WriteTable(const StringGrid& t, int headerValue = 20) {
        GridHeader h;
        h.fill(headerValue);
        ASSERT_EQ(WriteGridFile(File().string(), t, h), GridWriteResult::Written);
    }
    StringGrid ReadBack() {
        StringGrid t;
        GridHeader h{};
        EXPECT_EQ(ReadGridFile(File().string(), t, h), GridReadResult::Read);
        for (int v : h) EXPECT_EQ(v, 20);
        return t;
    }
    void KeyUp(int key) {
        h.pf.QueueKeyUp(key);
        ProcessMessages(app());
    }
    std::vector<std::string> BoxTexts() {
        std::vector<std::string> out;
        for (const auto& b : h.pf.Boxes()) out.push_back(b.text);
        return out;
    }
    bool ScoresOnTop() { return !app().shownForms.empty() && app().shownForms.back() == &scores(); }

    // A game over with these panel results, as the game-over timer runs it.
    void GameOver(int players, const std::string& p1Points, const std::string& p1Levels,
                  const std::string& p2Points = "0", const std::string& p2Levels = "0") {
        ASSERT_TRUE(StartFromMenu(players));
        app().panelTexts[0].points = p1Points;
        app().panelTexts[0].levelsPassed = p1Levels;
        app().panelTexts[1].points = p2Points;
        app().panelTexts[1].levelsPassed = p2Levels;
        h.pf.ClearBoxes();
        GameOverTimerTimer(app());
    }
};

TEST_F(ScoresTest, SavedTableLoadsBackCellForCell) {
    StringGrid t = SampleTable();
    t.SetCell(kNameCol, 2, "Name with  spaces ");
    t.SetCell(kNameCol, 3, "");
    t.SetColWidth(2, 211);
    scores().HScoresGrid = t;
    SaveTable(app(), scores().HScoresGrid);
    EXPECT_TRUE(h.pf.Boxes().empty());

    StringGrid loaded;
    ASSERT_EQ(LoadTable(app(), loaded), 0);
    t.SetCell(0, 1, "vhsmovie");
    ASSERT_EQ(loaded.ColCount(), 5);
    ASSERT_EQ(loaded.RowCount(), 16);
    EXPECT_EQ(loaded.ColWidth(2), 211);
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 5; ++c) EXPECT_EQ(loaded.Cell(c, r), t.Cell(c, r)) << c << "," << r;
    ReadBack();  // header written as twelve 20s
}

TEST_F(ScoresTest, F11ShowsTheLoadedTableAndEscapeOrEnterReturns) {
    WriteTable(SampleTable());
    KeyUp(vk::F11);
    EXPECT_TRUE(ScoresOnTop());
    EXPECT_FALSE(main().Shown());
    EXPECT_EQ(scores().NameLbl[0]->Text(), "N1");
    EXPECT_EQ(scores().ScoreLbl[14]->Text(), "-500");
    EXPECT_EQ(scores().LevelsLbl[14]->Text(), "5");
    EXPECT_EQ(scores().RankLbl[14]->Text(), "15");
    KeyUp(vk::Escape);
    EXPECT_TRUE(main().Shown());
    EXPECT_FALSE(scores().Shown());
    KeyUp(vk::F11);
    KeyUp(vk::Enter);
    EXPECT_TRUE(main().Shown());
    EXPECT_TRUE(h.pf.Boxes().empty());  // Escape went to the scores, not to the quit question
}

TEST_F(ScoresTest, LoadFailuresAreReportedAndTheWindowOpensWithItsLabelsUnchanged) {
    KeyUp(vk::F11);  // no file at all
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kLoadError});
    EXPECT_TRUE(ScoresOnTop());
    EXPECT_EQ(scores().NameLbl[0]->Text(), "---");
    EXPECT_EQ(scores().ScoreLbl[0]->Text(), "999999999999");
    EXPECT_EQ(scores().LevelsLbl[0]->Text(), "1");
    EXPECT_EQ(scores().HScoresGrid.RowCount(), 2);
    KeyUp(vk::Escape);

    WriteTable(SampleTable());
    KeyUp(vk::F11);
    KeyUp(vk::Escape);
    const struct {
        const char* content;
        const char* message;
    } kBroken[] = {
        {"version2.0\n5 16\n", kVersionError},
        {"", kVersionError},                                           // no version word at all
        {"version1.0\n5 16\n64 64 64 64 64\n20 20 20\n", kLoadError},  // ends early
        {"version1.0\n5 -16\n", kLoadError},                           // nonsense size
        {"version1.0\n5 2\n1 1 1 1 1\n20 20 20 20 20 20 20 20 20 20 20 20\n9999 x", kLoadError},
    };
    for (const auto& broken : kBroken) {
        dir.WriteFile("HighScores.dat", broken.content);
        h.pf.ClearBoxes();
        KeyUp(vk::F11);
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{broken.message}) << broken.content;
        EXPECT_TRUE(ScoresOnTop());
        EXPECT_EQ(scores().NameLbl[0]->Text(), "N1");  // still the last table shown
        KeyUp(vk::Escape);
    }
}

TEST_F(ScoresTest, GameOverEntersAResultAndSavesIt) {
    WriteTable(SampleTable());
    h.pf.QueueTyping("Ada");
    GameOver(1, "650", "2");
    EXPECT_TRUE(h.pf.Boxes().empty());
    EXPECT_EQ(h.pf.PendingTyping(), 0u);
    EXPECT_TRUE(ScoresOnTop());
    EXPECT_TRUE(scores().ScoresBox->Visible());
    EXPECT_TRUE(main().MenuBox->Visible());
    EXPECT_EQ(h.pf.CurrentPointer(), Pointer::Normal);
    EXPECT_EQ(scores().NameLbl[3]->Text(), "Ada");
    EXPECT_EQ(scores().RankLbl[3]->Text(), "4");
    EXPECT_EQ(scores().ScoreLbl[3]->Text(), "650");
    EXPECT_EQ(scores().NameLbl[4]->Text(), "N4");

    const StringGrid saved = ReadBack();
    EXPECT_EQ(saved.Cell(kNameCol, 4), "Ada");
    EXPECT_EQ(saved.Cell(kLevelsCol, 4), "2");
    EXPECT_EQ(saved.Cell(kNameCol, 15), "N14");
    EXPECT_EQ(saved.Cell(0, 1), "vhsmovie");
    KeyUp(vk::Escape);
    EXPECT_TRUE(main().Shown());
}

TEST_F(ScoresTest, TwoPlayersWithTheSameResultGoInOrderPlayerOneFirst) {
    WriteTable(SampleTable());
    h.pf.QueueTyping("One");
    h.pf.QueueTyping("Two");
    GameOver(2, "900", "5", "900", "5");  // also ties N1 (900, 5): both go below it
    const StringGrid saved = ReadBack();
    EXPECT_EQ(saved.Cell(kNameCol, 1), "N1");
    EXPECT_EQ(saved.Cell(kNameCol, 2), "One");
    EXPECT_EQ(saved.Cell(kNameCol, 3), "Two");
    EXPECT_EQ(saved.Cell(kNameCol, 4), "N2");
}

TEST_F(ScoresTest, OnlyQualifyingPlayersAreAskedAndUnqueuedDialogsGiveTheDefault) {
    WriteTable(SampleTable());
    h.pf.QueueTyping("Late");
    GameOver(2, "-9999", "0", "50", "1");  // player 1 places nowhere
    const StringGrid saved = ReadBack();
    EXPECT_EQ(saved.Cell(kNameCol, 10), "Late");  // player 2 took the only scripted name
    h.pf.ClearTyping();
    KeyUp(vk::Escape);
    GameOver(1, "5000", "0");
    EXPECT_EQ(ReadBack().Cell(kNameCol, 1), "Player 1");
}

TEST_F(ScoresTest, ClosingTheProgramAtTheNameDialogKeepsEveryResult) {
    WriteTable(SampleTable());
    ASSERT_TRUE(StartFromMenu(2));
    app().panelTexts[0].points = "650";
    app().panelTexts[1].points = "640";
    h.pf.SetAnswerPrompts(false);  // the real dialog, typed into once it waits
    h.pf.QueueEventAt(h.pf.NowMs() + 1, {EventKind::Text, 0, 0, 0, 0, "Bo"});
    h.pf.QueueEventAt(h.pf.NowMs() + 2, {EventKind::Close, 0, 0, 0, 0, {}});
    GameOverTimerTimer(app());
    ASSERT_TRUE(app().terminated);
    const StringGrid saved = ReadBack();
    EXPECT_EQ(saved.Cell(kNameCol, 4), "Bo");        // as typed
    EXPECT_EQ(saved.Cell(kNameCol, 5), "Player 2");  // never asked: the default
}

TEST_F(ScoresTest, AResultThatPlacesNowhereStillRewritesTheFile) {
    StringGrid t = SampleTable();
    WriteTable(t, 7);
    h.pf.QueueTyping("unused");
    GameOver(1, "-9999", "0");
    EXPECT_EQ(h.pf.PendingTyping(), 1u);  // no dialog
    const StringGrid saved = ReadBack();  // header now 20s
    EXPECT_EQ(saved.Cell(0, 1), "vhsmovie");
    for (int r = 1; r < 16; ++r) EXPECT_EQ(saved.Cell(kNameCol, r), t.Cell(kNameCol, r));
}

TEST_F(ScoresTest, GameOverWithoutAReadableTableInsertsNothingAndCreatesNoFile) {
    h.pf.QueueTyping("unused");
    GameOver(1, "5000", "3");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kLoadError});
    EXPECT_FALSE(std::filesystem::exists(File()));
    EXPECT_EQ(h.pf.PendingTyping(), 1u);
    EXPECT_TRUE(ScoresOnTop());
    EXPECT_TRUE(scores().ScoresBox->Visible());

    dir.WriteFile("HighScores.dat", "version9\n");
    h.pf.ClearBoxes();
    KeyUp(vk::Escape);
    GameOver(1, "5000", "3");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kVersionError});
    EXPECT_EQ(test::ReadFileText(File()), "version9\n");  // not overwritten
}

TEST_F(ScoresTest, ReadOnlyFileIsOnlyReplacedWhenTheUserAgrees) {
    WriteTable(SampleTable());
    const std::string before = test::ReadFileText(File());
    chmod(File().c_str(), 0444);
    scores().HScoresGrid = SampleTable();
    InsertEntry(scores().HScoresGrid, 1, "X", 5000, "1");

    h.pf.QueueAnswer(false);
    SaveTable(app(), scores().HScoresGrid);
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{
                  "The 'High Scores' file read-only. Do you want to make this file write able?",
                  "High scores NOT saved."}));
    EXPECT_EQ(h.pf.Boxes()[1].kind, BoxKind::Plain);
    EXPECT_EQ(test::ReadFileText(File()), before);

    h.pf.ClearBoxes();
    h.pf.QueueAnswer(true);
    SaveTable(app(), scores().HScoresGrid);
    EXPECT_EQ(h.pf.Boxes().size(), 1u);
    EXPECT_EQ(ReadBack().Cell(kNameCol, 1), "X");
    EXPECT_FALSE(h.pf.IsReadOnly(File().string()));
}

TEST_F(ScoresTest, AFailedSaveIsReportedAndLeavesTheOldFileWhole) {
    WriteTable(SampleTable());
    const std::string before = test::ReadFileText(File());
    scores().HScoresGrid = SampleTable();
    InsertEntry(scores().HScoresGrid, 1, "X", 5000, "1");
    {
        // A full disk, as far as this process is concerned, even for a user who may write anywhere.
        const rlimit small{16, 16};
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &small);
        SaveTable(app(), scores().HScoresGrid);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
    }
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kSaveError});
    EXPECT_EQ(test::ReadFileText(File()), before);
    EXPECT_EQ(scores().HScoresGrid.Cell(kNameCol, 1), "X");  // the window keeps the new entry
}

TEST_F(ScoresTest, WhatIsSavedAlwaysLoadsBack) {
    // The longest name the dialog takes goes into the file, and the next game reads it.
    WriteTable(SampleTable());
    h.pf.QueueTyping(std::string(kMaxNameBytes + 2, 'w'));
    GameOver(1, "650", "2");
    EXPECT_TRUE(h.pf.Boxes().empty());
    StringGrid loaded;
    ASSERT_EQ(LoadTable(app(), loaded), 0);
    EXPECT_TRUE(loaded.Cell(kNameCol, 4) == std::string(kMaxNameBytes, 'w'))
        << loaded.Cell(kNameCol, 4).size();

    // A table the reader would refuse is not written over the old file.
    const std::string before = test::ReadFileText(File());
    loaded.SetCell(kNameCol, 1, std::string(kMaxCellLength + 1, 'h'));
    h.pf.ClearBoxes();
    SaveTable(app(), loaded);
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>{"High scores were not saved: the table has grown "
                                       "too large for 'HighScores.dat' to be read back."});
    EXPECT_EQ(test::ReadFileText(File()), before);
}

TEST_F(ScoresTest, PrintScreenCapturesTheScoresWindow) {
    KeyUp(vk::F11);
    h.pf.ClearBoxes();
    KeyUp(vk::PrintScreen);
    EXPECT_TRUE(h.pf.Boxes().empty());
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "Capture000.bmp"));
    EXPECT_TRUE(ScoresOnTop());
}

TEST(ScoresSim, AScriptedNameEntersTheTableAtGameOver) {
    test::TempGameDir dir;
    test::WriteNumberedLevels(dir, 1);
    GridHeader h;
    h.fill(20);
    ASSERT_EQ(WriteGridFile(dir.Dir() + "HighScores.dat", SampleTable(), h),
              GridWriteResult::Written);
    const test::SimRun run = test::RunSim(dir,
                                          "name Scripted Sam\n"
                                          "start\n"
                                          "p1 points 750\n"
                                          "p1 dead 1\n"
                                          "tick 400\n"
                                          "dump\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find("box "), std::string::npos) << run.out;
    StringGrid saved;
    ASSERT_EQ(ReadGridFile(dir.Dir() + "HighScores.dat", saved, h), GridReadResult::Read);
    EXPECT_EQ(saved.Cell(kNameCol, 3), "Scripted Sam");
    EXPECT_EQ(saved.Cell(kScoreCol, 3), "750");
}

}  // namespace
}  // namespace murk
