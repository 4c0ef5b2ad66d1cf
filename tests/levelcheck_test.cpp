// The level validator on small broken levels, one test per rule family, and on the shipped set.
#include "levelcheck/levelcheck.h"

#include <gtest/gtest.h>

#include <map>

#include "levelsource/levelfile.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// A level source of W x H rooms that passes every check of one level: edge wall round the level,
// solid wall between rooms with a two-square opening in the middle of each shared edge, players at
// 3 3 and 4 3 of room 1 1, a health kit at 6 6 of it, gold at 24 4 of every room, the finish at
// 28 17 of the last room. Tests change squares, then check.
struct Source {
    int across, down;
    std::string name = "Test.lvl";
    int p2Col = 4, p2Row = 3;
    std::map<std::pair<int, int>, std::vector<std::string>> rooms;
    std::string extra;                                  // more header lines, e.g. legends
    std::map<std::pair<int, int>, std::string> slides;  // slide lines under each room

    Source(int w, int h) : across(w), down(h) {
        for (int rr = 1; rr <= h; ++rr)
            for (int rc = 1; rc <= w; ++rc) {
                std::vector<std::string> rows(19, std::string(30, '.'));
                for (int i = 0; i < 30; ++i) {
                    const char shared = i == 14 || i == 15 ? '.' : '#';
                    rows[0][i] = rr == 1 ? 'X' : shared;
                    rows[18][i] = rr == h ? 'X' : shared;
                }
                for (int i = 0; i < 19; ++i) {
                    const char shared = i == 8 || i == 9 ? '.' : '#';
                    // Corners on the level's outer edge stay edge wall.
                    if (rc == 1 || rows[i][0] != 'X') rows[i][0] = rc == 1 ? 'X' : shared;
                    if (rc == w || rows[i][29] != 'X') rows[i][29] = rc == w ? 'X' : shared;
                }
                rows[3][23] = '$';
                rooms[{rc, rr}] = rows;
            }
        Set(1, 1, 3, 3, '1');
        Set(1, 1, 6, 6, '+');
        Set(1, 1, 4, 3, '2');
        Set(w, h, 28, 17, 'F');
    }
    void Set(int rc, int rr, int col, int row, char c) {
        rooms[{rc, rr}][static_cast<size_t>(row - 1)][static_cast<size_t>(col - 1)] = c;
    }
    void Line(int rc, int rr, int col, int row, int dc, int dr, int count, char c) {
        for (int i = 0; i < count; ++i) Set(rc, rr, col + i * dc, row + i * dr, c);
    }
    // A wall ring round (col, row), one square out.
    void Ring(int rc, int rr, int col, int row, char c) {
        for (int dc = -1; dc <= 1; ++dc)
            for (int dr = -1; dr <= 1; ++dr)
                if (dc || dr) Set(rc, rr, col + dc, row + dr, c);
    }
    void MovePlayer2(int col, int row) {
        Set(1, 1, p2Col, p2Row, '.');
        p2Col = col, p2Row = row;
        Set(1, 1, col, row, '2');
    }
    murk::LevelFile Level() const {
        std::string text = "title Test\nsize " + std::to_string(across) + " " +
                           std::to_string(down) + "\nstart 1 1\nplayer1 3 3\nplayer2 " +
                           std::to_string(p2Col) + " " + std::to_string(p2Row) + "\n" + extra;
        for (const auto& [at, rows] : rooms) {
            text += "room " + std::to_string(at.first) + " " + std::to_string(at.second) + "\n";
            for (const std::string& row : rows) text += row + "\n";
            if (slides.count(at)) text += slides.at(at);
        }
        murk::LevelFile level = murk::LevelFromSource(text, name);
        EXPECT_TRUE(level.Ok()) << level.errors[0];
        return level;
    }
    Lines Check(const murk::Lessons* lessons = nullptr) const {
        return murk::CheckLevel(Level(), lessons);
    }
};

std::string Joined(const Lines& lines) {
    std::string s;
    for (const std::string& l : lines) s += l + "\n";
    return s;
}

// True when one line holds every part.
bool Says(const Lines& lines, std::initializer_list<std::string> parts) {
    for (const std::string& line : lines) {
        bool all = true;
        for (const std::string& p : parts) all = all && line.find(p) != std::string::npos;
        if (all) return true;
    }
    return false;
}

#define EXPECT_SAYS(lines, ...) EXPECT_TRUE(Says(lines, {__VA_ARGS__})) << Joined(lines)

fs::path ShippedLevelFolder() {
    return fs::path(__FILE__).parent_path().parent_path() / "assets" / "levels";
}

TEST(LevelCheck, RoomsCodesStartAndFinish) {
    EXPECT_EQ(Joined(Source(2, 2).Check()), "");

    // Damage only a compiled file can carry: a short room, an unknown code, a stray player
    // tile, a long title, a start room outside the level.
    murk::LevelFile level = Source(2, 1).Level();
    const std::string whole = level.grid.Cell(2, 1);
    level.grid.SetCell(2, 1, whole.substr(3));
    EXPECT_SAYS(murk::CheckLevel(level), "Test.lvl: room 2 1: the room holds 1707 characters");
    level.grid.SetCell(2, 1, whole);
    std::string room = level.grid.Cell(1, 1);
    room.replace(3 * (4 * 30 + 4), 3, "Q12");  // column 5 row 5
    room.replace(3 * (6 * 30 + 6), 3, "A46");  // column 7 row 7
    level.grid.SetCell(1, 1, room);
    level.grid.SetCell(1, 0, std::string(41, 't'));
    Lines lines = murk::CheckLevel(level);
    EXPECT_SAYS(lines, "Test.lvl: room 1 1, column 5 row 5: unknown code 'Q12' is no tile");
    EXPECT_SAYS(lines, "room 1 1, column 7 row 7: player 1 '1' (A46) stands here");
    EXPECT_SAYS(lines, "Test.lvl: the title has 41 characters");
    level.header[9] = 3;
    EXPECT_SAYS(murk::CheckLevel(level), "the start room 3 1 lies outside the level");

    // Players far apart, a second finish; then no finish and more doors than keys.
    Source s(1, 1);
    s.MovePlayer2(8, 6);
    s.Set(1, 1, 20, 5, 'F');
    lines = s.Check();
    EXPECT_SAYS(lines, "room 1 1, column 8 row 6: player 2 starts 5 squares from player 1");
    EXPECT_SAYS(lines, "room 1 1, column 28 row 17: a second finish", "column 20 row 5");
    s.Set(1, 1, 20, 5, '.');
    s.Set(1, 1, 28, 17, 'D');
    lines = s.Check();
    EXPECT_SAYS(lines, "Test.lvl: the level has no finish");
    EXPECT_SAYS(lines, "1 doors but only 0 keys");
}

TEST(LevelCheck, SlideTargetsAndLaserProducers) {
    Source s(1, 1);
    s.extra = "legend N A20\nlegend W B18\nlegend Q A99\n";
    s.Set(1, 1, 10, 10, 'z');
    s.Set(1, 1, 12, 10, 'z');
    s.Set(1, 1, 5, 5, '#');
    s.Set(1, 1, 6, 2, 'N');    // faces the north edge
    s.Set(1, 1, 20, 10, 'Q');  // set 3 facing south-east, into the room: fine
    s.Set(1, 1, 1, 8, 'W');    // on the west edge, facing out
    s.slides[{1, 1}] = "slide 10 10 -> 5 5\nslide 12 10 -> 7 5\n";
    const Lines lines = s.Check();
    EXPECT_SAYS(lines,
                "room 1 1, column 10 row 10: the slide field's target column 5 row 5 holds "
                "solid wall '#'");
    EXPECT_FALSE(Says(lines, {"column 12 row 10"})) << Joined(lines);
    EXPECT_SAYS(lines,
                "column 6 row 2: laser producer, set 1, facing north (A20) faces the "
                "room's edge at column 6 row 1",
                "hole");
    EXPECT_SAYS(lines, "column 1 row 8: laser producer, set 4, facing west (B18) faces out");
    EXPECT_FALSE(Says(lines, {"column 20 row 10"})) << Joined(lines);

    // A compiled file may carry a target row the source cannot write.
    murk::LevelFile level = s.Level();
    std::string room = level.grid.Cell(1, 1);
    room.replace(3 * (9 * 30 + 9), 3, "ZGd");
    level.grid.SetCell(1, 1, room);
    EXPECT_SAYS(murk::CheckLevel(level),
                "column 10 row 10: the slide field's target column 7 "
                "row 30 is off the room");
}

TEST(LevelCheck, BorderSharedEdgesAndOpenings) {
    Source s(2, 2);
    s.Line(1, 1, 5, 1, 1, 0, 4, '.');  // a gap in the outer border
    s.Set(2, 1, 30, 5, '$');           // and gold in it
    s.Set(1, 1, 30, 9, '#');           // the east opening narrowed to one square
    s.Set(2, 1, 1, 9, '#');
    s.Set(1, 1, 12, 19, '.');  // an opening onto a wall of room 1 2
    s.Set(1, 2, 30, 15, 'A');  // a producer on a shared edge
    s.Set(2, 2, 15, 1, '$');   // gold on a shared edge
    s.Set(1, 1, 30, 19, '.');  // an open corner between four rooms
    const Lines lines = s.Check();
    EXPECT_SAYS(lines, "room 1 1, column 5 row 1: the north edge has no room beyond it",
                "columns 5 to 8");
    EXPECT_SAYS(lines, "room 2 1, column 30 row 5", "row 5 holds gold sack");
    EXPECT_SAYS(lines, "room 1 1, column 30 row 10: a one-square opening into room 2 1");
    EXPECT_SAYS(lines,
                "room 1 1, column 12 row 19: an opening onto solid wall '#' (A32) at "
                "column 12 row 1 of room 1 2");
    EXPECT_SAYS(lines, "room 1 2, column 30 row 15: the ant producer 'A' (A01) on the east edge",
                "breeds into room 2 2");
    EXPECT_SAYS(lines, "room 2 2, column 15 row 1: the north edge holds gold sack");
    EXPECT_SAYS(lines, "room 1 1, column 30 row 19: the room's corner holds floor");
    EXPECT_SAYS(lines, "room 2 1, column 15 row 19: an opening onto gold sack");
    EXPECT_SAYS(lines, "room 2 1, column 16 row 19: a one-square opening into room 2 2");
    EXPECT_EQ(lines.size(), 9u) << Joined(lines);
}

TEST(LevelCheck, FinishReachedWithKeysShotsTransportAndSlides) {
    // Walled in by lasting walls: unreachable; behind shootable and chain walls, creatures
    // and producers: reachable.
    Source s(1, 1);
    s.Ring(1, 1, 28, 17, '#');
    EXPECT_SAYS(s.Check(), "room 1 1, column 28 row 17: the finish cannot be reached",
                "lasting walls");
    s.Ring(1, 1, 28, 17, '%');
    s.Line(1, 1, 20, 2, 0, 1, 17, '=');
    s.Line(1, 1, 21, 2, 0, 1, 17, 'C');
    EXPECT_EQ(Joined(s.Check()), "");

    // A door with its only key behind it; then a key before it.
    s.Ring(1, 1, 28, 17, '#');
    s.Set(1, 1, 27, 16, 'D');
    s.Set(1, 1, 28, 18, 'k');
    EXPECT_SAYS(s.Check(), "the finish cannot be reached",
                "door with no key left for it, first at column 27 row 16 of room 1 1");
    s.Set(1, 1, 28, 18, '.');
    s.Set(1, 1, 15, 5, 'k');
    EXPECT_EQ(Joined(s.Check()), "");

    // A closet door that would waste the only key: the way is still found.
    s.Line(1, 1, 19, 17, 1, 0, 4, '#');
    s.Set(1, 1, 20, 18, 'D');
    s.Set(1, 1, 22, 18, '#');
    const Lines decoy = s.Check();
    EXPECT_SAYS(decoy, "2 doors but only 1 keys");
    EXPECT_FALSE(Says(decoy, {"cannot be reached"})) << Joined(decoy);

    // Across a death-field moat only a transport run or a slide carries the player; a run
    // that ends on a wall does not.
    Source t(2, 1);
    t.Line(2, 1, 10, 2, 0, 1, 17, '!');
    t.Line(2, 1, 11, 2, 0, 1, 17, '!');
    t.Set(2, 1, 10, 5, '>');
    t.Set(2, 1, 11, 5, '>');
    EXPECT_EQ(Joined(t.Check()), "");
    t.Set(2, 1, 12, 5, '#');
    EXPECT_SAYS(t.Check(), "room 2 1, column 28 row 17: the finish cannot be reached");
    t.Line(2, 1, 10, 5, 1, 0, 3, '!');
    t.Set(2, 1, 9, 5, 'z');
    t.slides[{2, 1}] = "slide 9 5 -> 20 5\n";
    EXPECT_EQ(Joined(t.Check()), "");

    // Player 2 shut away from player 1.
    Source u(1, 1);
    u.MovePlayer2(5, 5);
    u.Ring(1, 1, 5, 5, '#');
    EXPECT_SAYS(u.Check(), "room 1 1, column 5 row 5: player 2's start square is walled off");
}

TEST(LevelCheck, SafeArrivals) {
    Source s(2, 1);
    s.Set(1, 1, 3, 6, 'a');   // three squares from both start squares
    s.Set(2, 1, 4, 9, 'A');   // three squares from where players come in from room 1 1
    s.Set(1, 1, 25, 9, 'v');  // five squares from where they come back: far enough
    const Lines lines = s.Check();
    EXPECT_SAYS(lines,
                "Test.lvl: room 1 1, column 3 row 6: an ant 'a' (A02) stands 3 squares from "
                "player 1's start square at column 3 row 3");
    EXPECT_SAYS(lines,
                "room 2 1, column 4 row 9: an ant producer 'A' (A01) stands 3 squares from column "
                "1 row 9, where players arrive from room 1 1");
    EXPECT_EQ(lines.size(), 2u) << Joined(lines);
}

TEST(LevelCheck, HealthKitsAndBombsBeforeTheNeed) {
    // A devil in the room after the start, the only kit beyond it; then a kit in the start room.
    Source s(2, 1);
    s.Set(1, 1, 6, 6, '.');
    s.Set(2, 1, 20, 5, 'v');
    s.Set(2, 1, 25, 5, '+');
    EXPECT_SAYS(s.Check(),
                "room 2 1, column 20 row 5: the way to the finish meets a devil 'v' (A04) in "
                "this room, and no health kit lies within reach of the start before it");
    // Levels before the one that teaches health kits are not asked for one.
    murk::Lessons lessons;
    ASSERT_TRUE(murk::FindLessons(ShippedLevelFolder().string(), &lessons));
    s.name = "Level002.lvl";
    EXPECT_EQ(Joined(s.Check(&lessons)), "");
    s.name = "Level003.lvl";
    EXPECT_SAYS(s.Check(&lessons), "meets a devil");
    s.Set(1, 1, 20, 12, '+');
    EXPECT_EQ(Joined(s.Check(&lessons)), "");

    // The finish behind a fire-dart producer, the only bomb in a closet behind another one.
    Source t(1, 1);
    t.Ring(1, 1, 28, 17, '#');
    t.Set(1, 1, 27, 16, '^');
    t.Ring(1, 1, 12, 12, '#');
    t.Set(1, 1, 12, 12, 'b');
    t.Set(1, 1, 11, 11, '^');
    EXPECT_SAYS(t.Check(), "the finish cannot be reached",
                "fire-dart producer with no bomb picked up before it");
    t.Set(1, 1, 15, 5, 'b');
    EXPECT_EQ(Joined(t.Check()), "");
}

TEST(LevelCheck, TeachingOrderAndFirstAppearances) {
    const murk::Lessons bad = murk::LessonsFromText(
        "# comment\n0 | walk | floor; gold sack; gold sack; helth kit\n1 | keys | burning chain "
        "wall\n2 | guns\n",
        "lessons.txt");
    EXPECT_SAYS(bad.problems, "lessons.txt: line 2: 'gold sack' is listed twice, first on line 2");
    EXPECT_SAYS(bad.problems, "line 2: 'helth kit' is no tile of the tile table");
    EXPECT_SAYS(bad.problems, "line 3: 'burning chain wall' is made by the game");
    EXPECT_SAYS(bad.problems, "line 4: write LEVEL | IDEA | TILE; TILE;");
    EXPECT_SAYS(bad.problems, "lessons.txt: no level teaches 'horse'");

    // The shipped order lists every placed tile once. A kit in level 2, none in level 3 (which
    // teaches them), one in level 4.
    murk::Lessons lessons;
    ASSERT_TRUE(murk::FindLessons(ShippedLevelFolder().string(), &lessons));
    EXPECT_EQ(Joined(lessons.problems), "");
    std::vector<murk::LevelFile> levels;
    for (const char* name : {"Level002.lvl", "Level003.lvl", "Level004.lvl"}) {
        Source s(1, 1);
        s.name = name;
        if (s.name == "Level003.lvl") s.Set(1, 1, 6, 6, '.');
        levels.push_back(s.Level());
    }
    const Lines lines = murk::CheckFirstAppearances(levels, lessons);
    EXPECT_SAYS(lines,
                "Level002.lvl: room 1 1, column 6 row 6: a health kit '+' (A38) before level 3, "
                "which teaches it");
    EXPECT_SAYS(lines, "Level003.lvl: the level teaches health kit (health kits) but holds none");
    EXPECT_FALSE(Says(lines, {"Level004.lvl: room"})) << Joined(lines);
}

TEST(LevelCheck, AlikeAndPurposelessRooms) {
    // Walls across the west of a room; the same room again, the room mirrored, and walls down.
    auto level = [](const char* name, int firstCol, bool across) {
        Source s(1, 1);
        s.name = name;
        for (int i = 0; i < 3; ++i)
            if (across)
                s.Line(1, 1, firstCol, 5 + 4 * i, 1, 0, 19, '#');
            else
                s.Line(1, 1, 8 + 6 * i, 5, 0, 1, 12, '#');
        return s.Level();
    };
    const Lines lines =
        murk::CheckLikeness({level("Level000.lvl", 2, true), level("Level001.lvl", 2, true),
                             level("Level002.lvl", 11, true), level("Level003.lvl", 0, false)});
    EXPECT_SAYS(lines,
                "Level001.lvl: room 1 1: reads as room 1 1 of Level000.lvl: every square inside "
                "the edges is the same");
    EXPECT_SAYS(lines,
                "Level002.lvl: room 1 1: reads as room 1 1 of Level000.lvl mirrored east "
                "to west: only ",
                "one more room before it is alike too");
    EXPECT_EQ(lines.size(), 2u) << Joined(lines);

    // Bare rooms of a 3 x 1 level are the way on; in a 2 x 2 level one is not.
    Source s(3, 1);
    s.Set(2, 1, 24, 4, '.');
    EXPECT_EQ(Joined(s.Check()), "");
    Source t(2, 2);
    t.Set(1, 2, 24, 4, '.');
    EXPECT_SAYS(t.Check(), "Test.lvl: room 1 2: nothing to enter the room for");
}

TEST(LevelCheck, FolderNumberingAndCoverage) {
    murk::test::TempGameDir dir;
    const fs::path sources = dir.Path() / "src";
    fs::create_directories(sources);
    const std::string text = murk::test::ReadFileText(
        fs::path(__FILE__).parent_path().parent_path() / "assets/levels/Level000.lvl");
    for (const char* name :
         {"Level000.lvl", "Level001.lvl", "Level003.lvl", "notes.txt", "lessons.txt"})
        dir.WriteFile("src/" + std::string(name), text);
    std::vector<murk::LevelFile> levels;
    const Lines lines = murk::CheckLevelFolder(sources.string(), &levels);
    EXPECT_EQ(levels.size(), 3u);
    EXPECT_SAYS(lines, "notes.txt: not a level");
    EXPECT_SAYS(lines, "Level002.lvl is missing", "Level003.lvl and those after it are never");
    ASSERT_EQ(levels.size(), 3u);
    EXPECT_SAYS(
        lines, "Level001.lvl: the title '" + levels[0].grid.Cell(1, 0) + "' is Level000.lvl's too");
    EXPECT_EQ(lines.size(), 4u) << Joined(lines);

    Source s(1, 1);
    s.extra = "legend N B12\nlegend n B13\n";
    s.Set(1, 1, 10, 10, 'N');
    s.Set(1, 1, 12, 10, 'n');
    const Lines missing = murk::CheckCoverage({s.Level()});
    EXPECT_SAYS(missing, "the level set has no laser producer, set 4, facing east (B14)");
    EXPECT_SAYS(missing, "no pig producer, stage 3 (A14)");
    EXPECT_SAYS(missing, "no slide field");
    EXPECT_FALSE(Says(missing, {"B12"})) << Joined(missing);
    EXPECT_FALSE(Says(missing, {"B13"})) << Joined(missing);  // diagonals are not asked for
    EXPECT_FALSE(Says(missing, {"edge wall"})) << Joined(missing);
    EXPECT_EQ(missing.size(), 54u - 5u) << Joined(missing);
}

// The levels the folder holds pass every check, one by one and as a set.
TEST(ShippedLevels, PassTheLevelCheck) {
    murk::Lessons lessons;
    ASSERT_TRUE(murk::FindLessons(ShippedLevelFolder().string(), &lessons));
    std::vector<murk::LevelFile> levels;
    Lines lines = murk::CheckLevelFolder(ShippedLevelFolder().string(), &levels, &lessons);
    for (std::string& line : murk::CheckSet(levels, &lessons)) lines.push_back(std::move(line));
    EXPECT_EQ(Joined(lines), "");
    EXPECT_GE(levels.size(), 3u);
}

// Every tile a level may hold is met somewhere in the full set of levels.
TEST(ShippedLevels, CoverEveryTile) {
    std::vector<murk::LevelFile> levels;
    murk::CheckLevelFolder(ShippedLevelFolder().string(), &levels);
    if (levels.size() < 24) GTEST_SKIP() << "the set has " << levels.size() << " of 24 levels";
    EXPECT_EQ(Joined(murk::CheckCoverage(levels)), "");
}

}  // namespace
