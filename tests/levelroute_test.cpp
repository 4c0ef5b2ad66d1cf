// The route tool: route files, the key presses it plans against the game's own key handling,
// and whole routes played to the finish and replayed as murk-sim scripts.
#include <gtest/gtest.h>

#include <sstream>

#include "game/state.h"
#include "heldkeys.h"
#include "level/room.h"
#include "pathfind.h"
#include "routefile.h"
#include "router.h"
#include "shell/playscreen.h"
#include "test_support.h"

namespace murk {
namespace {

using route::KeyEvent;
using route::LevelMap;
using route::Spot;

// A level of two rooms side by side, the west one the current room.
Game TwoRooms(const std::vector<test::Placed>& west, const std::vector<test::Placed>& east) {
    Game g;
    g.LevelGrid.Resize(3, 2);
    g.LevelGrid.SetCell(1, 1, test::MakeRoom("A00", west));
    g.LevelGrid.SetCell(2, 1, test::MakeRoom("A00", east));
    g.CurrentRoomCol = g.CurrentRoomRow = 1;
    std::string error;
    EXPECT_TRUE(UnpackRoomString(g.LevelGrid.Cell(1, 1), g.RoomGrid, error)) << error;
    return g;
}

// The planner moves players the way the game does: transport runs and slide fields carry them
// on (or nowhere), doors want keys, rooms are left straight, bullets clear what they can.
TEST(FindPath, FollowsFieldsDoorsEdgesAndShotsAsTheGameMovesPlayers) {
    std::vector<test::Placed> west{{5, 10, "B28"}, {6, 10, "B28"}, {8, 4, "ZLO"}, {20, 2, "A28"},
                                   {28, 5, "B28"}, {29, 5, "B28"}, {30, 5, "B28"}};
    for (int r = 1; r <= 19; ++r)
        if (r != 10) west.push_back({5, r, "A30"}), west.push_back({6, r, "A30"});
    for (int c = 19; c <= 21; ++c) west.push_back({c, 1, "A32"}), west.push_back({c, 3, "A32"});
    west.push_back({19, 2, "A32"});
    std::vector<test::Placed> wall;
    for (int r = 1; r <= 19; ++r) wall.push_back({2, r, r == 9 ? "A36" : "A32"});
    const Game g = TwoRooms(west, wall);
    const LevelMap map(g);
    auto way = [&](Spot from, Spot to, int keys = 0) {
        return route::FindPath(map, from, {to}, keys);
    };

    // Over the death-field band only by the transport run, landing just past it.
    const route::PathResult over = way({3, 10}, {9, 10});
    ASSERT_TRUE(over.found);
    EXPECT_EQ(over.moves[1].to, (Spot{7, 10}));
    // A run that reaches the room's edge carries nobody into the next room: around it instead.
    const route::PathResult edge = way({27, 5}, {31, 5});
    ASSERT_TRUE(edge.found);
    EXPECT_NE(edge.moves.front().dir, 3);
    // The slide at (8, 4) sends a player to (12, 15).
    const route::PathResult slide = way({7, 4}, {12, 15});
    ASSERT_TRUE(slide.found);
    EXPECT_EQ(slide.moves.size(), 1u);
    // The walled square behind the door: only with a key.
    EXPECT_FALSE(way({20, 5}, {20, 2}).found);
    EXPECT_TRUE(way({20, 5}, {20, 2}, 1).found);
    // Into the east room only straight over the edge; its shootable wall is shot, not walked.
    const route::PathResult east = way({28, 12}, {34, 9});
    ASSERT_TRUE(east.found);
    bool shot = false;
    for (size_t i = 0; i < east.moves.size(); ++i) {
        const Spot from = i ? east.moves[i - 1].to : Spot{28, 12};
        if (!LevelMap::SameRoom(from, east.moves[i].to)) {
            EXPECT_EQ(east.moves[i].dir % 2, 1);
        }
        shot = shot || (east.moves[i].shoot && east.moves[i].to == Spot{32, 9});
    }
    EXPECT_TRUE(shot);
}

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
        dir.WriteLevel(1);
        WriteFieldsLevel();
    }

    void WriteFieldsLevel() {
        std::vector<test::Placed> west{{3, 4, "A46"},   {5, 4, "A47"},   {5, 10, "ZLO"},
                                       {10, 15, "ZFL"}, {11, 15, "A29"}, {26, 10, "A02"}};
        for (int c = 9; c <= 13; ++c)
            west.push_back({c, 14, "A32"}), west.push_back({c, 16, "A32"});
        west.push_back({9, 15, "A32"}), west.push_back({13, 15, "A32"});
        for (int c = 24; c <= 26; ++c)  // a walled-in square at (25, 17)
            west.push_back({c, 16, "A32"}), west.push_back({c, 18, "A32"});
        west.push_back({24, 17, "A32"}), west.push_back({26, 17, "A32"});
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
    }

    // One room: the start in the west, the finish in the east, `squares` between.
    void WriteRoom(std::vector<test::Placed> squares, int p2Row = 4) {
        squares.push_back({3, 4, "A46"});
        squares.push_back({3, p2Row, "A47"});
        squares.push_back({28, 10, "A45"});
        test::LevelSpec spec;
        spec.p1Col = spec.p2Col = 3;
        spec.p2Row = p2Row;
        spec.rooms = {test::MakeRoom("A00", squares)};
        dir.WriteLevel(0, spec);
    }

    const std::string& Dump(const std::string& script) {
        route::ScriptFinishes(script, output);
        return output;
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
    std::string output;
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
    EXPECT_FALSE(Play("wait 8\ngoto 25 17\n", 1, script));
    EXPECT_NE(report.str().find("line 2 (goto 25 17): no way to the goal"), std::string::npos)
        << report.str();
    EXPECT_NE(report.str().find("room 1,1, player 1 at "), std::string::npos) << report.str();
    EXPECT_NE(report.str().find("  ........#####......#...###....\n"), std::string::npos)
        << report.str();
    EXPECT_NE(script.find("# the route failed here: no way to the goal"), std::string::npos);
    std::string output;
    EXPECT_FALSE(route::ScriptFinishes(script, output));
}

// The only way east is a corridor under eight laser producers of all four sets, each flashing
// onto it in turn: the look-ahead times every step.
TEST_F(RouteTest, LaserFlashesAreWaitedOutNotWalkedInto) {
    std::vector<test::Placed> squares;
    const char* producers[] = {"A24", "A84", "B00", "B16"};
    for (int r = 1; r <= 19; ++r)
        if (r != 9) squares.push_back({12, r, "A32"}), squares.push_back({19, r, "A32"});
    for (int c = 12; c <= 19; ++c) {
        squares.push_back({c, 8, producers[c % 4]});
        if (c > 12 && c < 19) squares.push_back({c, 10, "A32"});
    }
    WriteRoom(squares);
    for (int wait : {0, 20, 40}) {
        std::string script;
        ASSERT_TRUE(Play("wait " + std::to_string(wait) + "\nfinish\n", 1, script)) << report.str();
        EXPECT_NE(Dump(script).find(" life=90 "), std::string::npos) << output;
    }
}

// A fire-dart producer plugs the only way: a bomb steered into it clears it from afar.
TEST_F(RouteTest, ABombClearsWhatBulletsCannot) {
    std::vector<test::Placed> squares{{5, 12, "A41"}};
    for (int r = 1; r <= 19; ++r) squares.push_back({15, r, r == 10 ? "A19" : "A32"});
    WriteRoom(squares);
    std::string script;
    EXPECT_FALSE(Play("finish\n", 1, script));
    report.str("");
    ASSERT_TRUE(Play("goto 5 12\ngoto 10 10\nbomb E 3\nfinish\n", 1, script)) << report.str();
}

// Both players leave a room side by side; a one-square opening keeps the second one back.
TEST_F(RouteTest, TwoPlayersNeedTwoSquareOpenings) {
    std::vector<test::Placed> west, east{{12, 10, "A45"}};
    for (int r = 1; r <= 19; ++r) west.push_back({30, r, r == 10 ? "A00" : "A32"});
    for (int r = 1; r <= 19; ++r) east.push_back({1, r, r == 10 ? "A00" : "A32"});
    west.push_back({3, 4, "A46"}), west.push_back({5, 4, "A47"});
    test::LevelSpec spec;
    spec.roomsAcross = 2;
    spec.rooms = {test::MakeRoom("A00", west), test::MakeRoom("A00", east)};
    dir.WriteLevel(0, spec);
    std::string script;
    ASSERT_TRUE(Play("finish\n", 1, script)) << report.str();
    EXPECT_FALSE(Play("finish\n", 2, script));
    EXPECT_NE(report.str().find("finds no way onto the edge line"), std::string::npos)
        << report.str();
}

}  // namespace
}  // namespace murk
