// Status panels: the every-third-call refresh, shield and item-menu wording, keys of a dead
// partner.
#include "shell/panels.h"

#include <gtest/gtest.h>

#include "shell/gameloop.h"
#include "shell/mainform.h"
#include "shell/screens.h"
#include "test_support.h"

namespace murk {
namespace {

class PanelsTest : public ::testing::Test, protected test::StartedProgram {
protected:
    PanelsTest() : StartedProgram(1) {}

    void StartGame(int players) { ASSERT_TRUE(StartFromMenu(players)); }
    // Three calls: exactly one of them rewrites the labels.
    void Refresh() {
        for (int i = 0; i < 3; ++i) PanelRefresh(app());
    }

    Game& game() { return app().game; }
    TMainForm& main() { return *app().mainForm; }
    PlayerPanel& panel1() { return main().P1Panel; }
    PlayerPanel& panel2() { return main().P2Panel; }
};

TEST_F(PanelsTest, PanelsArePlacedAndReadTheirStartValuesBeforeTheFirstRefresh) {
    EXPECT_FALSE(panel1().box->Visible());
    StartGame(1);
    EXPECT_TRUE(panel1().box->Visible());
    EXPECT_FALSE(panel2().box->Visible());
    const Rect r = panel1().box->ScreenRect();
    EXPECT_EQ(r.x, 32);
    EXPECT_EQ(r.y, 641);
    EXPECT_EQ(r.w, 480);
    EXPECT_EQ(r.h, 110);
    EXPECT_EQ(panel1().life->Text(), "90");
    EXPECT_EQ(panel1().points->Text(), "0");
    EXPECT_EQ(panel1().status->Text(), "Status:");

    // The named colours: player 1 green, player 2 teal, the title blue.
    EXPECT_EQ(panel1().life->Colour(), (Rgb{0, 128, 0}));
    EXPECT_EQ(panel2().status->Colour(), (Rgb{0, 128, 128}));
    EXPECT_EQ(main().LevelTitleLbl->Colour(), (Rgb{0, 0, 255}));

    ReturnToMenu(app());
    StartGame(2);
    EXPECT_TRUE(panel2().box->Visible());
    EXPECT_EQ(panel2().box->ScreenRect().x, 512);
    EXPECT_EQ(panel2().box->ScreenRect().y, 641);
}

TEST_F(PanelsTest, LabelsAreRewrittenOnEveryThirdCallSinceTheProgramStarted) {
    StartGame(1);
    const char* shownAfter[] = {"0", "0", "3", "3", "3", "6", "6", "6", "9"};
    for (int call = 1; call <= 9; ++call) {
        game().P1().points = call;
        PanelRefresh(app());
        EXPECT_EQ(panel1().points->Text(), shownAfter[call - 1]) << "call " << call;
    }

    // A new game does not restart the count: calls 10 and 11 show nothing new, 12 does.
    ReturnToMenu(app());
    StartGame(1);
    game().P1().points = 5;
    PanelRefresh(app());
    PanelRefresh(app());
    EXPECT_EQ(panel1().points->Text(), "9");
    PanelRefresh(app());
    EXPECT_EQ(panel1().points->Text(), "5");
}

TEST_F(PanelsTest, ADeadPlayersLifeShowsItsNegativeValueAndHiddenPanelsAreWrittenToo) {
    StartGame(1);
    game().P1().dead = true;
    game().P1().life = -60;
    game().P2().points = 42;
    Refresh();
    EXPECT_EQ(panel1().life->Text(), "-60");
    EXPECT_EQ(panel2().points->Text(), "42");
}

TEST_F(PanelsTest, ShieldAndItemMenuWording) {
    StartGame(1);
    Player& p = game().P1();
    p.shieldTime = 100;
    Refresh();
    EXPECT_EQ(panel1().status->Text(), "Status: Shield On - 100%");
    p.shieldTime = 99;
    Refresh();
    EXPECT_EQ(panel1().status->Text(), "Status: Shield On - 99%");

    struct MenuCase {
        int choice, shield;
        const char* shown;
    };
    const MenuCase cases[] = {{2, 50, "Status: LIFE"},
                              {1, 50, "Status: BOMB"},
                              {3, 0, "Status: NOTHING"},
                              {0, 7, "Status: NOTHING"}};
    p.menuOpen = true;
    for (const MenuCase& c : cases) {
        p.menuChoice = c.choice;
        p.shieldTime = c.shield;
        Refresh();
        EXPECT_EQ(panel1().status->Text(), c.shown) << c.choice;
    }

    // Once the menu closes its last word stays until something rewrites it.
    p.menuChoice = 1;
    Refresh();
    p.menuOpen = false;
    p.shieldTime = 0;
    Refresh();
    EXPECT_EQ(panel1().status->Text(), "Status: BOMB");
    p.shieldTime = -3;  // a spent shield rewrites nothing
    Refresh();
    EXPECT_EQ(panel1().status->Text(), "Status: BOMB");
    p.shieldTime = 30;
    Refresh();
    EXPECT_EQ(panel1().status->Text(), "Status: Shield On - 30%");
}

TEST_F(PanelsTest, ADeadPlayersKeysPassToTheLivingPartner) {
    StartGame(2);
    Player& p1 = game().P1();
    Player& p2 = game().P2();
    p1.dead = true;
    p1.keys = 3;
    p2.keys = 1;
    Refresh();
    EXPECT_EQ(p1.keys, 0);
    EXPECT_EQ(p2.keys, 4);
    EXPECT_EQ(panel1().keys->Text(), "0");
    EXPECT_EQ(panel2().keys->Text(), "4");

    p1.dead = false;
    p2.dead = true;
    p1.keys = 1;
    Refresh();
    EXPECT_EQ(p1.keys, 5);
    EXPECT_EQ(p2.keys, 0);

    p1.dead = true;  // nobody left to take them
    p1.keys = 2;
    p2.keys = 6;
    Refresh();
    EXPECT_EQ(p1.keys, 2);
    EXPECT_EQ(p2.keys, 6);
}

TEST_F(PanelsTest, KeysStayWithADeadPlayerInAOnePlayerGame) {
    StartGame(1);
    game().P1().dead = true;
    game().P1().keys = 3;
    game().P2().keys = 1;
    Refresh();
    EXPECT_EQ(game().P1().keys, 3);
    EXPECT_EQ(game().P2().keys, 1);
}

}  // namespace
}  // namespace murk
