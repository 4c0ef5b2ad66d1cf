// The level editor's screen on the headless platform: opening and leaving, mouse strokes and the
// tools as undo steps, picking, test plays that come back to the editor as it was, saving.
#include "shell/editscreen.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "editor/palette.h"
#include "editor/teststart.h"
#include "level/levels.h"
#include "scores/table.h"
#include "shell/app.h"
#include "shell/gameloop.h"
#include "shell/mainform.h"
#include "shell/screens.h"
#include "test_support.h"

namespace murk {
namespace {

using namespace editlayout;

class EditScreenTest : public ::testing::Test, protected test::StartedProgram {
protected:
    EditScreenTest() : StartedProgram(3) {}

    EditScreen& edit() { return static_cast<EditScreen&>(*app().editScreen); }
    const LevelEditor& model() { return edit().Editor(); }
    bool Editing() { return app().mainForm->screen == app().editScreen.get(); }
    std::string At(int col, int row, int roomCol = 1) {
        return std::string(model().At({roomCol, 1, col, row}));
    }

    void Pump() { ProcessMessages(app()); }
    void Key(int key) {
        h.pf.QueueKeyDown(key);
        h.pf.QueueKeyUp(key);
        Pump();
    }
    void Ctrl(int key, bool shift = false) {
        h.pf.QueueKeyDown(vk::Ctrl);
        if (shift) h.pf.QueueKeyDown(vk::Shift);
        Key(key);
        if (shift) h.pf.QueueKeyUp(vk::Shift);
        h.pf.QueueKeyUp(vk::Ctrl);
        Pump();
    }
    void Mouse(EventKind kind, int x, int y, int button = 1) {
        h.pf.QueueEvent({kind, 0, button, x, y, {}});
    }
    void Click(int x, int y, int button = 1) {
        Mouse(EventKind::MouseDown, x, y, button);
        Mouse(EventKind::MouseUp, x, y, button);
        Pump();
    }
    static int X(int col) { return SquareRect(col, 1).x + 16; }
    static int Y(int row) { return SquareRect(1, row).y + 16; }
    void ClickSquare(int col, int row, int button = 1) { Click(X(col), Y(row), button); }
    // A press on one square, the pointer moved over the squares between, the release on the
    // other.
    void Drag(int col1, int row1, int col2, int row2) {
        Mouse(EventKind::MouseDown, X(col1), Y(row1));
        for (int i = 1; i <= 4; ++i)
            Mouse(EventKind::MouseMove, X(col1 + (col2 - col1) * i / 4),
                  Y(row1 + (row2 - row1) * i / 4));
        Mouse(EventKind::MouseUp, X(col2), Y(row2));
        Pump();
    }
    void ChooseTile(std::string_view code) {
        const Rect r = PaletteCells()[static_cast<size_t>(PaletteIndexOf(code))].at;
        Click(r.x + 5, r.y + 5);
    }
    void OpenLevel(int level) {
        app().menu.level = std::to_string(level);
        ShowMenuState(app());
        h.pf.QueueKeyUp(vk::F9);
        Pump();
    }
    // Runs the test play's passes, as the game loop does, until the game ends or `ms` pass.
    void PlayFor(uint64_t ms) {
        const uint64_t until = h.pf.NowMs() + ms;
        while (h.pf.NowMs() < until && !app().game.GameStopped) RunPass(app(), app().loopDelay);
    }
    std::string LastBox() { return h.pf.Boxes().empty() ? "" : h.pf.Boxes().back().text; }
};

TEST_F(EditScreenTest, F9OpensTheMenusLevelWhichTracksThePointerUntilEscape) {
    OpenLevel(1);
    ASSERT_TRUE(Editing());
    EXPECT_EQ(model().Number(), 1);
    EXPECT_TRUE(h.pf.TrackingPointer());
    Mouse(EventKind::MouseMove, X(7), Y(9));
    Pump();
    EXPECT_EQ(edit().Look().cursor, (Spot{1, 1, 7, 9}));

    Key(vk::Escape);  // nothing changed: nothing asked
    EXPECT_FALSE(Editing());
    EXPECT_TRUE(app().menu.shown);
    EXPECT_TRUE(app().mainForm->MenuBox->Visible());
    EXPECT_FALSE(h.pf.TrackingPointer());
    EXPECT_TRUE(h.pf.Boxes().empty());

    // A damaged level: the game's own message, and the menu stays.
    dir.WriteFile("Levels/Level002.dat", "not a level");
    OpenLevel(2);
    EXPECT_FALSE(Editing());
    StringGrid grid;
    GridHeader header{};
    EXPECT_EQ(LastBox(), ReadLevelGrid(dir.Dir() + "Levels/Level002.dat", grid, header));
}

TEST_F(EditScreenTest, AStrokeIsOneUndoStepAndTheRightButtonPicks) {
    OpenLevel(0);
    ChooseTile(code::Money);
    Drag(8, 10, 16, 10);
    for (int col = 8; col <= 16; ++col) ASSERT_EQ(At(col, 10), code::Money) << col;
    ASSERT_TRUE(model().CanUndo());

    Ctrl('Z');
    for (int col = 8; col <= 16; ++col) ASSERT_EQ(At(col, 10), code::Floor) << col;
    EXPECT_FALSE(model().CanUndo());  // the whole stroke was one step
    Ctrl('Z', true);                  // Ctrl+Shift+Z redoes it
    EXPECT_EQ(At(12, 10), code::Money);
    Ctrl('Z');
    Ctrl('Y');
    EXPECT_EQ(At(12, 10), code::Money);
    EXPECT_FALSE(model().CanRedo());

    ChooseTile(code::SolidWall);
    ClickSquare(12, 10, 3);
    EXPECT_EQ(edit().Look().brush, code::Money);
    EXPECT_EQ(At(12, 10), code::Money);  // picking paints nothing
}

TEST_F(EditScreenTest, RectangleBoxFillAndTheKeysEachMakeOneStep) {
    OpenLevel(0);
    ChooseTile(code::SolidWall);
    Key('R');
    Drag(10, 6, 14, 9);
    EXPECT_EQ(At(10, 6), code::SolidWall);
    EXPECT_EQ(At(14, 9), code::SolidWall);
    EXPECT_EQ(At(12, 7), code::Floor);  // an outline
    Key('B');
    ChooseTile(code::Money);
    Drag(11, 7, 13, 8);
    EXPECT_EQ(At(12, 7), code::Money);  // filled
    EXPECT_EQ(edit().Look().tool, EditTool::Box);
    Key('F');
    ChooseTile(code::ShootableWall);
    ClickSquare(20, 15);
    EXPECT_EQ(At(20, 15), code::ShootableWall);
    EXPECT_EQ(At(2, 2), code::ShootableWall);
    EXPECT_EQ(At(12, 7), code::Money);  // walled off from the fill

    // The keys: an arrow moves the cursor, Space paints with the tool.
    Key('D');
    Mouse(EventKind::MouseMove, X(5), Y(12));
    Key(vk::Right);
    EXPECT_EQ(edit().Look().cursor, (Spot{1, 1, 6, 12}));
    Key(vk::Space);
    EXPECT_EQ(At(6, 12), code::ShootableWall);

    for (int step = 0; step < 4; ++step) Ctrl('Z');
    EXPECT_FALSE(model().CanUndo());
    EXPECT_EQ(At(10, 6), code::Floor);
    EXPECT_EQ(At(2, 2), code::Floor);
}

TEST_F(EditScreenTest, ASlideFieldTakesItsTargetFromTheNextClick) {
    OpenLevel(0);
    ChooseTile(code::SlideField);
    ClickSquare(10, 10);
    ASSERT_TRUE(edit().Look().aiming.has_value());
    ClickSquare(20, 5);
    EXPECT_EQ(At(10, 10), SlideFieldCode(20, 5));
    EXPECT_FALSE(edit().Look().aiming.has_value());
    EXPECT_EQ(At(20, 5), code::Floor);
}

TEST_F(EditScreenTest, ATestPlayComesBackToTheEditorAsItWas) {
    const std::string scores = test::ReadFileText(dir.Path() / kHighScoresFile);
    OpenLevel(0);
    ChooseTile(code::Money);
    ClickSquare(10, 10);
    Key('B');
    Key(vk::F2);
    ASSERT_FALSE(app().game.GameStopped);
    ASSERT_TRUE(app().play.test.has_value());
    EXPECT_EQ(app().game.RoomGrid.Cell(10, 10), code::Money);  // the level being edited
    EXPECT_FALSE(h.pf.TrackingPointer());

    h.pf.QueueKeyDown(vk::Escape);  // the abort question, answered yes
    Pump();
    h.pf.QueueKeyUp(vk::Escape);  // let go in the editor: it was pressed in the game
    Pump();
    ASSERT_TRUE(Editing());
    EXPECT_NE(LastBox().find("level editor"), std::string::npos) << LastBox();
    EXPECT_FALSE(app().play.test.has_value());
    EXPECT_TRUE(h.pf.TrackingPointer());
    EXPECT_EQ(edit().Look().brush, code::Money);
    EXPECT_EQ(edit().Look().tool, EditTool::Box);
    EXPECT_EQ(At(10, 10), code::Money);
    ASSERT_TRUE(model().CanUndo());

    // The game's end comes back too: game over enters no one in the table, and the warp.
    Key(vk::F2);
    app().game.P1().points = 999999;
    app().game.P1().dead = true;
    PlayFor(4000);
    EXPECT_TRUE(Editing());
    EXPECT_EQ(test::ReadFileText(dir.Path() / kHighScoresFile), scores);
    Key(vk::F2);
    app().game.P1().finished = true;
    PlayFor(4000);
    EXPECT_TRUE(Editing());

    Ctrl('Z');  // the history is the editor's own
    EXPECT_EQ(At(10, 10), code::Floor);
}

TEST_F(EditScreenTest, F3StartsInTheRoomShownWherePlayersFindFloor) {
    OpenLevel(0);
    const MapLayout map = MapFor(1, 1);
    const Rect growEast = SizeButtons(map)[2].at;
    ASSERT_TRUE(SizeButtons(map)[2].grow && SizeButtons(map)[2].side == Side::East);
    Click(growEast.x + 5, growEast.y + 5);
    ASSERT_EQ(model().RoomsAcross(), 2);
    Ctrl(vk::Right);
    ASSERT_EQ(edit().Look().roomCol, 2);
    ChooseTile(code::SolidWall);
    ClickSquare(3, 4);  // player 1's square in that room is taken

    Key(vk::F3);
    ASSERT_FALSE(app().game.GameStopped);
    EXPECT_EQ(app().game.CurrentRoomCol, 2);
    EXPECT_EQ(app().game.P2().col, 5);
    EXPECT_EQ(app().game.P1().row, 3);  // the nearest floor, from the north-west
    EXPECT_EQ(model().StartRoomCol(), 1);

    // The level as the model keeps it is not touched by the test's start.
    const TestStart start = StartInRoom(model().Level(), 2, 1);
    ASSERT_EQ(start.problem, "");
    EXPECT_EQ(start.level.At(1, 1, 3, 4), code::Floor);  // taken out of the old start room
    EXPECT_EQ(start.level.At(2, 1, 2, 3), code::Player1);
    EXPECT_EQ(StartInRoom(model().Level(), 3, 1).problem, "there is no such room in the level");
}

TEST_F(EditScreenTest, SavingAsksFirstAndTheMenuCountsTheNewLevel) {
    OpenLevel(1);
    Ctrl('N');
    ASSERT_EQ(model().Number(), -1);
    h.pf.QueueAnswer(false);  // it has problems (no finish): not saved after all
    Ctrl('S');
    EXPECT_NE(LastBox().find("problem"), std::string::npos) << LastBox();
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "Levels/Level003.dat"));

    Ctrl('S');
    EXPECT_EQ(model().Number(), 3);
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "Levels/Level003.dat"));
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "Levels/Sources/Level003.lvl"));
    EXPECT_EQ(app().play.LevelCount, 4);

    Key(vk::Escape);
    EXPECT_FALSE(Editing());
    EXPECT_EQ(app().menu.level, "3");

    // Saving over a level that is there asks once; a failed save loses nothing.
    OpenLevel(1);
    ChooseTile(code::SolidWall);
    ClickSquare(10, 10);
    SaveFaults fullDisk;
    fullDisk.spaceLeft = 10;
    edit().Editor().SetSaveFaults(&fullDisk);
    h.pf.ClearBoxes();
    Ctrl('S');
    ASSERT_FALSE(h.pf.Boxes().empty());
    EXPECT_NE(h.pf.Boxes().front().text.find("already saved"), std::string::npos);
    EXPECT_EQ(h.pf.Boxes().back().kind, BoxKind::Error);
    EXPECT_TRUE(model().Dirty());
    EXPECT_EQ(At(10, 10), code::SolidWall);
    edit().Editor().SetSaveFaults(nullptr);
    h.pf.ClearBoxes();
    Ctrl('S');
    for (const HeadlessPlatform::Box& box : h.pf.Boxes())  // asked once
        EXPECT_EQ(box.text.find("already saved"), std::string::npos);
    EXPECT_FALSE(model().Dirty());
}

TEST_F(EditScreenTest, AProblemClickedInTheListIsMarkedOnItsSquare) {
    OpenLevel(0);
    Click(kProblems.x + kProblems.w - 10, kProblems.y + 10);
    ASSERT_TRUE(edit().Look().problemsOpen);
    const std::vector<LevelProblem> problems = edit().Editor().Problems();
    size_t onSquare = 0;  // the first problem that names a square
    while (onSquare < problems.size() && !problems[onSquare].where.col) ++onSquare;
    ASSERT_LT(onSquare, problems.size());
    const Rect line = ProblemLine(static_cast<int>(problems.size()), static_cast<int>(onSquare));
    Click(line.x + 20, line.y + 10);
    const Where& at = problems[onSquare].where;
    EXPECT_FALSE(edit().Look().problemsOpen);
    EXPECT_EQ(edit().Look().marked, (Spot{at.roomCol, at.roomRow, at.col, at.row}));
    EXPECT_EQ(edit().Look().info, ProblemText(problems[onSquare]));
}

TEST_F(EditScreenTest, TheTitleIsTypedAndLeavingWithChangesAsks) {
    OpenLevel(0);
    h.pf.QueueKeyDown('T');
    h.pf.QueueEvent({EventKind::Text, 0, 0, 0, 0, "t"});  // the press's own letter
    h.pf.QueueKeyUp('T');
    h.pf.QueueEvent({EventKind::Text, 0, 0, 0, 0, "Tall Walls"});
    Key(vk::Enter);
    EXPECT_EQ(model().Title(), "Tall Walls");

    // The window's close button asks too, and No keeps the editor and its changes.
    h.pf.QueueAnswer(false);
    h.pf.QueueEvent({EventKind::Close, 0, 0, 0, 0, {}});
    Pump();
    EXPECT_TRUE(Editing());
    EXPECT_FALSE(app().terminated);
    EXPECT_NE(LastBox().find("Quit Murk and lose them?"), std::string::npos) << LastBox();

    h.pf.QueueAnswer(false);
    Key(vk::Escape);
    EXPECT_TRUE(Editing());
    EXPECT_NE(LastBox().find("not saved"), std::string::npos) << LastBox();
    Key(vk::Escape);
    EXPECT_FALSE(Editing());
}

TEST(EditLayout, EveryPaletteTileHasOneCellInThePaletteAndThePointFindsIt) {
    const std::vector<PaletteCell>& cells = PaletteCells();
    size_t tiles = 0;
    for (const PaletteGroup& g : Palette()) tiles += g.codes.size();
    ASSERT_EQ(cells.size(), tiles);
    const MapLayout map = MapFor(2, 2);
    for (size_t i = 0; i < cells.size(); ++i) {
        const Rect& r = cells[i].at;
        EXPECT_TRUE(kPalette.Contains(r.x, r.y) && kPalette.Contains(r.x + r.w - 1, r.y + r.h - 1))
            << cells[i].code;
        EXPECT_EQ(PaletteIndexOf(cells[i].code), static_cast<int>(i));
        const Hit hit = HitAt(r.x + 16, r.y + 16, map);
        EXPECT_EQ(hit.place, Place::PaletteCell);
        EXPECT_EQ(hit.index, static_cast<int>(i)) << cells[i].code;
    }
    const Hit corner = HitAt(kRoom.w - 1, kRoom.h - 1, map);
    EXPECT_EQ(corner.place, Place::Square);
    EXPECT_EQ(corner.col, kRoomCols);
    EXPECT_EQ(corner.row, kRoomRows);
    EXPECT_EQ(HitAt(MapRoomRect(map, 2, 1).x + 2, MapRoomRect(map, 2, 1).y + 2, map).col, 2);
}

}  // namespace
}  // namespace murk
