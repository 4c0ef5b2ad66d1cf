// The route tool: route files, the key presses it plans against the game's own key handling,
// and whole routes played to the finish and replayed as murk-sim scripts.
#include <gtest/gtest.h>

#include <sstream>

#include "heldkeys.h"
#include "players/input.h"
#include "routefile.h"
#include "router.h"
#include "test_support.h"

namespace murk {
namespace {

using route::KeyEvent;

TEST(RouteFile, ReadsStepsAndNamesEveryMistakeByLine) {
    std::istringstream text(
        "# Fetch the key, then out.\n"
        "goto 2 1 12 9   # in the east room\n"
        "shoot ne 8\n"
        "bomb S 3 E 2\n"
        "goto 4\n"
        "shoot up\n"
        "wait\n"
        "dance\n"
        "finish\n");
    std::vector<std::string> errors;
    const route::Route r = route::ParseRoute(text, errors);
    ASSERT_EQ(r.about, std::vector<std::string>{"Fetch the key, then out."});
    ASSERT_EQ(r.steps.size(), 4u);
    EXPECT_EQ(r.steps[0].args, (std::vector<int>{2, 1, 12, 9}));
    EXPECT_EQ(r.steps[0].text, "goto 2 1 12 9");
    EXPECT_EQ(r.steps[1].args, (std::vector<int>{2, 8}));
    EXPECT_EQ(r.steps[2].args, (std::vector<int>{5, 3, 3, 2}));
    EXPECT_EQ(r.steps[3].verb, "finish");
    ASSERT_EQ(errors.size(), 4u);
    EXPECT_EQ(errors[0].rfind("line 5:", 0), 0u);
    EXPECT_EQ(errors[3].rfind("line 8:", 0), 0u);
}

// The planned presses and releases, fed to the game's own key handlers, leave exactly the
// direction wanted, whatever was held before.
TEST(HeldKeys, TheGameEndsUpHoldingTheDirectionAsked) {
    test::StartedProgram program(1);
    ASSERT_TRUE(program.StartFromMenu(1));
    Player& p = program.app().game.P1();
    const route::DirKeys keys{p.upKey, p.downKey, p.leftKey, p.rightKey};
    auto play = [&](const std::vector<KeyEvent>& events, std::set<int>& down) {
        for (const KeyEvent& e : events) {
            EXPECT_NE(down.count(e.key) != 0, e.down)
                << "a key pressed twice or released unpressed";
            (e.down ? PlayKeyDown : PlayKeyUp)(program.app(), e.key);
            e.down ? void(down.insert(e.key)) : void(down.erase(e.key));
        }
    };
    for (int from = 0; from <= 8; ++from)
        for (int to = 0; to <= 8; ++to) {
            p.heldDir = 0;
            std::set<int> down;
            play(route::KeysToHold(0, down, from, keys), down);
            ASSERT_EQ(p.heldDir, from);
            play(route::KeysToHold(from, down, to, keys), down);
            EXPECT_EQ(p.heldDir, to) << "from " << from;
        }
    // A room change clears player 2's direction while its key is still down.
    std::set<int> down{keys.right};
    p.heldDir = 0;
    play(route::KeysToHold(0, down, 2, keys), down);
    EXPECT_EQ(p.heldDir, 2);
}

// Two rooms: the key lies in a walled vault reached by a slide field (another slides back out),
// the way east is a shootable wall with an ant behind it, and in the east room a transport run
// crosses a band of death fields to the door of the walled finish.
class RouteTest : public ::testing::Test {
protected:
    RouteTest() {
        std::vector<test::Placed> west{{3, 4, "A46"},   {5, 4, "A47"},   {5, 10, "ZLO"},
                                       {10, 15, "ZFL"}, {11, 15, "A29"}, {26, 10, "A02"}};
        for (int c = 9; c <= 13; ++c)
            west.push_back({c, 14, "A32"}), west.push_back({c, 16, "A32"});
        west.push_back({9, 15, "A32"}), west.push_back({13, 15, "A32"});
        for (int r = 1; r <= 19; ++r) west.push_back({20, r, r == 10 || r == 11 ? "A36" : "A32"});
        std::vector<test::Placed> east{
            {6, 10, "B28"}, {7, 10, "B28"}, {14, 10, "A28"}, {15, 10, "A45"}};
        for (int r = 1; r <= 19; ++r)
            if (r != 10) east.push_back({6, r, "A30"}), east.push_back({7, r, "A30"});
        for (Square s : {Square{14, 9}, {15, 9}, {16, 9}, {16, 10}, {14, 11}, {15, 11}, {16, 11}})
            east.push_back({s.col, s.row, "A32"});
        test::LevelSpec spec;
        spec.roomsAcross = 2;
        spec.rooms = {test::MakeRoom("A00", west), test::MakeRoom("A00", east)};
        dir.WriteLevel(0, spec);
        dir.WriteLevel(1);
    }

    // Plays the route; the report of a failure lands in `report`.
    bool Play(const std::string& text, int players, std::string& script) {
        std::istringstream in(text);
        std::vector<std::string> errors;
        const route::Route r = route::ParseRoute(in, errors);
        EXPECT_TRUE(errors.empty());
        route::RouteSetup setup;
        setup.players = players;
        route::Router router(setup, report);
        const bool ok = router.Play(r);
        script = router.Script();
        return ok;
    }

    test::TempGameDir dir;
    test::ScopedCurrentPath here{dir.Path()};
    std::ostringstream report;
};

TEST_F(RouteTest, AShortRouteBecomesAScriptOfKeysThatFinishesTheLevel) {
    for (int players : {1, 2}) {
        std::string script;
        ASSERT_TRUE(Play("# Key, then out.\ngoto 11 15\nfinish\n", players, script))
            << report.str();
        std::string output;
        EXPECT_TRUE(route::ScriptFinishes(script, output)) << output;
        std::istringstream lines(script);
        std::string line;
        std::getline(lines, line);
        EXPECT_EQ(line, "# Level000: Key, then out.");
        while (std::getline(lines, line)) {
            const std::string verb = line.substr(0, line.find(' '));
            const bool allowed = verb == "#" || verb == "down" || verb == "up" || verb == "tick" ||
                                 verb == "dump" || verb == "players" || verb == "level" ||
                                 verb == "seed" || verb == "speed" || verb == "sound" ||
                                 verb == "start";
            EXPECT_TRUE(allowed) << line;
        }
        EXPECT_NE(script.find("players " + std::to_string(players) + "\n"), std::string::npos);
    }
}

TEST_F(RouteTest, AFailedRouteSaysWhereAndWhy) {
    std::string script;
    EXPECT_FALSE(Play("wait 8\nfinish\n", 1, script));
    EXPECT_NE(report.str().find("line 2 (finish): no way to the goal"), std::string::npos)
        << report.str();
    EXPECT_NE(report.str().find("room 1,1, player 1 at 3,4"), std::string::npos) << report.str();
    EXPECT_NE(script.find("# the route failed here: no way to the goal"), std::string::npos);
    std::string output;
    EXPECT_FALSE(route::ScriptFinishes(script, output));
}

}  // namespace
}  // namespace murk
