// The overlays over the room: each shows at its moment and leaves the room as a fresh draw would.
#include "shell/overlays.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "base/tiles.h"
#include "options/optionsform.h"
#include "players/bombs.h"
#include "players/damage.h"
#include "shell/gameloop.h"
#include "shell/hints.h"
#include "shell/mainform.h"
#include "shell/playscreen.h"
#include "shell/render.h"
#include "shell/screens.h"
#include "test_support.h"

namespace murk {
namespace {

class OverlaysTest : public ::testing::Test, protected test::StartedProgram {
protected:
    OverlaysTest() : StartedProgram(2) { app().overlays.hints.enabled = false; }

    Game& game() { return h.app->game; }
    TMainForm& main() { return *h.app->mainForm; }

    // Starts a game paced at 50 ms a pass (a 150 ms mark lasts three passes) and plays on past
    // the level's title.
    void Start(int players = 1) {
        StartOnly(players);
        const uint64_t t = h.pf.NowMs();
        while (h.pf.NowMs() < t + 2100) RunPass(app(), app().loopDelay);
    }
    void StartOnly(int players) {
        app().optionsForm->GameSpeedEdit->SetText("50");
        app().menu.level = "0";
        ASSERT_TRUE(StartFromMenu(players));
        ASSERT_EQ(app().loopDelay, 50);
    }

    std::vector<uint32_t> RoomPixels() {
        std::vector<uint32_t> pixels;
        for (int y = kTilePixels; y < kTilePixels * (kRoomRows + 1); ++y)
            for (int x = kTilePixels; x < kTilePixels * (kRoomCols + 1); ++x)
                pixels.push_back(h.pf.Pixel(x, y));
        return pixels;
    }

    // What a fresh draw of the room shows, taken without leaving a trace of the draw itself.
    std::vector<uint32_t> FreshRoomPixels() {
        const std::vector<uint32_t> shown = RoomPixels();
        EXPECT_TRUE(RenderRoom(app()));
        std::vector<uint32_t> fresh = RoomPixels();
        EXPECT_EQ(shown, fresh) << "the room was not as a fresh draw shows it";
        return fresh;
    }

    // One pass of the loop whose tick hurts player 1 by `amount`, as the loop watches it.
    void PassWithHit(int amount) {
        OverlaysBeforeTick(app());
        Damage(game(), app(), amount, code::Player1, true);
        OverlaysAfterTick(app(), app().loopDelay);
    }

    std::vector<std::string> Board() {
        std::vector<std::string> cells;
        for (int r = 1; r <= kRoomRows; ++r)
            for (int c = 1; c <= kRoomCols; ++c) cells.push_back(game().RoomGrid.Cell(c, r));
        return cells;
    }

    uint32_t SquarePixel(const Player& p, int dx, int dy) {
        return h.pf.Pixel(kTilePixels * p.col + dx, kTilePixels * p.row + dy);
    }
};

TEST_F(OverlaysTest, AHitFlashesTheSquareAndTheLifeFigureThenLeavesTheRoomAsItWas) {
    Start();
    const Player& p1 = game().P1();
    Label& life = *main().P1Panel.life;
    const Rgb lifeColour = life.Colour();
    const uint32_t tile = SquarePixel(p1, 0, 0);

    PassWithHit(10);
    const uint32_t hurt = SquarePixel(p1, 0, 0);
    EXPECT_NE(hurt, tile);
    EXPECT_EQ(SquarePixel(p1, 31, 0), hurt);  // a stripe across the square
    EXPECT_EQ(SquarePixel(p1, 0, 1), tile);   // with the tile showing between the stripes
    EXPECT_NE(life.Colour(), lifeColour);

    const std::vector<std::string> board = Board();
    RunPass(app(), app().loopDelay);
    RunPass(app(), app().loopDelay);
    EXPECT_EQ(SquarePixel(p1, 0, 0), hurt) << "still showing at 100 ms";
    RunPass(app(), app().loopDelay);
    EXPECT_EQ(SquarePixel(p1, 0, 0), tile) << "gone after 150 ms";
    EXPECT_EQ(life.Colour(), lifeColour);
    EXPECT_EQ(Board(), board);
    const std::vector<uint32_t> shown = RoomPixels();
    EXPECT_EQ(shown, FreshRoomPixels());

    // A shield takes the hit: the life stays, and the square flashes in its own colour.
    game().P1().shieldTime = 50;
    PassWithHit(10);
    EXPECT_EQ(p1.life, 80);
    const uint32_t shielded = SquarePixel(p1, 0, 0);
    EXPECT_NE(shielded, tile);
    EXPECT_NE(shielded, hurt);
    EXPECT_EQ(life.Colour(), lifeColour);
    for (int i = 0; i < 3; ++i) RunPass(app(), app().loopDelay);
    EXPECT_EQ(Board(), board);
    EXPECT_EQ(RoomPixels(), FreshRoomPixels());
}

TEST_F(OverlaysTest, AFallenPlayersSquareIsCrossedForHalfASecond) {
    Start(2);  // the partner plays on: no game over
    const Player& p1 = game().P1();
    const Rgb lifeColour = main().P1Panel.life->Colour();
    PassWithHit(200);
    ASSERT_TRUE(p1.dead);
    const uint32_t floor = SquarePixel(p1, 16, 0);  // the cross leaves the edges' middles bare
    EXPECT_NE(SquarePixel(p1, 3, 3), floor);
    EXPECT_NE(SquarePixel(p1, 28, 3), floor);
    EXPECT_EQ(main().P1Panel.life->Colour(), lifeColour)
        << "a death is no hurt: the life figure keeps its colour";

    const std::vector<std::string> board = Board();
    for (int i = 0; i < 9; ++i) RunPass(app(), app().loopDelay);
    EXPECT_NE(SquarePixel(p1, 3, 3), floor) << "still showing at 450 ms";
    RunPass(app(), app().loopDelay);
    EXPECT_EQ(SquarePixel(p1, 3, 3), floor);
    EXPECT_EQ(Board(), board);
    EXPECT_EQ(RoomPixels(), FreshRoomPixels());
}

TEST_F(OverlaysTest, GameOverShowsOverTheRoomWithThePointsUntilTheTable) {
    Start();
    game().P1().points = 1234;
    PassWithHit(200);
    const std::vector<std::string> board = Board();
    const std::vector<uint32_t> before = RoomPixels();
    RunPass(app(), app().loopDelay);   // the pass that sees the death sets the wait
    const int band = kTilePixels * 8;  // the banner's first square row
    EXPECT_EQ(h.pf.TextIn(0, band, 1024, 50), "Game Over");
    EXPECT_EQ(h.pf.TextIn(0, band + 50, 1024, 30), "Player 1: 1234 points");
    EXPECT_NE(RoomPixels(), before);

    const uint64_t t = h.pf.NowMs();
    while (h.pf.NowMs() < t + 3000) RunPass(app(), app().loopDelay);
    EXPECT_EQ(h.pf.TextIn(0, band, 1024, 50), "Game Over") << "shown for the whole wait";
    EndBanner(app());  // as the wait's end does it, just before the menu comes back
    EXPECT_EQ(h.pf.TextIn(0, band, 1024, 128), "");
    EXPECT_EQ(Board(), board);
    EXPECT_EQ(RoomPixels(), FreshRoomPixels());
}

TEST_F(OverlaysTest, TheWarpsWaitShowsLevelCompleteAndShimmersUntilTheNextLevel) {
    Start();
    Player& p1 = game().P1();
    p1.points = 50;
    const uint32_t tile = SquarePixel(p1, 0, 0);
    const std::vector<std::string> board = Board();
    const uint64_t t = h.pf.NowMs();
    p1.finished = true;
    RunPass(app(), app().loopDelay);
    const int band = kTilePixels * 8;
    EXPECT_EQ(h.pf.TextIn(0, band, 1024, 50), "Level complete");
    EXPECT_EQ(h.pf.TextIn(0, band + 50, 1024, 30), "Player 1: 50 points, 1 level passed");
    std::set<std::vector<uint32_t>> looks;  // the square over a few passes: it moves
    for (int i = 0; i < 3; ++i) {
        std::vector<uint32_t> square;
        int lit = 0;
        for (int dy = 0; dy < kTilePixels; ++dy) {
            square.push_back(SquarePixel(p1, 0, dy));
            lit += square.back() != tile;
        }
        EXPECT_LE(lit, 11) << "a pass's rows are gone at the next";
        EXPECT_GE(lit, 10);
        looks.insert(square);
        RunPass(app(), app().loopDelay);
    }
    EXPECT_EQ(looks.size(), 3u);

    while (h.pf.NowMs() < t + 3750) RunPass(app(), app().loopDelay);
    EXPECT_EQ(h.pf.TextIn(0, band, 1024, 50), "Level complete");
    EXPECT_EQ(Board(), board);
    EndWarpWait(app());  // as the wait's end does it, just before the next level comes
    EXPECT_EQ(h.pf.TextIn(0, band, 1024, 128), "");
    EXPECT_EQ(Board(), board);
    EXPECT_EQ(RoomPixels(), FreshRoomPixels());
}

TEST_F(OverlaysTest, APartnerWhoPlaysOnKeepsTheRoomFreeOfTheWarpsBanner) {
    Start(2);
    game().P1().finished = true;
    RunPass(app(), app().loopDelay);
    EXPECT_EQ(h.pf.TextIn(0, kTilePixels * 8, 1024, 128), "");
    game().P2().finished = true;
    RunPass(app(), app().loopDelay);
    EXPECT_EQ(h.pf.TextIn(0, kTilePixels * 8, 1024, 50), "Level complete");
}

TEST_F(OverlaysTest, ALevelsTitleShowsForItsFirstTwoSeconds) {
    StartOnly(1);
    const std::vector<std::string> board = Board();
    const uint64_t t = h.pf.NowMs();
    const int band = kTilePixels * 8;
    RunPass(app(), app().loopDelay);
    EXPECT_EQ(h.pf.TextIn(0, band, 1024, 50), "Level 0 - L0");
    // A player in the middle band is not hidden: the title goes above, and back when they leave.
    Player& p1 = game().P1();
    const int col = p1.col, row = p1.row;
    p1.col = 10, p1.row = 9;
    RunPass(app(), app().loopDelay);
    EXPECT_EQ(h.pf.TextIn(0, kTilePixels * 3, 1024, 50), "Level 0 - L0");
    EXPECT_EQ(h.pf.TextIn(0, band, 1024, 128), "");
    p1.col = col, p1.row = row;
    RunPass(app(), app().loopDelay);
    EXPECT_EQ(h.pf.TextIn(0, band, 1024, 50), "Level 0 - L0");
    while (h.pf.NowMs() < t + 1950) RunPass(app(), app().loopDelay);
    EXPECT_EQ(h.pf.TextIn(0, band, 1024, 50), "Level 0 - L0");
    RunPass(app(), app().loopDelay);  // the one from 1950 ms to 2000 ms
    RunPass(app(), app().loopDelay);
    EXPECT_EQ(h.pf.TextIn(0, band, 1024, 128), "");
    EXPECT_EQ(Board(), board);
    EXPECT_EQ(RoomPixels(), FreshRoomPixels());

    // The next level's title comes with the warp.
    game().P1().finished = true;
    while (app().play.SelectedLevel == 0) RunPass(app(), app().loopDelay);
    RunPass(app(), app().loopDelay);
    EXPECT_EQ(h.pf.TextIn(0, band, 1024, 50), "Level 1 - L1");
}

TEST_F(OverlaysTest, AnAbortedGameLeavesTheRoomBesideTheMenuBare) {
    StartOnly(1);
    const Player& p1 = game().P1();
    const uint32_t tile = SquarePixel(p1, 0, 0);
    RunPass(app(), app().loopDelay);  // the level's title shows (the menu comes over it)
    PassWithHit(10);
    ASSERT_NE(SquarePixel(p1, 0, 0), tile);
    h.pf.QueueAnswer(true);
    PlayKeyDown(app(), vk::Escape);
    ASSERT_TRUE(game().GameStopped);
    EXPECT_TRUE(app().overlays.marks.empty());
    EXPECT_TRUE(app().overlays.banner.empty());
    EXPECT_EQ(SquarePixel(p1, 0, 0), tile);
}

TEST_F(OverlaysTest, AHeldBombsReachIsOutlinedAndItsBlastFlashes) {
    Start(2);  // both players fall in the blast: the game-over banner comes too
    Player& p1 = game().P1();
    const std::vector<uint32_t> fresh = RoomPixels();
    const auto cornerChanged = [&](int col, int row) {
        const int x = kTilePixels * col, y = kTilePixels * row;
        const size_t at =
            static_cast<size_t>((y - kTilePixels) * kTilePixels * kRoomCols + x - kTilePixels);
        return h.pf.Pixel(x, y) != fresh[at];
    };
    const auto marked = [&] {
        int n = 0;
        for (int r = 1; r <= kRoomRows; ++r)
            for (int c = 1; c <= kRoomCols; ++c) n += cornerChanged(c, r);
        return n;
    };
    p1.bombs = 1;
    OverlaysBeforeTick(app());
    LayBomb(game(), app(), p1);
    OverlaysAfterTick(app(), app().loopDelay);
    EXPECT_EQ(marked(), 21);  // and the bomb itself
    EXPECT_TRUE(cornerChanged(p1.col + 2, p1.row));
    EXPECT_FALSE(cornerChanged(p1.col + 2, p1.row + 2)) << "no corners";
    EXPECT_FALSE(cornerChanged(p1.col + 3, p1.row));
    RunPass(app(), app().loopDelay);
    EXPECT_EQ(marked(), 21) << "still outlined while held";

    OverlaysBeforeTick(app());
    FireBomb(game(), app(), p1);
    OverlaysAfterTick(app(), app().loopDelay);
    ASSERT_FALSE(p1.bombHeld);
    const std::vector<std::string> board = Board();
    const uint32_t flashed = h.pf.Pixel(kTilePixels * (p1.col + 1), kTilePixels * p1.row);
    EXPECT_NE(flashed, fresh[0]);
    for (int i = 0; i < 10; ++i) RunPass(app(), app().loopDelay);  // the fall's mark too
    EXPECT_NE(h.pf.Pixel(kTilePixels * (p1.col + 1), kTilePixels * p1.row), flashed);
    EndBanner(app());
    EXPECT_EQ(Board(), board);
    EXPECT_EQ(RoomPixels(), FreshRoomPixels());
}

TEST_F(OverlaysTest, AGameThatEndsOrStartsDropsTheMarksWithoutDrawing) {
    Start();
    PassWithHit(10);
    const Rgb hurtColour = main().P1Panel.life->Colour();
    ASSERT_FALSE(app().overlays.marks.empty());
    ReturnToMenu(app());
    RunPass(app(), app().loopDelay);  // a pass that was under way draws nothing over the menu
    EXPECT_TRUE(app().overlays.marks.empty());
    ASSERT_TRUE(StartFromMenu(1));  // a new game: its room drawn afresh, the panel as it was
    EXPECT_TRUE(app().overlays.marks.empty());
    EXPECT_NE(main().P1Panel.life->Colour(), hurtColour);
    EXPECT_EQ(RoomPixels(), FreshRoomPixels());
}

// The menu's three cells stand over the room's two bottom rows above player 1's panel, laid out
// as the keys pick them: BOMB (left), LIFE (up or down), NOTHING (right).
TEST_F(OverlaysTest, TheItemMenuShowsItsChoicesAndCountsBesideThePanelThenGoesWithoutATrace) {
    Start();
    Player& p1 = game().P1();
    p1.kits = 3;
    p1.bombs = 2;
    const std::vector<std::string> board = Board();
    const int top = kTilePixels * 18, cell = kTilePixels * 5;
    const auto cellText = [&](int i) { return h.pf.TextIn(kTilePixels + i * cell, top, cell, 32); };
    const auto cellBack = [&](int i) { return h.pf.Pixel(kTilePixels + i * cell + 4, top + 4); };
    PlayKeyDown(app(), p1.menuKey);
    PlayKeyUp(app(), p1.menuKey);  // the menu opens as its key comes up
    RunPass(app(), app().loopDelay);
    EXPECT_EQ(cellText(0), "BOMB x2");
    EXPECT_EQ(cellText(1), "LIFE x3");
    EXPECT_EQ(cellText(2), "NOTHING");
    EXPECT_EQ(h.pf.TextIn(kTilePixels, top + 32, cell, 32), "Left");
    EXPECT_NE(cellBack(1), cellBack(0)) << "the menu opens on LIFE, marked";
    EXPECT_EQ(cellBack(0), cellBack(2));

    PlayKeyDown(app(), p1.leftKey);
    RunPass(app(), app().loopDelay);
    EXPECT_NE(cellBack(0), cellBack(1)) << "BOMB is marked now";
    EXPECT_EQ(cellBack(1), cellBack(2));

    PlayKeyUp(app(), p1.leftKey);
    PlayKeyDown(app(), p1.rightKey);
    PlayKeyDown(app(), p1.fireKey);  // NOTHING: the menu closes
    ASSERT_FALSE(p1.menuOpen);
    PlayKeyUp(app(), p1.fireKey);
    PlayKeyUp(app(), p1.rightKey);
    RunPass(app(), app().loopDelay);
    EXPECT_EQ(cellText(1), "");
    EXPECT_EQ(Board(), board);
    EXPECT_EQ(RoomPixels(), FreshRoomPixels());
}

// The first game's start and the first pick-up of each item say which keys do what, once: what
// was shown is kept in Hints.dat, which a damaged file cannot spoil.
TEST_F(OverlaysTest, ControlsHintsShowOnceWithTheKeysSetAndAreRemembered) {
    app().overlays.hints.enabled = true;
    StartOnly(1);
    const std::vector<std::string> board = Board();
    Player& p1 = game().P1();
    RunPass(app(), app().loopDelay);
    EXPECT_EQ(h.pf.TextIn(0, kTilePixels, 1024, 32),
              "Up, Down, Left, Right walk (two at once: diagonally) - Ctrl fires - Shift opens "
              "the item menu");
    EXPECT_EQ(test::ReadFileText(dir.Path() / kHintsFile), "start\n");
    const uint64_t t = h.pf.NowMs();
    while (h.pf.NowMs() < t + 7100) RunPass(app(), app().loopDelay);
    EXPECT_EQ(h.pf.TextIn(0, kTilePixels, 1024, 32), "");
    EXPECT_EQ(Board(), board);
    EXPECT_EQ(RoomPixels(), FreshRoomPixels());

    OverlaysBeforeTick(app());
    ++p1.kits;
    OverlaysAfterTick(app(), app().loopDelay);
    EXPECT_EQ(h.pf.TextIn(0, kTilePixels, 1024, 32),
              "a health kit: Shift opens the item menu on LIFE, Ctrl heals you to full");
    EXPECT_EQ(test::ReadFileText(dir.Path() / kHintsFile), "start\nkit\n");
    ReturnToMenu(app());
    RunPass(app(), app().loopDelay);
    ASSERT_TRUE(StartFromMenu(1));
    OverlaysBeforeTick(app());
    ++game().P1().kits;
    OverlaysAfterTick(app(), app().loopDelay);
    EXPECT_TRUE(app().overlays.hints.lines.empty()) << "neither hint twice";

    EXPECT_EQ(ParseHints("kit\r\n\x01garbage\nbomb\nkit\nshield"),
              (std::vector<std::string>{"kit", "bomb", "shield"}));
    EXPECT_TRUE(ParseHints(std::string(5000, '\0')).empty());
}

// Keys are handled in the wait between passes: a bomb let off there flashes at the next pass.
TEST_F(OverlaysTest, ABombLetOffBetweenPassesFlashesToo) {
    Start(2);
    Player& p1 = game().P1();
    p1.bombs = 1;
    LayBomb(game(), app(), p1);
    for (int i = 0; i < 40 && p1.bombCol < p1.col + 3; ++i) {  // steered out of the player's way
        p1.heldDir = dir::East;
        RunPass(app(), app().loopDelay);
    }
    p1.heldDir = dir::None;
    RunPass(app(), app().loopDelay);
    ASSERT_TRUE(p1.bombHeld);
    // Inside the square beside the bomb, clear of the reach's frame: as the blast left it, then
    // flashing.
    const int x = kTilePixels * (p1.bombCol + 1) + 5, y = kTilePixels * p1.bombRow + 2;
    FireBomb(game(), app(), p1);
    const uint32_t blasted = h.pf.Pixel(x, y);
    RunPass(app(), app().loopDelay);
    EXPECT_NE(h.pf.Pixel(x, y), blasted);
}

}  // namespace
}  // namespace murk
