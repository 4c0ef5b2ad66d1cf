// Main menu: level stepping with its auto-repeat, players, random level, quit, screen capture.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/bmp.h"
#include "help/helpform.h"
#include "scores/hscoreform.h"
#include "shell/gameloop.h"
#include "shell/mainform.h"
#include "shell/screens.h"
#include "test_support.h"
#include "ui/capture.h"

namespace murk {
namespace {

using test::KeyDownEvent;
using test::KeyUpEvent;

constexpr int kLevels = 24;

class MenuTest : public ::testing::Test, protected test::StartedProgram {
protected:
    MenuTest() : StartedProgram(kLevels) {}

    TMainForm& menu() { return *h.app->mainForm; }
    std::string Level() { return menu().LevelLbl->Text(); }

    // Key-down now, key-up `heldMs` later on the virtual clock; returns the level shown after.
    std::string Press(int key, uint64_t heldMs = 50) {
        const uint64_t now = h.pf.NowMs();
        h.pf.QueueEventAt(now, KeyDownEvent(key));
        h.pf.QueueEventAt(now + heldMs, KeyUpEvent(key));
        ProcessMessages(app());
        return Level();
    }

    void KeyUp(int key) {
        h.pf.QueueKeyUp(key);
        ProcessMessages(app());
    }
};

TEST_F(MenuTest, LevelStepsWrapAroundBothWays) {
    ASSERT_EQ(app().play.LevelCount, kLevels);
    EXPECT_EQ(Level(), "0");
    EXPECT_EQ(Press(vk::F5), "23");
    EXPECT_EQ(Press(vk::Down), "22");
    EXPECT_EQ(Press(vk::F6), "23");
    EXPECT_EQ(Press(vk::Up), "0");
    for (int n = 1; n < kLevels; ++n) ASSERT_EQ(Press(vk::F6), std::to_string(n));
    EXPECT_EQ(Press(vk::F6), "0");
}

TEST_F(MenuTest, ATapStepsOnceAndHoldingRepeats) {
    EXPECT_EQ(Press(vk::F6, 50), "1");
    EXPECT_EQ(Press(vk::F6, 200), "2");  // released before the hold-off ends: no repeat
    EXPECT_EQ(Press(vk::F6, 230), "4");  // one repeat after about 210 ms

    // Held 400 ms: one step, the first repeat after ~210 ms, then one every ~35 ms.
    const int before = std::stoi(Level());
    const int after = std::stoi(Press(vk::F6, 400));
    EXPECT_GE(after - before, 6);
    EXPECT_LE(after - before, 8);
    EXPECT_FALSE(menu().LevelUpRepeat);
}

TEST_F(MenuTest, HoldingTheMouseOnAnArrowRepeatsUntilRelease) {
    const Rect r = menu().LevelUpImage->ScreenRect();
    const int x = r.x + r.w / 2, y = r.y + r.h / 2;
    const uint64_t now = h.pf.NowMs();
    h.pf.QueueEventAt(now, {EventKind::MouseDown, 0, 1, x, y, {}});
    h.pf.QueueEventAt(now + 400, {EventKind::MouseUp, 0, 1, x, y, {}});
    ProcessMessages(app());
    EXPECT_GE(std::stoi(Level()), 6);
    EXPECT_LE(std::stoi(Level()), 8);

    test::QueueClick(h.pf, *menu().LevelDownImage, 3);  // another button does nothing
    ProcessMessages(app());
    EXPECT_GE(std::stoi(Level()), 6);
    test::QueueClick(h.pf, *menu().LevelDownImage);
    ProcessMessages(app());
    EXPECT_GE(std::stoi(Level()), 5);
    EXPECT_LE(std::stoi(Level()), 7);
}

TEST_F(MenuTest, ReleasingTheMouseAwayFromTheArrowStillStopsTheRepeat) {
    const Rect r = menu().LevelUpImage->ScreenRect();
    const uint64_t now = h.pf.NowMs();
    h.pf.QueueEventAt(now, {EventKind::MouseDown, 0, 1, r.x + 5, r.y + 5, {}});
    h.pf.QueueEventAt(now + 400, {EventKind::MouseUp, 0, 1, 5, 5, {}});  // far off the arrow
    ProcessMessages(app());
    EXPECT_FALSE(menu().LevelUpRepeat);
    EXPECT_LE(std::stoi(Level()), 8);
}

TEST_F(MenuTest, PlayersToggleBetweenOneAndTwo) {
    EXPECT_EQ(menu().NumPlayersLbl->Text(), "1");
    KeyUp(vk::F7);
    EXPECT_EQ(menu().NumPlayersLbl->Text(), "2");
    KeyUp(vk::F7);
    EXPECT_EQ(menu().NumPlayersLbl->Text(), "1");
    test::QueueClick(h.pf, *menu().PlayersImage);
    ProcessMessages(app());
    EXPECT_EQ(menu().NumPlayersLbl->Text(), "2");
}

TEST_F(MenuTest, RandomLevelLeavesTheLevelLabelAndStartGameClearsRandomMode) {
    Press(vk::F6);
    Press(vk::F6);
    ASSERT_EQ(Level(), "2");

    KeyUp(vk::F1);
    Game& g = app().game;
    EXPECT_FALSE(g.GameStopped);
    EXPECT_FALSE(menu().MenuBox->Visible());
    EXPECT_TRUE(app().play.RandomMode);
    EXPECT_EQ(Level(), "2");
    ASSERT_GE(app().play.SelectedLevel, 0);
    ASSERT_LT(app().play.SelectedLevel, kLevels);
    const std::string n = std::to_string(app().play.SelectedLevel);
    EXPECT_EQ(menu().LevelTitleLbl->Text(), "Level " + n + " - L" + n);

    ReturnToMenu(app());
    KeyUp(vk::F2);
    EXPECT_FALSE(app().play.RandomMode);
    EXPECT_EQ(app().play.SelectedLevel, 2);
    EXPECT_EQ(menu().LevelTitleLbl->Text(), "Level 2 - L2");
}

TEST_F(MenuTest, AMenuKeyWhileTheFirstRoomIsDrawnGoesToThePlayers) {
    // The menu hides before the game is under way; a menu key arriving in between (F7 here)
    // must not change the game being started.
    h.pf.SetDrawCost(1);
    h.pf.QueueKeyUp(vk::F2);
    h.pf.QueueEventAt(h.pf.NowMs() + 40, KeyUpEvent(vk::F7));
    ProcessMessages(app());
    ASSERT_FALSE(app().game.GameStopped);
    EXPECT_EQ(app().menu.players, "1");
    EXPECT_EQ(app().game.PlayerCount, 1);
    EXPECT_GT(h.pf.NowMs(), 40u);  // the key was due, and taken, during the drawing
}

TEST_F(MenuTest, QuitAnsweredNoChangesNothing) {
    Press(vk::F6);
    KeyUp(vk::F7);
    h.pf.QueueAnswer(false);
    KeyUp(vk::Escape);

    ASSERT_EQ(h.pf.Boxes().size(), 1u);
    EXPECT_EQ(h.pf.Boxes()[0].kind, BoxKind::ConfirmYesNo);
    EXPECT_EQ(h.pf.Boxes()[0].text, "Quit to system?");
    EXPECT_FALSE(app().terminated);
    EXPECT_TRUE(h.pf.WindowShown());
    EXPECT_TRUE(menu().MenuBox->Visible());
    EXPECT_EQ(Level(), "1");
    EXPECT_EQ(menu().NumPlayersLbl->Text(), "2");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "Options.dat"));

    test::QueueClick(h.pf, *menu().QuitImage);  // unqueued answers are yes
    ProcessMessages(app());
    EXPECT_TRUE(app().terminated);
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "Options.dat"));
}

// The decoded pixels of a capture, compared with the canvas they were taken from.
void ExpectCaptureOfCanvas(const std::filesystem::path& file, const HeadlessPlatform& pf) {
    const std::string bytes = test::ReadFileText(file);
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<uint8_t>(bytes[28]), 24);  // bits per pixel
    int w = 0, hgt = 0;
    std::vector<uint32_t> pixels;
    std::string error;
    ASSERT_TRUE(DecodeBmp(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), w, hgt,
                          pixels, error))
        << error;
    ASSERT_EQ(w, kCanvasWidth);
    ASSERT_EQ(hgt, kCanvasHeight);
    int differing = 0;
    for (int y = 0; y < hgt; ++y)
        for (int x = 0; x < w; ++x)
            if (pixels[static_cast<size_t>(y * w + x)] != pf.Pixel(x, y)) ++differing;
    EXPECT_EQ(differing, 0);
}

TEST_F(MenuTest, CaptureFillsGapsInTheNumberingAndWrites24BitPictures) {
    dir.WriteFile("Capture000.bmp", "zero");
    dir.WriteFile("Capture002.bmp", "two");
    for (int i = 0; i < 3; ++i) KeyUp(vk::PrintScreen);

    const auto& p = dir.Path();
    EXPECT_EQ(test::ReadFileText(p / "Capture000.bmp"), "zero");
    EXPECT_EQ(test::ReadFileText(p / "Capture002.bmp"), "two");
    for (const char* made : {"Capture001.bmp", "Capture003.bmp", "Capture004.bmp"})
        EXPECT_TRUE(std::filesystem::exists(p / made)) << made;
    EXPECT_FALSE(std::filesystem::exists(p / "Capture005.bmp"));
    ExpectCaptureOfCanvas(p / "Capture001.bmp", h.pf);
    EXPECT_TRUE(h.pf.Boxes().empty());
    EXPECT_EQ(CaptureFileName("/x/", 1000), "/x/Capture1000.bmp");
}

TEST_F(MenuTest, CaptureDuringPlayShowsTheRoomAndPanels) {
    KeyUp(vk::F2);
    ASSERT_FALSE(app().game.GameStopped);
    KeyUp(vk::PrintScreen);
    ASSERT_TRUE(std::filesystem::exists(dir.Path() / "Capture000.bmp"));
    ExpectCaptureOfCanvas(dir.Path() / "Capture000.bmp", h.pf);
    // The player's square as drawn: the fake picture of A46 at (3, 4).
    EXPECT_EQ(h.pf.ImagePath(h.pf.ImageDrawnAt(3 * 32, 4 * 32)).substr(dir.Dir().size()),
              "Objects/A46-Player1.bmp");
}

// The canvas under a widget (the headless canvas draws no text, so a button's picture alone).
std::vector<uint32_t> PixelsUnder(const HeadlessPlatform& pf, const Widget& w) {
    const Rect r = w.ScreenRect();
    std::vector<uint32_t> pixels;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) pixels.push_back(pf.Pixel(x, y));
    return pixels;
}

// The high-score and help windows' Return buttons wear the menu's wide button, at its size.
TEST_F(MenuTest, ReturnButtonsElsewhereWearTheMenusWideButton) {
    const std::vector<uint32_t> wide = PixelsUnder(h.pf, *menu().RandomImage);
    auto wears = [&](const Widget& w) { return PixelsUnder(h.pf, w) == wide; };
    KeyUp(vk::F11);
    ASSERT_TRUE(app().hscoreForm->Shown());
    EXPECT_TRUE(wears(*app().hscoreForm->ReturnImage));
    KeyUp(vk::Escape);
    KeyUp(vk::F12);
    for (Image* back : app().helpForm->ReturnImage) {
        EXPECT_TRUE(wears(*back)) << app().helpForm->VisiblePage();
        KeyUp('N');
    }
}

}  // namespace
}  // namespace murk
