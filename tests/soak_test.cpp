// Soak: random keys for both players over every shipped level, the state checked after each pass.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>
#include <string>

#include "level/levels.h"
#include "options/optionsform.h"
#include "players/board.h"
#include "shell/gameloop.h"
#include "shell/hints.h"
#include "shell/mainform.h"
#include "shell/menuscreen.h"
#include "shell/render.h"
#include "shell/screens.h"
#include "test_support.h"

namespace murk {
namespace {

namespace fs = std::filesystem;

// A longer or another soak by hand: MURK_SOAK_PASSES=1000000 MURK_SOAK_SEED=7 murk_tests ...
uint32_t Setting(const char* name, uint32_t fallback) {
    const char* text = std::getenv(name);
    return text ? static_cast<uint32_t>(std::strtoul(text, nullptr, 10)) : fallback;
}

// What is wrong with the state after a pass, or "".
std::string Problem(const App& app, const HeadlessPlatform& pf) {
    const Game& g = app.game;
    for (int r = 1; r <= kRoomRows; ++r)
        for (int c = 1; c <= kRoomCols; ++c)
            if (TileIndex(g.RoomGrid.Cell(c, r)) < 0)
                return "square " + std::to_string(c) + "," + std::to_string(r) + " holds \"" +
                       g.RoomGrid.Cell(c, r) + "\"";
    for (const Player& p : g.players) {
        const std::string who = "player " + std::to_string(p.number) + ": ";
        const struct {
            const char* name;
            int value, low, high;
        } counters[] = {
            {"life", p.life, INT_MIN, 90},          {"points", p.points, 0, INT_MAX},
            {"keys", p.keys, 0, INT_MAX},           {"kits", p.kits, 0, INT_MAX},
            {"bombs", p.bombs, 0, INT_MAX},         {"levels", p.levelsPassed, 0, INT_MAX},
            {"shield", p.shieldTime, INT_MIN, 100}, {"choice", p.menuChoice, 0, 3}};
        for (const auto& k : counters)
            if (k.value < k.low || k.value > k.high)
                return who + k.name + " is " + std::to_string(k.value);
        if (!OnBoard(g, p)) continue;
        if (p.col < 1 || p.col > kRoomCols || p.row < 1 || p.row > kRoomRows)
            return who + "off the room";
        const bool ownBomb = p.bombHeld && p.bombCol == p.col && p.bombRow == p.row;
        if (ownBomb) continue;
        if (g.RoomGrid.Cell(p.col, p.row) != PlayerCode(p))
            return who + "its square holds " + g.RoomGrid.Cell(p.col, p.row);
        const ImageId shown = pf.ImageDrawnAt(kTilePixels * p.col, kTilePixels * p.row);
        if (shown != app.tiles.ForCode(PlayerCode(p)))
            return who + "its square shows " + pf.ImagePath(shown);
    }
    const Player &p1 = g.players[0], &p2 = g.players[1];
    if (OnBoard(g, p1) && OnBoard(g, p2) && p1.col == p2.col && p1.row == p2.row)
        return "both players on one square";
    const WorldClocks& k = g.world.clocks;
    if (k.tick < 1 || k.laser2 < 1 || k.laser3 < 1 || k.laser4 < 1) return "a clock wrapped";
    if (g.CurrentRoomCol < 1 || g.CurrentRoomCol >= g.LevelGrid.ColCount() ||
        g.CurrentRoomRow < 1 || g.CurrentRoomRow >= g.LevelGrid.RowCount())
        return "the current room is outside the level";
    return "";
}

// Files in the game folder other than the levels and the game's own files.
std::string StrayFile(const fs::path& folder) {
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        const bool capture = name.starts_with("Capture") && name.ends_with(".bmp");
        const bool ours = name == "Options.dat" || name == "HighScores.dat" || name == kHintsFile;
        if (name != "Levels" && !ours && !capture) return name;
    }
    return "";
}

// One player's keys for a pass: walks held for a while in one of the eight directions, fire
// taps and the item menu now and then. `held` are the direction keys held down (0 for none).
void PlayKeys(HeadlessPlatform& pf, int who, std::mt19937& rng, int (&held)[2]) {
    static const int kDirections[2][4] = {{37, 38, 39, 40}, {70, 84, 72, 71}};
    static const int kFire[2] = {17, 90}, kMenu[2] = {16, 65};
    if (rng() % 12 == 0) {
        for (int& key : held) {
            if (key) pf.QueueKeyUp(key);
            key = rng() % 3 ? kDirections[who][rng() % 4] : 0;
            if (key) pf.QueueKeyDown(key);
        }
    }
    if (rng() % 6 == 0) rng() % 2 ? pf.QueueKeyDown(kFire[who]) : pf.QueueKeyUp(kFire[who]);
    if (rng() % 40 == 0) {
        pf.QueueKeyDown(kMenu[who]);
        pf.QueueKeyUp(kMenu[who]);
    }
}

TEST(Soak, RandomKeysForBothPlayersOverEveryShippedLevel) {
    test::TempGameDir dir;
    int levels = 0;
    for (; fs::exists(LevelFileName(MURK_GAME_DIR, levels)); ++levels)
        fs::copy_file(LevelFileName(MURK_GAME_DIR, levels), LevelFileName(dir.Dir(), levels));
    ASSERT_GT(levels, 0) << "no levels in " << MURK_GAME_DIR;
    const std::set<fs::path> shipped{fs::directory_iterator(dir.Path() / "Levels"), {}};

    test::HeadlessApp h(dir, 2024);
    ASSERT_TRUE(h.Start());
    App& app = *h.app;
    app.optionsForm->GameSpeedEdit->SetText("5");  // timers fire: warps, game over, scores
    ProcessMessages(app);
    int held[2][2] = {};

    bool bomb = false, bullet = false, roomChange = false;  // the soak did play
    const uint32_t passes = Setting("MURK_SOAK_PASSES", 100'000);
    // The first of each level's passes check that every present leaves the screen as the canvas
    // (a stale square is a trail on the screen); a compare of the whole screen is slow.
    const uint32_t screenPasses = Setting("MURK_SOAK_SCREEN_PASSES", passes / 5);
    for (int level = 0; level < levels; ++level) {
        std::mt19937 rng(Setting("MURK_SOAK_SEED", 0) * 1000 + static_cast<uint32_t>(level) + 1);
        h.pf.KeepScreen(true);
        for (uint32_t pass = 0; pass < (passes + levels - 1) / levels; ++pass) {
            if (pass == (screenPasses + levels - 1) / levels) h.pf.KeepScreen(false);
            if (app.game.GameStopped) {
                // Back to the menu (the score table may lie over it), then a new game here.
                for (int i = 0; i < 3 && app.shownForms.back() != app.mainForm.get(); ++i) {
                    h.pf.QueueKeyUp(vk::Escape);
                    ProcessMessages(app);
                }
                app.menu.level = std::to_string(level);
                app.menu.players = rng() % 4 ? "2" : "1";
                StartGameCommand(app, false);
                for (Player& p : app.game.players) p.bombs = 3;  // something to lay and steer
                ASSERT_TRUE(app.loopActive && !app.game.GameStopped) << "level " << level;
            }
            for (int who = 0; who < 2; ++who) PlayKeys(h.pf, who, rng, held[who]);
            if (rng() % 1500 == 0) {  // now and then an abort, mostly taken back
                h.pf.QueueAnswer(rng() % 4 == 0);
                h.pf.QueueKeyDown(vk::Escape);
            }
            RunPass(app, app.loopDelay);
            ASSERT_FALSE(app.terminated);
            ASSERT_EQ(h.pf.StaleScreen(), "") << "level " << level << " pass " << pass;
            const std::string stray = StrayFile(dir.Path());
            ASSERT_EQ(stray, "") << "level " << level << " pass " << pass << " wrote it";
            if (app.game.GameStopped) continue;
            for (const Player& p : app.game.players) {
                bomb = bomb || p.bombHeld;
                bullet = bullet || p.bulletInFlight;
            }
            roomChange = roomChange || app.game.CurrentRoomCol != app.game.StartRoomCol ||
                         app.game.CurrentRoomRow != app.game.StartRoomRow;
            const std::string problem = Problem(app, h.pf);
            ASSERT_EQ(problem, "") << "level " << level << " pass " << pass;
        }
    }
    EXPECT_TRUE(bomb && bullet && roomChange);
    EXPECT_GT(h.pf.Presents(), static_cast<int>(passes / 2));
    EXPECT_EQ((std::set<fs::path>{fs::directory_iterator(dir.Path() / "Levels"), {}}), shipped);
}

}  // namespace
}  // namespace murk
