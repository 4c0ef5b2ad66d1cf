// The shipped levels: each compiles, reads back, and is a playable, well-formed level.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "level/gridfile.h"
#include "level/tiles.h"
#include "levelc/levelsource.h"

namespace {

namespace fs = std::filesystem;
using murk::GridHeader;
using murk::StringGrid;

constexpr int kCols = 30, kRows = 19;

fs::path LevelSourceDir() {
    return fs::path(__FILE__).parent_path().parent_path() / "assets" / "levels";
}

// Level sources by number; a file whose name is not LevelNNN.lvl is a mistake of its own.
std::vector<fs::path> LevelSources() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(LevelSourceDir()))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

struct Level {
    std::string name;
    StringGrid grid;
    GridHeader header{};

    int RoomsAcross() const { return grid.ColCount() - 1; }
    int RoomsDown() const { return grid.RowCount() - 1; }
    bool HasRoom(int c, int r) const {
        return c >= 1 && r >= 1 && c <= RoomsAcross() && r <= RoomsDown();
    }
    std::string At(int roomCol, int roomRow, int col, int row) const {
        return grid.Cell(roomCol, roomRow)
            .substr(static_cast<size_t>(((row - 1) * kCols + col - 1) * 3), 3);
    }
};

// Compiles every shipped source and reads it back through a level file, as the game will.
std::vector<Level> ShippedLevels() {
    std::vector<Level> levels;
    for (const fs::path& source : LevelSources()) {
        const murk::LevelSourceResult compiled = murk::CompileLevelFile(source.string());
        EXPECT_TRUE(compiled.Ok()) << compiled.errors[0];
        if (!compiled.Ok()) continue;
        const std::string dat = (fs::temp_directory_path() / "murk_levels_test.dat").string();
        Level level{source.filename().string(), {}, {}};
        EXPECT_TRUE(murk::WriteGridFile(dat, compiled.grid, compiled.header));
        EXPECT_EQ(murk::ReadGridFile(dat, level.grid, level.header), murk::GridReadResult::Read);
        std::remove(dat.c_str());
        levels.push_back(level);
    }
    return levels;
}

// Codes that keep a player out for good: walls no shot or blast removes, hazards and the
// laser and fire-dart producers, the heart and the pig producers that grow beyond eating.
bool BlocksForGood(const std::string& code) {
    static const std::set<std::string> kBlocking = {"A32", "A39", "A35", "A40", "A30", "A19",
                                                    "A42", "A12", "A13", "A14", "A15", "A16"};
    if (kBlocking.count(code)) return true;
    const int i = murk::TileIndex(code);
    const bool laserProducer = (i >= 20 && i <= 27) || (i >= 80 && i <= 87) ||
                               (i >= 96 && i <= 103) || (i >= 112 && i <= 119);
    return laserProducer;
}

// Edge squares on a shared edge are either an opening (floor on both sides) or closed (a wall
// for good on both sides), so walking off an edge lands on floor.
bool ClosedEdge(const std::string& code) {
    return code == "A32" || code == "A39" || code == "A35" || code == "A40";
}

int SlideNumber(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A' + 1;
    if (c >= 'a' && c <= 'c') return c - 'a' + 27;
    return 30;
}

TEST(ShippedLevels, AreNumberedFromZeroWithoutGaps) {
    const std::vector<fs::path> files = LevelSources();
    ASSERT_GE(files.size(), 3u);
    for (size_t n = 0; n < files.size(); ++n) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "Level%03zu.lvl", n);
        EXPECT_EQ(files[n].filename().string(), expected);
    }
}

TEST(ShippedLevels, HoldWellFormedRoomsAndStartData) {
    for (const Level& level : ShippedLevels()) {
        SCOPED_TRACE(level.name);
        ASSERT_GE(level.grid.ColCount(), 2);
        ASSERT_GE(level.grid.RowCount(), 2);
        EXPECT_FALSE(level.grid.Cell(1, 0).empty()) << "title";
        for (int c = 0; c < level.grid.ColCount(); ++c)
            EXPECT_EQ(level.grid.Cell(c, 0) == "", c != 1) << c;
        for (int r = 1; r < level.grid.RowCount(); ++r) EXPECT_EQ(level.grid.Cell(0, r), "");
        int finishes = 0, keys = 0, doors = 0;
        for (int rr = 1; rr <= level.RoomsDown(); ++rr)
            for (int rc = 1; rc <= level.RoomsAcross(); ++rc) {
                ASSERT_EQ(level.grid.Cell(rc, rr).size(), 1710u);
                for (int row = 1; row <= kRows; ++row)
                    for (int col = 1; col <= kCols; ++col) {
                        const std::string code = level.At(rc, rr, col, row);
                        EXPECT_GE(murk::TileIndex(code), 0) << code;
                        if (code[0] == 'Z') {
                            EXPECT_LE(SlideNumber(code[2]), kRows) << code;
                        }
                        finishes += code == "A45";
                        keys += code == "A29";
                        doors += code == "A28";
                    }
            }
        EXPECT_EQ(finishes, 1);
        EXPECT_GE(keys, doors) << "a door no key can open";
        const GridHeader& h = level.header;
        ASSERT_TRUE(level.HasRoom(h[9], h[10]));
        EXPECT_EQ(level.At(h[9], h[10], h[0], h[1]), "A46");
        EXPECT_EQ(level.At(h[9], h[10], h[2], h[3]), "A47");
    }
}

// One edge of a room: the squares along it and the square each faces in the next room.
struct Edge {
    int dc, dr;  // the neighbouring room's offset
};
constexpr Edge kEdges[] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};

TEST(ShippedLevels, HaveEdgeWallOutsideAndMatchingOpeningsInside) {
    for (const Level& level : ShippedLevels()) {
        SCOPED_TRACE(level.name);
        for (int rr = 1; rr <= level.RoomsDown(); ++rr)
            for (int rc = 1; rc <= level.RoomsAcross(); ++rc)
                for (const Edge& e : kEdges) {
                    const int length = e.dc ? kRows : kCols;
                    for (int i = 1; i <= length; ++i) {
                        // The square on this edge and the one it faces across the boundary.
                        const int col = e.dc ? (e.dc > 0 ? kCols : 1) : i;
                        const int row = e.dr ? (e.dr > 0 ? kRows : 1) : i;
                        const int fcol = e.dc ? kCols + 1 - col : col;
                        const int frow = e.dr ? kRows + 1 - row : row;
                        const std::string here = level.At(rc, rr, col, row);
                        SCOPED_TRACE("room " + std::to_string(rc) + " " + std::to_string(rr) +
                                     " square " + std::to_string(col) + " " + std::to_string(row));
                        if (!level.HasRoom(rc + e.dc, rr + e.dr)) {
                            EXPECT_EQ(here, "A39");
                            continue;
                        }
                        const std::string there = level.At(rc + e.dc, rr + e.dr, fcol, frow);
                        const bool corner =
                            (col == 1 || col == kCols) && (row == 1 || row == kRows);
                        if (corner) {
                            EXPECT_TRUE(ClosedEdge(here)) << "open corner " << here;
                        } else if (here == "A00") {
                            EXPECT_EQ(there, "A00") << "opening onto " << there;
                        } else {
                            EXPECT_TRUE(ClosedEdge(here)) << "edge square holds " << here;
                        }
                    }
                }
    }
}

// A walk from player 1's start that clears everything a player can shoot, bomb, open or pick up,
// and changes rooms the straight way.
TEST(ShippedLevels, FinishCanBeReached) {
    struct Spot {
        int rc, rr, col, row;
        auto operator<=>(const Spot&) const = default;
    };
    for (const Level& level : ShippedLevels()) {
        SCOPED_TRACE(level.name);
        const GridHeader& h = level.header;
        std::set<Spot> seen;
        std::deque<Spot> todo{{h[9], h[10], h[0], h[1]}};
        bool reached = false;
        auto visit = [&](Spot s) {
            if (seen.insert(s).second) todo.push_back(s);
        };
        while (!todo.empty() && !reached) {
            const Spot s = todo.front();
            todo.pop_front();
            const std::string here = level.At(s.rc, s.rr, s.col, s.row);
            reached = here == "A45";
            if (here[0] == 'Z') visit({s.rc, s.rr, SlideNumber(here[1]), SlideNumber(here[2])});
            for (int dc = -1; dc <= 1; ++dc)
                for (int dr = -1; dr <= 1; ++dr) {
                    Spot n{s.rc, s.rr, s.col + dc, s.row + dr};
                    const bool offCol = n.col < 1 || n.col > kCols,
                               offRow = n.row < 1 || n.row > kRows;
                    if (offCol && offRow) continue;
                    if (offCol || offRow) {
                        if (dc && dr) continue;  // diagonal room changes are not needed
                        n = {s.rc + dc, s.rr + dr, offCol ? kCols + 1 - s.col : s.col,
                             offRow ? kRows + 1 - s.row : s.row};
                        if (level.HasRoom(n.rc, n.rr)) visit(n);
                        continue;
                    }
                    if (!BlocksForGood(level.At(n.rc, n.rr, n.col, n.row))) visit(n);
                }
        }
        EXPECT_TRUE(reached) << "the finish cannot be reached from player 1's start";
    }
}

}  // namespace
