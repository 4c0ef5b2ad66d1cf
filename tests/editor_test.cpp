// The level editor's model: drawing step by step with undo and redo, the players kept on their
// start squares, growing and shrinking, random edits that always leave a level the game loads
// and levelc compiles back, opening only what the game opens, saves that fail losing nothing.
#include "editor/editor.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "base/gridfile.h"
#include "editor/palette.h"
#include "level/levels.h"
#include "levelsource/levelsource.h"
#include "levelsource/sourcewriter.h"
#include "test_support.h"

namespace murk {
namespace {

std::string FileText(const LevelEditor& e) {
    return FormatGridText(e.Level().grid, e.Level().header);
}

// The level is one a save writes whole: its source compiles to the very same file.
void ExpectSavable(const LevelEditor& e) {
    const WrittenSource source = WriteLevelSource(e.Level());
    ASSERT_TRUE(source.Ok()) << source.error;
    const LevelSourceResult again = CompileLevelSource(source.text, "edited.lvl");
    ASSERT_TRUE(again.Ok()) << again.errors[0];
    EXPECT_TRUE(FormatGridText(again.grid, again.header) == FileText(e));
}

bool Mentions(const std::vector<LevelProblem>& problems, const std::string& text) {
    for (const LevelProblem& p : problems)
        if (p.message.find(text) != std::string::npos) return true;
    return false;
}

TEST(LevelEditor, DrawsOneStepAnOperationOrStrokeAndTakesEachBackExactly) {
    test::TempGameDir dir;
    LevelEditor e(dir.Dir());
    std::vector<std::string> states{FileText(e)};
    ASSERT_TRUE(e.Paint({1, 1, 10, 10}, code::Money));
    states.push_back(FileText(e));
    ASSERT_TRUE(e.BeginStroke(code::SolidWall));
    e.StrokeTo({1, 1, 5, 3});
    e.StrokeTo({1, 1, 12, 7});  // a fast drag: the line between is painted too
    ASSERT_TRUE(e.EndStroke());
    states.push_back(FileText(e));
    for (int col = 5; col <= 12; ++col) {
        int walls = 0;
        for (int row = 3; row <= 7; ++row) walls += e.At({1, 1, col, row}) == code::SolidWall;
        EXPECT_EQ(walls, 1) << "column " << col;
    }
    ASSERT_TRUE(e.Rectangle({2, 1, 3, 3}, 8, 6, code::ShootableWall, false));
    states.push_back(FileText(e));
    EXPECT_EQ(e.At({2, 1, 8, 4}), code::ShootableWall);
    EXPECT_EQ(e.At({2, 1, 5, 5}), code::Floor);
    ASSERT_TRUE(e.Rectangle({2, 1, 4, 4}, 7, 5, code::Money, true));
    states.push_back(FileText(e));
    ASSERT_TRUE(e.Fill({2, 1, 20, 10}, code::ChainWallStopped));  // all but the rectangle's
    states.push_back(FileText(e));
    EXPECT_EQ(e.At({2, 1, 2, 2}), code::ChainWallStopped);
    EXPECT_EQ(e.At({2, 1, 29, 18}), code::ChainWallStopped);
    EXPECT_EQ(e.At({2, 1, 5, 5}), code::Money);
    EXPECT_EQ(e.At({2, 1, 1, 1}), code::EdgeWall);
    e.TakeChanges();

    ASSERT_TRUE(e.Paint({2, 1, 5, 5}, code::Money));  // nothing changes: no step
    for (size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(e.Undo());
        EXPECT_TRUE(FileText(e) == states[i - 1]) << "undo to state " << i - 1;
        EXPECT_TRUE(e.Dirty() == (i > 1));
    }
    EXPECT_FALSE(e.Undo());
    e.TakeChanges();
    ASSERT_TRUE(e.Redo());
    const EditChanges changes = e.TakeChanges();
    EXPECT_EQ(changes.squares, std::vector<Spot>{Spot({1, 1, 10, 10})});
    EXPECT_FALSE(changes.wholeLevel);
    while (e.Redo()) {
    }
    EXPECT_TRUE(FileText(e) == states.back());
    ASSERT_TRUE(e.Undo());
    ASSERT_TRUE(e.Paint({1, 1, 20, 15}, code::Key));  // a new step drops the undone one
    EXPECT_FALSE(e.CanRedo());
}

TEST(LevelEditor, KeepsEachPlayerOnItsStartSquareInTheStartRoom) {
    test::TempGameDir dir;
    LevelEditor e(dir.Dir());
    const Spot p1 = e.PlayerStart(1), p2 = e.PlayerStart(2);
    const EditResult covered = e.Paint(p1, code::SolidWall);
    EXPECT_FALSE(covered);
    EXPECT_NE(covered.message.find("player 1"), std::string::npos);
    EXPECT_FALSE(e.Paint(p1, code::Player2));
    EXPECT_FALSE(e.Fill(p2, code::Money));
    ASSERT_TRUE(e.Rectangle({1, 1, 1, 1}, 30, 19, code::Money, true));
    ASSERT_TRUE(e.ClearRoom(1, 1));
    e.CopyRoom(1, 1);
    ASSERT_TRUE(e.PasteRoom(2, 2));  // the players stay behind
    EXPECT_EQ(e.At({2, 2, p1.col, p1.row}), code::Floor);
    EXPECT_EQ(e.At(p1), code::Player1);
    EXPECT_EQ(e.At(p2), code::Player2);
    ExpectSavable(e);

    ASSERT_TRUE(e.Paint({1, 1, 6, 6}, code::Player1));
    EXPECT_EQ(e.PlayerStart(1), Spot({1, 1, 6, 6}));
    EXPECT_EQ(e.At(p1), code::Floor);
    ASSERT_TRUE(e.Paint({2, 2, 8, 8}, code::Player1));  // the start room moves, with player 2
    EXPECT_EQ(e.StartRoomCol(), 2);
    EXPECT_EQ(e.PlayerStart(2), Spot({2, 2, p2.col, p2.row}));
    EXPECT_EQ(e.At({2, 2, p2.col, p2.row}), code::Player2);
    EXPECT_EQ(e.At({1, 1, p2.col, p2.row}), code::Floor);
    ExpectSavable(e);
    EXPECT_FALSE(e.Paint({1, 1, p2.col, p2.row}, code::Player1)) << "player 2 would stand there";
    ASSERT_TRUE(e.SetStartRoom(1, 2));
    EXPECT_EQ(e.At({1, 2, 8, 8}), code::Player1);
    EXPECT_EQ(e.At({2, 2, 8, 8}), code::Floor);
    ExpectSavable(e);
}

TEST(LevelEditor, GrowsAndShrinksOnEverySideAndUndoesAcrossIt) {
    test::TempGameDir dir;
    LevelEditor e(dir.Dir());
    const std::string before = FileText(e);
    ASSERT_TRUE(e.Paint({2, 2, 10, 10}, code::Money));
    ASSERT_TRUE(e.Grow(Side::West));
    ASSERT_TRUE(e.Grow(Side::North, 2));
    ASSERT_TRUE(e.Grow(Side::East));
    ASSERT_TRUE(e.Grow(Side::South));
    EXPECT_EQ(e.RoomsAcross(), 4);
    EXPECT_EQ(e.RoomsDown(), 5);
    EXPECT_EQ(e.At({3, 4, 10, 10}), code::Money);
    EXPECT_EQ(e.PlayerStart(1).roomCol, 2);
    EXPECT_EQ(e.PlayerStart(1).roomRow, 3);
    EXPECT_EQ(e.At({1, 1, 1, 1}), code::EdgeWall);  // a new room is walled round
    EXPECT_EQ(e.At({1, 1, 2, 2}), code::Floor);
    ASSERT_TRUE(e.Shrink(Side::West));
    EXPECT_FALSE(e.Shrink(Side::West)) << "the start room would go";
    EXPECT_FALSE(e.Shrink(Side::North, 5));
    EXPECT_FALSE(e.Grow(Side::East, 18));
    ASSERT_TRUE(e.Shrink(Side::North, 2));
    ExpectSavable(e);
    const std::string after = FileText(e);
    while (e.Undo()) {
    }
    EXPECT_TRUE(FileText(e) == before);
    while (e.Redo()) {
    }
    EXPECT_TRUE(FileText(e) == after);
    EXPECT_TRUE(e.TakeChanges().wholeLevel);
}

// Any operation, with any square and any tile the palette offers, in any order.
TEST(LevelEditor, RandomEditsAlwaysLeaveALevelTheGameLoadsAndLevelcCompilesBack) {
    test::TempGameDir dir;
    LevelEditor e(dir.Dir());
    std::vector<std::string> codes;
    for (const PaletteGroup& g : Palette())
        codes.insert(codes.end(), g.codes.begin(), g.codes.end());
    std::mt19937 rng(11);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)) + 1; };
    auto spot = [&] {
        return Spot{pick(e.RoomsAcross()), pick(e.RoomsDown()), pick(kRoomCols), pick(kRoomRows)};
    };
    auto tile = [&] { return codes[rng() % codes.size()]; };
    const Side sides[] = {Side::North, Side::East, Side::South, Side::West};
    const std::string start = FileText(e);
    std::vector<std::string> done{start};
    for (int i = 0; i < 400; ++i) {
        const Spot s = spot();
        switch (rng() % 12) {
            case 0:
                static_cast<void>(e.Paint(s, tile()));
                break;
            case 1:
                static_cast<void>(e.BeginStroke(tile()));
                for (int k = 0; k < 4; ++k) e.StrokeTo({s.roomCol, s.roomRow, pick(30), pick(19)});
                static_cast<void>(e.EndStroke());
                break;
            case 2:
                static_cast<void>(e.Rectangle(s, pick(30), pick(19), tile(), rng() % 2));
                break;
            case 3:
                static_cast<void>(e.Fill(s, tile()));
                break;
            case 4:
                static_cast<void>(e.SetSlideTarget(s, pick(30), pick(19)));
                break;
            case 5:
                e.CopyRoom(s.roomCol, s.roomRow);
                static_cast<void>(e.PasteRoom(pick(2), pick(2)));
                break;
            case 6:
                static_cast<void>(e.ClearRoom(s.roomCol, s.roomRow));
                break;
            case 7:
                static_cast<void>(e.Grow(sides[rng() % 4], pick(2)));
                break;
            case 8:
                static_cast<void>(e.Shrink(sides[rng() % 4], pick(2)));
                break;
            case 9:
                static_cast<void>(e.SetStartRoom(s.roomCol, s.roomRow));
                break;
            case 10:
                static_cast<void>(e.Undo());
                break;
            case 11:
                static_cast<void>(e.Redo());
                break;
        }
        if (e.RoomsAcross() * e.RoomsDown() > 12) static_cast<void>(e.Shrink(Side::East));
        ASSERT_NO_FATAL_FAILURE(ExpectSavable(e)) << "after edit " << i;
    }
    const SaveOutcome saved = e.Save(0);
    ASSERT_TRUE(saved.saved) << saved.message;
    StringGrid grid;
    GridHeader header{};
    EXPECT_EQ(ReadLevelGrid(LevelFileName(dir.Dir(), 0), grid, header), "");
    const std::string end = FileText(e);
    while (e.Undo()) {
    }
    EXPECT_TRUE(FileText(e) == start);
    while (e.Redo()) {
    }
    EXPECT_TRUE(FileText(e) == end);
}

TEST(LevelEditor, OpensWhatTheGameLoadsAndLeavesTheLevelAsItWasOtherwise) {
    test::TempGameDir dir;
    dir.WriteLevel(0);
    LevelEditor e(dir.Dir());
    ASSERT_TRUE(e.Open(0));
    EXPECT_EQ(e.Title(), "Test");
    ASSERT_TRUE(e.Paint({1, 1, 9, 9}, code::Key));
    const std::string edited = FileText(e);

    const std::string whole = test::ReadFileText(dir.Path() / "Levels" / "Level000.dat");
    dir.WriteFile("Levels/Level001.dat", whole.substr(0, whole.size() / 2));
    dir.WriteFile("Levels/Level002.dat", "version2.0" + whole.substr(10));
    test::LevelSpec twice;  // the game loads it, but no source says player 1 twice
    twice.rooms = {test::MakeRoom(std::string(code::Floor), {{3, 4, std::string(code::Player1)},
                                                             {5, 4, std::string(code::Player2)},
                                                             {9, 9, std::string(code::Player1)}})};
    dir.WriteLevel(3, twice);
    const char* kDamaged =
        "Error loading level. Please make sure the file exists and has not been corrupted.";
    const struct {
        int level;
        std::string says;
    } refused[] = {{1, kDamaged},
                   {2, "Invalid file format. File not opened."},
                   {9, kDamaged},
                   {3, "Level 3 cannot be edited: player 1 tile"}};
    for (const auto& r : refused) {
        const EditResult opened = e.Open(r.level);
        EXPECT_FALSE(opened);
        EXPECT_EQ(opened.message.substr(0, r.says.size()), r.says) << opened.message;
        EXPECT_TRUE(FileText(e) == edited);
        EXPECT_EQ(e.Number(), 0);
        EXPECT_TRUE(e.Dirty() && e.CanUndo());
    }
    EXPECT_EQ(e.FirstFreeNumber(), 4);
}

// Runs `save` as a user who may not write the Levels folder (root gives its rights away in a
// child) and returns its exit status.
template <typename F>
int AsUserWithoutFolderRights(const test::TempGameDir& dir, F save) {
    ::chmod(dir.Path().c_str(), 0755);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0) {
            constexpr uid_t kNobody = 65534;
            if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(99);
        } else if (::chmod((dir.Path() / "Levels").c_str(), 0555) != 0) {
            ::_exit(99);
        }
        ::_exit(save());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod((dir.Path() / "Levels").c_str(), 0755);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(LevelEditor, ASaveThatFailsLosesNeitherTheFileOnDiskNorTheLevel) {
    test::TempGameDir dir;
    dir.WriteLevel(0);
    const std::string old = test::ReadFileText(dir.Path() / "Levels" / "Level000.dat");
    std::filesystem::create_directories(dir.Path() / "Levels" / "Sources");
    LevelEditor e(dir.Dir());
    ASSERT_TRUE(e.Open(0));
    ASSERT_TRUE(e.Paint({1, 1, 9, 9}, code::Key));
    const std::string edited = FileText(e);

    SaveFaults fullDisk;
    fullDisk.spaceLeft = 100;
    e.SetSaveFaults(&fullDisk);
    const SaveOutcome full = e.Save(0);
    EXPECT_FALSE(full.saved);
    EXPECT_EQ(full.file, "Levels/Level000.dat");
    EXPECT_NE(full.message.find("not saved"), std::string::npos);
    e.SetSaveFaults(nullptr);

    EXPECT_EQ(AsUserWithoutFolderRights(dir,
                                        [&] {
                                            const SaveOutcome o = e.Save(0);
                                            return o.result == SaveResult::FolderTakesNoNewFile &&
                                                           !o.saved && e.Dirty()
                                                       ? 0
                                                       : 1;
                                        }),
              0);
    EXPECT_TRUE(test::ReadFileText(dir.Path() / "Levels" / "Level000.dat") == old);
    EXPECT_TRUE(FileText(e) == edited);
    EXPECT_TRUE(e.Dirty());

    // A folder where the source goes: the level file is written, the source is not.
    std::filesystem::create_directories(dir.Path() / "Levels" / "Sources" / "Level000.lvl");
    const SaveOutcome half = e.Save(0);
    EXPECT_FALSE(half.saved);
    EXPECT_EQ(half.file, "Levels/Sources/Level000.lvl");
    EXPECT_TRUE(e.Dirty());
    std::filesystem::remove(dir.Path() / "Levels" / "Sources" / "Level000.lvl");

    const SaveOutcome saved = e.Save(0);
    ASSERT_TRUE(saved.saved) << saved.message;
    EXPECT_FALSE(e.Dirty());
    EXPECT_TRUE(test::ReadFileText(dir.Path() / "Levels" / "Level000.dat") == edited);
    const LevelSourceResult source =
        CompileLevelFile((dir.Path() / "Levels" / "Sources" / "Level000.lvl").string());
    ASSERT_TRUE(source.Ok()) << source.errors[0];
    EXPECT_TRUE(FormatGridText(source.grid, source.header) == edited);
}

TEST(LevelEditor, ChecksTheLevelAgainAfterEachChange) {
    test::TempGameDir dir;
    LevelEditor e(dir.Dir());
    EXPECT_TRUE(Mentions(e.Problems(), "no finish"));
    ASSERT_TRUE(e.Paint({2, 2, 15, 10}, code::Finish));  // in a room walled off from the start
    EXPECT_FALSE(Mentions(e.Problems(), "no finish"));
    bool located = false;
    for (const LevelProblem& p : e.Problems())
        located = located || (p.message.find("cannot be reached") != std::string::npos &&
                              p.where.roomCol == 2 && p.where.roomRow == 2 && p.where.col == 15 &&
                              p.where.row == 10);
    EXPECT_TRUE(located);
    ASSERT_TRUE(e.Undo());
    EXPECT_TRUE(Mentions(e.Problems(), "no finish"));
}

TEST(LevelEditor, ThePaletteOffersEveryTileADesignerPlacesOnceInFamilyOrder) {
    std::set<std::string> offered;
    int lastFamily = -1;
    for (const PaletteGroup& g : Palette()) {
        EXPECT_GT(static_cast<int>(g.family), lastFamily);
        lastFamily = static_cast<int>(g.family);
        for (const std::string& code : g.codes) {
            EXPECT_TRUE(offered.insert(code).second) << code;
            EXPECT_EQ(KindOf(code)->family, g.family) << code;
            EXPECT_TRUE(KindOf(code)->placed) << code;
        }
    }
    for (const TileKind& kind : TileKinds())
        EXPECT_TRUE(!kind.placed || offered.count(std::string(kind.last))) << kind.name;
    EXPECT_TRUE(offered.count(std::string(code::SlideField)));
}

}  // namespace
}  // namespace murk
