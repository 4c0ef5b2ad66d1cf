// Level files and rooms: counting, loading with its failures, unpacking and packing.
#include <gtest/gtest.h>

#include "base/gridfile.h"
#include "level/levels.h"
#include "level/room.h"
#include "shell/levelfiles.h"
#include "shell/mainform.h"
#include "test_support.h"

namespace murk {
namespace {

using test::HeadlessApp;
using test::TempGameDir;

std::string Numbered() {  // a room whose squares are all different three-character texts
    std::string s;
    for (int i = 0; i < 570; ++i) {
        char buf[4];
        std::snprintf(buf, sizeof buf, "%03d", i);
        s += buf;
    }
    return s;
}

TEST(Levels, CountingStopsAtTheFirstGap) {
    TempGameDir dir;
    for (int n : {0, 1, 2, 3, 4, 6}) dir.WriteLevel(n);
    HeadlessApp h(dir);
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.app->play.LevelCount, 5);
    EXPECT_EQ(LevelFileName("/g/", 7), "/g/Levels/Level007.dat");
    EXPECT_EQ(LevelFileName("/g/", 1234), "/g/Levels/Level1234.dat");
}

TEST(Levels, NoLevelZeroShutsDownWithTheError) {
    TempGameDir dir;
    dir.WriteLevel(1);
    HeadlessApp h(dir);
    EXPECT_FALSE(h.Start());
    EXPECT_TRUE(h.app->terminated);
    ASSERT_EQ(h.pf.Boxes().size(), 1u);
    EXPECT_EQ(h.pf.Boxes()[0].kind, BoxKind::Error);
    EXPECT_EQ(h.pf.Boxes()[0].text,
              "Error loading levels (no levels found). Please make sure the Levels directory "
              "exists and that it is in the same directory as this program.");
    EXPECT_FALSE(h.pf.WindowShown());  // no resolution question, no window
}

TEST(Levels, LoadSetsGridStartDataAndTitle) {
    TempGameDir dir;
    dir.WriteLevel(0);
    test::LevelSpec spec;
    spec.title = "Caves";
    spec.roomsAcross = 2;
    spec.rooms = {test::MakeRoom("A32"), test::MakeRoom("A00")};
    spec.p1Col = 7, spec.p1Row = 8, spec.p2Col = 9, spec.p2Row = 10;
    spec.startRoomCol = 2;
    for (int n = 1; n <= 12; ++n) dir.WriteLevel(n, spec);
    HeadlessApp h(dir);
    ASSERT_TRUE(h.Start());
    Game& g = h.app->game;
    ASSERT_TRUE(LoadLevel(*h.app, 12));
    EXPECT_EQ(h.app->mainForm->LevelTitleLbl->Text(), "Level 12 - Caves");
    EXPECT_EQ(g.LevelGrid.ColCount(), 3);
    EXPECT_EQ(g.LevelGrid.RowCount(), 2);
    EXPECT_EQ(g.LevelGrid.Cell(1, 1), test::MakeRoom("A32"));
    EXPECT_EQ(g.P1().startCol, 7);
    EXPECT_EQ(g.P1().startRow, 8);
    EXPECT_EQ(g.P2().startCol, 9);
    EXPECT_EQ(g.P2().startRow, 10);
    EXPECT_EQ(g.StartRoomCol, 2);
    EXPECT_EQ(g.StartRoomRow, 1);
    ASSERT_TRUE(LoadLevel(*h.app, 0));
    EXPECT_EQ(h.app->mainForm->LevelTitleLbl->Text(), "Level 0 - Test");
}

TEST(Levels, FailedLoadsReportAndLeaveTheGridReset) {
    TempGameDir dir;
    dir.WriteLevel(0);
    dir.WriteFile("Levels/Level001.dat", "Version1.0 2 2");
    dir.WriteFile("Levels/Level002.dat", "version1.0 2 2 64 64 1 2 3 4 0 0 0 0 0 1 1 0 5 Title");
    // Cells that read well under a header that puts a start outside its room or level.
    test::LevelSpec bad;
    bad.p1Col = 2147483647;
    dir.WriteLevel(3, bad);
    bad = {};
    bad.p2Row = 20;
    dir.WriteLevel(4, bad);
    bad = {};
    bad.startRoomCol = 2;
    dir.WriteLevel(5, bad);
    bad = {};
    bad.startRoomRow = 0;
    dir.WriteLevel(6, bad);
    HeadlessApp h(dir);
    ASSERT_TRUE(h.Start());
    Game& g = h.app->game;
    ASSERT_TRUE(LoadLevel(*h.app, 0));
    const std::string title = h.app->mainForm->LevelTitleLbl->Text();
    constexpr const char* kDamaged =
        "Error loading level. Please make sure the file exists and has not been corrupted.";
    const struct {
        int level;
        const char* message;
    } cases[] = {
        {1, "Invalid file format. File not opened."},
        {2, kDamaged},
        {3, kDamaged},
        {4, kDamaged},
        {5, kDamaged},
        {6, kDamaged},
        {9, kDamaged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        h.pf.ClearBoxes();
        EXPECT_FALSE(LoadLevel(*h.app, c.level));
        ASSERT_EQ(h.pf.Boxes().size(), 1u);
        EXPECT_EQ(h.pf.Boxes()[0].text, c.message);
        EXPECT_EQ(g.LevelGrid.RowCount(), 2);
        EXPECT_EQ(g.LevelGrid.ColCount(), 2);
        EXPECT_EQ(g.LevelGrid.Cell(1, 1), "");
        EXPECT_EQ(g.LevelGrid.Cell(1, 0), "Test");  // row 0 keeps the previous title
        EXPECT_EQ(g.P1().startCol, 3);
        EXPECT_EQ(h.app->mainForm->LevelTitleLbl->Text(), title);
    }
}

TEST(Rooms, UnpackPlacesEveryCodeAndPackGivesItBack) {
    StringGrid g;
    std::string error;
    const std::string packed = Numbered();
    ASSERT_TRUE(UnpackRoomString(packed, g, error));
    EXPECT_EQ(g.ColCount(), 31);
    EXPECT_EQ(g.RowCount(), 20);
    EXPECT_EQ(g.Cell(1, 1), packed.substr(0, 3));
    EXPECT_EQ(g.Cell(2, 1), packed.substr(3, 3));
    EXPECT_EQ(g.Cell(30, 1), packed.substr(87, 3));
    EXPECT_EQ(g.Cell(1, 2), packed.substr(90, 3));
    EXPECT_EQ(g.Cell(30, 19), packed.substr(1707, 3));
    EXPECT_EQ(PackRoomString(g), packed);

    // Extra characters are ignored by unpacking and dropped by the next pack.
    ASSERT_TRUE(UnpackRoomString(packed + std::string(90, 'q'), g, error));
    EXPECT_EQ(PackRoomString(g).size(), 1710u);
}

TEST(Rooms, ShortStringFillsWhatItCanAndFails) {
    StringGrid g(31, 20);
    g.SetCell(0, 0, "junk");
    g.SetCell(0, 5, "junk");
    std::string error;
    EXPECT_FALSE(UnpackRoomString(Numbered().substr(0, 100), g, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(g.Cell(3, 2), Numbered().substr(96, 3));  // square 33: the last whole one
    EXPECT_EQ(g.Cell(4, 2), "");                        // partly present: left empty
    EXPECT_EQ(g.Cell(30, 19), "");
    EXPECT_EQ(g.Cell(0, 0), "");  // row 0 and column 0 always end up empty
    EXPECT_EQ(g.Cell(0, 5), "");
    EXPECT_FALSE(UnpackRoomString("", g, error));
    EXPECT_EQ(g.Cell(1, 1), "");
}

TEST(Rooms, EnterRoomAndWriteBack) {
    TempGameDir dir;
    test::LevelSpec spec;
    spec.roomsAcross = 2;
    spec.rooms = {test::MakeRoom("A00", {{3, 4, "A46"}, {5, 4, "A47"}}), "A00A01"};
    dir.WriteLevel(0, spec);
    HeadlessApp h(dir);
    ASSERT_TRUE(h.Start());
    App& app = *h.app;
    ASSERT_TRUE(LoadLevel(app, 0));
    ASSERT_TRUE(EnterRoom(app.game, app, 1, 1));
    EXPECT_EQ(app.game.RoomGrid.Cell(3, 4), "A46");
    app.game.RoomGrid.SetCell(10, 10, "A37");
    PackRoom(app.game, 1, 1, app.game.RoomGrid);
    EXPECT_EQ(app.game.LevelGrid.Cell(1, 1).substr(3 * (9 * 30 + 9), 3), "A37");

    h.pf.ClearBoxes();
    EXPECT_FALSE(EnterRoom(app.game, app, 2, 1));  // a short room
    EXPECT_EQ(app.game.CurrentRoomCol, 2);
    ASSERT_EQ(h.pf.Boxes().size(), 1u);
    EXPECT_EQ(h.pf.Boxes()[0].kind, BoxKind::Exception);
    EXPECT_EQ(app.game.RoomGrid.Cell(2, 1), "A01");
    EXPECT_EQ(app.game.RoomGrid.Cell(3, 1), "");

    CopyRoomToBuffer(app.game);
    EXPECT_EQ(app.game.BufferGrid.Cell(1, 1), "A00");
}

TEST(Rooms, OffRoomBounds) {
    Game g;
    for (auto [c, r] : {std::pair{0, 5}, {31, 5}, {5, 0}, {5, 20}, {-1, -1}})
        EXPECT_TRUE(IsOffRoom(g, c, r)) << c << "," << r;
    for (auto [c, r] : {std::pair{1, 1}, {30, 19}, {15, 10}})
        EXPECT_FALSE(IsOffRoom(g, c, r)) << c << "," << r;
}

}  // namespace
}  // namespace murk
