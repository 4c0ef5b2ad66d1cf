// Level source compiler: what it builds, the grid file it makes, and the mistakes it reports.
#include "levelsource/levelsource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "base/gridfile.h"
#include "test_support.h"

namespace {

using murk::CompileLevelSource;
using murk::GridHeader;
using murk::LevelSourceResult;
using murk::StringGrid;

// A two-room level (2 across, 1 down) whose parts a test can change before joining them.
struct Source {
    std::string head =
        "; a test level\n"
        "title Test Run\n"
        "size 2 1\n"
        "start 1 1\n"
        "player1 2 2\n"
        "player2 3 2\n";
    std::vector<std::string> rooms[2] = {Blank(), Blank()};
    std::string after[2];  // lines after each room (slide targets)

    Source() {
        rooms[0][1][1] = '1';
        rooms[0][1][2] = '2';
    }

    static std::vector<std::string> Blank() {
        return std::vector<std::string>(19, std::string(30, '.'));
    }

    std::string Text() const {
        std::string text = head;
        for (int i = 0; i < 2; ++i) {
            text += "room " + std::to_string(i + 1) + " 1\n";
            for (const std::string& row : rooms[i]) text += row + "\n";
            text += after[i];
        }
        return text;
    }
};

// A room row of floor with `ch` at 0-based position `at`.
std::string Row(size_t at, char ch) {
    std::string row(30, '.');
    row[at] = ch;
    return row;
}

// 1-based number of the first line of `text` that contains `needle`.
int LineOf(const std::string& text, const std::string& needle) {
    std::istringstream in(text);
    int n = 1;
    for (std::string line; std::getline(in, line); ++n)
        if (line.find(needle) != std::string::npos) return n;
    return 0;
}

std::string CodeAt(const StringGrid& grid, int roomCol, int col, int row) {
    return grid.Cell(roomCol, 1).substr(static_cast<size_t>(((row - 1) * 30 + col - 1) * 3), 3);
}

TEST(LevelSource, BuildsTheGridAndHeaderAndSurvivesAGridFileRoundTrip) {
    Source s;
    s.head +=
        "legend $ A38   ; health kits drawn as dollars in this level\n"
        "legend L A22\n"
        "legend w slide\n";
    s.rooms[0][0][0] = '$';
    s.rooms[0][18][29] = 'L';
    s.rooms[1][4][6] = 'z';  // the built-in slide character
    s.rooms[1][5][6] = 'w';  // a slide character from the legend
    s.after[1] = "slide 7 5 -> 5 3\nslide 7 6 -> 30 19\n";
    const LevelSourceResult level = CompileLevelSource(s.Text(), "test.lvl");
    ASSERT_TRUE(level.Ok()) << level.errors[0];

    const StringGrid& g = level.grid;
    ASSERT_EQ(g.ColCount(), 3);
    ASSERT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.Cell(1, 0), "Test Run");
    EXPECT_EQ(g.Cell(0, 0), "");
    EXPECT_EQ(g.Cell(2, 0), "");
    EXPECT_EQ(g.Cell(0, 1), "");
    EXPECT_EQ(g.Cell(1, 1).size(), 1710u);
    EXPECT_EQ(g.Cell(2, 1).size(), 1710u);
    EXPECT_EQ(CodeAt(g, 1, 1, 1), "A38");
    EXPECT_EQ(CodeAt(g, 1, 2, 2), "A46");
    EXPECT_EQ(CodeAt(g, 1, 3, 2), "A47");
    EXPECT_EQ(CodeAt(g, 1, 30, 19), "A22");
    EXPECT_EQ(CodeAt(g, 1, 4, 4), "A00");
    EXPECT_EQ(CodeAt(g, 2, 7, 5), "ZEC");  // column 5 is E, row 3 is C
    EXPECT_EQ(CodeAt(g, 2, 7, 6), "ZdS");  // column 30 is any letter past c, row 19 is S
    const GridHeader expected{2, 2, 3, 2, 0, 0, 0, 0, 0, 1, 1, 0};
    EXPECT_EQ(level.header, expected);

    const murk::test::TempGameDir dir;
    const std::string path = dir.Dir() + "Level000.dat";
    ASSERT_EQ(murk::WriteGridFile(path, level.grid, level.header), murk::GridWriteResult::Written);
    StringGrid back;
    GridHeader header{};
    ASSERT_EQ(murk::ReadGridFile(path, back, header), murk::GridReadResult::Read);
    EXPECT_EQ(header, level.header);
    ASSERT_EQ(back.ColCount(), g.ColCount());
    ASSERT_EQ(back.RowCount(), g.RowCount());
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.ColCount(); ++c) EXPECT_EQ(back.Cell(c, r), g.Cell(c, r));
}

TEST(LevelSource, AcceptsWindowsLineEndsCommentsAndIndentedRows) {
    Source s;
    s.rooms[1][3] = "   " + s.rooms[1][3];
    std::string text = s.Text();
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    crlf.insert(crlf.find("room 2 1"), "; a comment line between rooms\r\n");
    const LevelSourceResult level = CompileLevelSource(crlf, "crlf.lvl");
    ASSERT_TRUE(level.Ok()) << level.errors[0];
    EXPECT_EQ(level.grid.Cell(1, 1), CompileLevelSource(Source().Text(), "x").grid.Cell(1, 1));
}

struct Mistake {
    const char* what;
    void (*change)(Source&);
    const char* lineHolding;  // the error names the line holding this text
    const char* message;
};

const Mistake kMistakes[] = {
    {"short row", [](Source& s) { s.rooms[0][4] = std::string(28, '.') + "$"; }, "$",
     "row 5 has 29 characters"},
    {"unknown character", [](Source& s) { s.rooms[1][2] = Row(2, 'Q'); }, "Q",
     "unknown character 'Q' at column 3 row 3 of room 2 1"},
    {"room outside the grid",
     [](Source& s) { s.head.replace(s.head.find("size 2 1"), 8, "size 1 1"); }, "room 2 1",
     "room 2 1 lies outside the level"},
    {"missing room", [](Source& s) { s.head.replace(s.head.find("size 2 1"), 8, "size 2 2"); },
     nullptr, "room 1 2 is missing"},
    {"slide target off the room",
     [](Source& s) {
         s.rooms[1][0][0] = 'z';
         s.after[1] = "slide 1 1 -> 31 2\n";
     },
     "slide 1 1", "bad slide target column 31 row 2"},
    {"slide field without target", [](Source& s) { s.rooms[1][6] = Row(6, 'z'); }, "......z",
     "slide field at column 7 row 7 of room 2 1 has no target"},
    {"slide line on no slide field", [](Source& s) { s.after[0] = "slide 4 4 -> 5 5\n"; },
     "slide 4 4", "no slide field at column 4 row 4 of room 1 1"},
    {"start square without player tile", [](Source& s) { s.rooms[0][1][1] = '.'; }, "player1",
     "player 1's start square column 2 row 2 in room 1 1 must hold"},
    {"player tile away from start", [](Source& s) { s.rooms[1][9] = Row(0, '2'); },
     "2.............................",
     "player 2 tile A47 at column 1 row 10 of room 2 1 is not its start square"},
    {"room one row short", [](Source& s) { s.rooms[0].pop_back(); }, "room 1 1",
     "room 1 1 has 18 rows"},
    {"room drawn twice",
     [](Source& s) {
         s.after[1] = "room 1 1\n";
         for (const std::string& row : Source::Blank()) s.after[1] += row + "\n";
     },
     nullptr, "room 1 1 is drawn twice"},
    {"unknown tile code", [](Source& s) { s.head += "legend Q B31\n"; }, "legend Q",
     "unknown tile code 'B31'"},
    {"bad legend character", [](Source& s) { s.head += "legend ab A00\n"; }, "legend ab",
     "a legend line is"},
    {"unknown line", [](Source& s) { s.head += "start_room 1 1\n"; }, "start_room",
     "unknown line 'start_room'"},
    {"missing title", [](Source& s) { s.head.erase(s.head.find("title"), 15); }, nullptr,
     "no 'title' line"},
    {"start room outside",
     [](Source& s) { s.head.replace(s.head.find("start 1 1"), 9, "start 3 1"); }, "start 3 1",
     "start room 3 1 lies outside the level"},
    {"both players on one square",
     [](Source& s) { s.head.replace(s.head.find("player2 3 2"), 11, "player2 2 2"); }, "player2",
     "both players start on the same square"},
    {"bad numbers",
     [](Source& s) { s.head.replace(s.head.find("player1 2 2"), 11, "player1 2 x"); }, "player1",
     "'player1' takes two whole numbers"},
};

TEST(LevelSource, ReportsEachMistakeWithItsLine) {
    for (const Mistake& m : kMistakes) {
        SCOPED_TRACE(m.what);
        Source s;
        m.change(s);
        const std::string text = s.Text();
        const LevelSourceResult level = CompileLevelSource(text, "bad.lvl");
        ASSERT_FALSE(level.Ok());
        const int line = m.lineHolding ? LineOf(text, m.lineHolding) : -1;
        bool found = false;
        for (const std::string& e : level.errors) {
            if (e.find(m.message) == std::string::npos) continue;
            found = true;
            if (line > 0) {
                EXPECT_EQ(e.substr(0, e.find(": ")), "bad.lvl:" + std::to_string(line));
            }
        }
        EXPECT_TRUE(found) << "first error: " << level.errors[0];
    }
}

TEST(LevelSource, ListsSeveralMistakesInLineOrder) {
    Source s;
    s.rooms[1][2][5] = 'Q';
    s.rooms[0][3][5] = 'Q';
    s.head += "bogus\n";
    const LevelSourceResult level = CompileLevelSource(s.Text(), "many.lvl");
    ASSERT_EQ(level.errors.size(), 3u);
    EXPECT_NE(level.errors[0].find("unknown line 'bogus'"), std::string::npos);
    EXPECT_NE(level.errors[1].find("room 1 1"), std::string::npos);
    EXPECT_NE(level.errors[2].find("room 2 1"), std::string::npos);
}

TEST(LevelSource, UnreadableFileIsReported) {
    const LevelSourceResult level = murk::CompileLevelFile("/nonexistent/Level000.lvl");
    ASSERT_EQ(level.errors.size(), 1u);
    EXPECT_EQ(level.errors[0], "/nonexistent/Level000.lvl: cannot be read");
}

}  // namespace
