// The program's level files: counting them at start-up, loading one for play.
#include <gtest/gtest.h>

#include "level/levels.h"
#include "shell/levelfiles.h"
#include "shell/mainform.h"
#include "test_support.h"

namespace murk {
namespace {

using test::HeadlessApp;
using test::TempGameDir;

TEST(Levels, CountingStopsAtTheFirstGap) {
    TempGameDir dir;
    for (int n : {0, 1, 2, 3, 4, 6}) dir.WriteLevel(n);
    HeadlessApp h(dir);
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.app->play.LevelCount, 5);
    EXPECT_EQ(LevelFileName("/g/", 7), "/g/Levels/Level007.dat");
    EXPECT_EQ(LevelFileName("/g/", 1234), "/g/Levels/Level1234.dat");
}

TEST(Levels, NoLevelZeroShutsDownWithTheError) {
    TempGameDir dir;
    dir.WriteLevel(1);
    HeadlessApp h(dir);
    EXPECT_FALSE(h.Start());
    EXPECT_TRUE(h.app->terminated);
    ASSERT_EQ(h.pf.Boxes().size(), 1u);
    EXPECT_EQ(h.pf.Boxes()[0].kind, BoxKind::Error);
    EXPECT_EQ(h.pf.Boxes()[0].text,
              "Error loading levels (no levels found). Please make sure the Levels directory "
              "exists and that it is in the same directory as this program.");
    EXPECT_FALSE(h.pf.WindowShown());  // no resolution question, no window
}

// Reading the file is a rule (tests/rules/level_test.cpp); the program shows the title it gave
// or its failure in a box, and keeps the title shown when a load fails.
TEST(Levels, LoadingShowsTheTitleOrTheFailure) {
    TempGameDir dir;
    dir.WriteLevel(0);
    test::LevelSpec spec;
    spec.title = "Caves";
    dir.WriteLevel(12, spec);
    dir.WriteFile("Levels/Level001.dat", "Version1.0 2 2");
    HeadlessApp h(dir);
    ASSERT_TRUE(h.Start());
    ASSERT_TRUE(LoadLevel(*h.app, 12));
    EXPECT_EQ(h.app->mainForm->LevelTitleLbl->Text(), "Level 12 - Caves");
    h.pf.ClearBoxes();
    EXPECT_FALSE(LoadLevel(*h.app, 1));
    ASSERT_EQ(h.pf.Boxes().size(), 1u);
    EXPECT_EQ(h.pf.Boxes()[0].text, "Invalid file format. File not opened.");
    EXPECT_EQ(h.app->mainForm->LevelTitleLbl->Text(), "Level 12 - Caves");
}

}  // namespace
}  // namespace murk
