// Random whole programs, recorded and replayed: both players, room changes, bombs, warps, game
// over with names, the abort question and the options window; every replay ends as its game did.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>
#include <sstream>

#include "base/tiles.h"
#include "level/levels.h"
#include "options/optionsparse.h"
#include "platform/journal/recording_platform.h"
#include "platform/journal/replay_platform.h"
#include "scores/defaulttable.h"
#include "scores/table.h"
#include "shell/startup.h"
#include "shell/statedump.h"
#include "test_support.h"

namespace murk {
namespace {

namespace fs = std::filesystem;
using test::KeyDownEvent;
using test::KeyUpEvent;

// A room where each player's start has money two steps to the right, then the finish, and to the
// left money, then a death field; a bomb lies beside the start.
Event CloseEvent() {
    Event e;
    e.kind = EventKind::Close;
    return e;
}

test::LevelSpec FinishBesideTheStart() {
    test::LevelSpec spec;
    spec.p2Col = 3;
    spec.p2Row = 6;
    spec.rooms = {test::MakeRoom("A00", {{4, 4, std::string(code::Money)},
                                         {4, 6, std::string(code::Money)},
                                         {5, 4, std::string(code::Finish)},
                                         {5, 6, std::string(code::Finish)},
                                         {2, 4, std::string(code::Money)},
                                         {2, 6, std::string(code::Money)},
                                         {1, 4, std::string(code::DeathField)},
                                         {1, 6, std::string(code::DeathField)},
                                         {3, 3, std::string(code::Bomb)},
                                         {3, 7, std::string(code::Bomb)}})};
    return spec;
}

// The keys a game may get: both players' directions, fire and item menu, and now and then
// Escape.
constexpr int kKeys[] = {37, 38, 39, 40, 17, 16, 84, 71, 70, 72, 90, 65, vk::Escape};

// One random program: the menu (players, level, now and then the options window), a game of
// random keys with the abort question answered at random, and the window closed at the end.
void QueueProgram(HeadlessPlatform& pf, std::mt19937& rng) {
    uint64_t at = 5;
    const auto press = [&](int key, uint64_t gap) {
        pf.QueueEventAt(at += gap, KeyDownEvent(key));
        pf.QueueEventAt(at += 5, KeyUpEvent(key));
    };
    if (rng() % 2) press(vk::F7, 5);
    for (uint32_t n = rng() % 3; n > 0; --n) press(vk::F6, 5);
    if (rng() % 4 == 0) {
        press(vk::F10, 5);
        press(vk::Escape, 20);
    }
    press(vk::F2, 5);
    // Most games walk both players to the finish or to their death, and last past the warp or
    // the end of the game.
    const bool walk = rng() % 4 != 0;
    if (walk) {
        const bool right = rng() % 2;
        pf.QueueEventAt(at += 60, KeyDownEvent(right ? 39 : 37));
        pf.QueueEventAt(at, KeyDownEvent(right ? 72 : 70));
        pf.QueueEventAt(at += 400, KeyUpEvent(right ? 39 : 37));
        pf.QueueEventAt(at, KeyUpEvent(right ? 72 : 70));
    }
    const uint64_t end = at + (walk ? 4000 : 300) + rng() % 1500;
    while (at < end) {
        int key = kKeys[rng() % std::size(kKeys)];
        if (key == vk::Escape && rng() % 10 != 0) key = vk::Right;
        if (key == vk::Escape) pf.QueueAnswer(rng() % 3 == 0);
        pf.QueueEventAt(at += rng() % 150, KeyDownEvent(key));
        if (rng() % 2) pf.QueueEventAt(at += rng() % 150, KeyUpEvent(key));
    }
    for (int i = 0; i < 3; ++i) pf.QueueEventAt(at += 100, CloseEvent());
    pf.QueueTyping("Ann " + std::to_string(rng() % 100));
    pf.QueueTyping("Bob");
}

std::string StateOf(App& app) {
    std::ostringstream dump;
    DumpState(app, dump);
    return dump.str();
}

// A thousand games in four parts, which ctest runs side by side.
constexpr int kParts = 4;
class ReplayProperty : public ::testing::TestWithParam<int> {};

TEST_P(ReplayProperty, RandomGamesOfBothPlayersReplayToTheirEnd) {
    test::TempGameDir dir;
    dir.WriteLevel(0, FinishBesideTheStart());
    fs::copy_file(LevelFileName(MURK_GAME_DIR, 0), LevelFileName(dir.Dir(), 1));
    dir.WriteLevel(2, FinishBesideTheStart());
    // A table whose last places a finished level takes: game over asks for names.
    StringGrid table = DefaultHighScoreTable();
    for (int row = 8; row < table.RowCount(); ++row) {
        table.SetCell(kScoreCol, row, "0");
        table.SetCell(kLevelsCol, row, "0");
    }
    GridHeader header;
    header.fill(20);
    ASSERT_EQ(WriteGridFile(dir.Dir() + kHighScoresFile, table, header), GridWriteResult::Written);
    const char* count = std::getenv("MURK_REPLAY_GAMES");
    const int games = (count ? std::atoi(count) : 1000) / kParts;
    int warps = 0, names = 0, aborts = 0;
    for (int game = GetParam() * games; game < (GetParam() + 1) * games; ++game) {
        std::mt19937 rng(static_cast<uint32_t>(game));
        OptionValues options;
        options.speed = std::to_string(40 + rng() % 3 * 15);
        dir.WriteFile(kOptionsFile, FormatOptions(options));
        HeadlessPlatform machine;
        machine.SetFakeImages(true);
        machine.SetCurrentDirectory(dir.Path().string());
        machine.SetSeed(rng());
        machine.SetAnswerPrompts(true);
        QueueProgram(machine, rng);
        std::stringstream journal;
        std::string played;
        {
            RecordingPlatform recording(machine, journal);
            App app(recording);
            RunProgram(app);
            ASSERT_TRUE(app.terminated) << "game " << game;
            played = StateOf(app);
        }
        names += machine.PendingTyping() < 2;
        for (const auto& box : machine.Boxes())
            aborts += box.text.find("Abort") != std::string::npos;

        Journal read;
        std::string error;
        ASSERT_TRUE(ParseJournal(journal.str(), read, error)) << "game " << game << ": " << error;
        std::set<std::string> levelsRead;  // more than one: a warp
        for (const JournalRead& r : read.reads)
            if (r.path.find(kLevelsFolder) != std::string::npos) levelsRead.insert(r.path);
        warps += levelsRead.size() > 1;
        ReplayPlatform replay(std::move(read));
        App app(replay);
        try {
            RunProgram(app);
        } catch (const ReplayStopped& stopped) {
            FAIL() << "game " << game << ": " << stopped.what();
        }
        EXPECT_EQ(replay.Left(), 0u) << "game " << game;
        ASSERT_EQ(StateOf(app), played) << "game " << game;
    }
    if (games >= 250) {  // the games did play what they are meant to
        EXPECT_GT(warps, 10);
        EXPECT_GT(names, 1);
        EXPECT_GT(aborts, 10);
    }
    std::cout << games << " games: " << warps << " with a warp, " << names << " with names, "
              << aborts << " abort questions\n";
}

INSTANTIATE_TEST_SUITE_P(Part, ReplayProperty, ::testing::Range(0, kParts));

}  // namespace
}  // namespace murk
