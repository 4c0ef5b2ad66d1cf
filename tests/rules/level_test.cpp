// Level files read into the game with their failures; rooms unpacked, entered and packed.
#include <gtest/gtest.h>

#include "game/state.h"
#include "gamedir.h"
#include "level/levels.h"
#include "level/room.h"
#include "rules_host.h"

namespace murk {
namespace {

using test::RecordingHost;
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

// Reads level `level` of `dir` as loading it for play does.
LevelLoad Read(Game& g, RecordingHost& host, const TempGameDir& dir, int level) {
    std::string text;
    const FileReadResult read =
        ReadWholeFile(LevelFileName(dir.Dir(), level), kMaxGridFileBytes, text);
    return ReadLevel(g, level, read, text, [&host] { host.PumpMessages(); });
}

TEST(LevelRead, ReadSetsGridStartDataAndTitle) {
    TempGameDir dir;
    dir.WriteLevel(0);
    test::LevelSpec spec;
    spec.title = "Caves";
    spec.roomsAcross = 2;
    spec.rooms = {test::MakeRoom("A32"), test::MakeRoom("A00")};
    spec.p1Col = 7, spec.p1Row = 8, spec.p2Col = 9, spec.p2Row = 10;
    spec.startRoomCol = 2;
    dir.WriteLevel(12, spec);
    Game g;
    RecordingHost host;
    LevelLoad load = Read(g, host, dir, 12);
    ASSERT_TRUE(load.loaded);
    EXPECT_EQ(load.title, "Level 12 - Caves");
    EXPECT_EQ(g.LevelGrid.ColCount(), 3);
    EXPECT_EQ(g.LevelGrid.RowCount(), 2);
    EXPECT_EQ(g.LevelGrid.Cell(1, 1), test::MakeRoom("A32"));
    EXPECT_EQ(g.P1().startCol, 7);
    EXPECT_EQ(g.P1().startRow, 8);
    EXPECT_EQ(g.P2().startCol, 9);
    EXPECT_EQ(g.P2().startRow, 10);
    EXPECT_EQ(g.StartRoomCol, 2);
    EXPECT_EQ(g.StartRoomRow, 1);
    load = Read(g, host, dir, 0);
    ASSERT_TRUE(load.loaded);
    EXPECT_EQ(load.title, "Level 0 - Test");
}

TEST(LevelRead, FailedReadsReportAndLeaveTheGridReset) {
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
    Game g;
    RecordingHost host;
    ASSERT_TRUE(Read(g, host, dir, 0).loaded);
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
        const LevelLoad load = Read(g, host, dir, c.level);
        EXPECT_FALSE(load.loaded);
        EXPECT_EQ(load.error, c.message);
        EXPECT_EQ(g.LevelGrid.RowCount(), 2);
        EXPECT_EQ(g.LevelGrid.ColCount(), 2);
        EXPECT_EQ(g.LevelGrid.Cell(1, 1), "");
        EXPECT_EQ(g.LevelGrid.Cell(1, 0), "Test");  // row 0 keeps the previous title
        EXPECT_EQ(g.P1().startCol, 3);
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
    test::LevelSpec spec;
    spec.roomsAcross = 2;
    spec.rooms = {test::MakeRoom("A00", {{3, 4, "A46"}, {5, 4, "A47"}}), "A00A01"};
    Game g;
    RecordingHost host;
    g.LevelGrid = test::LevelGridOf(spec);
    ASSERT_TRUE(EnterRoom(g, host, 1, 1));
    EXPECT_EQ(g.RoomGrid.Cell(3, 4), "A46");
    g.RoomGrid.SetCell(10, 10, "A37");
    PackRoom(g, 1, 1, g.RoomGrid);
    EXPECT_EQ(g.LevelGrid.Cell(1, 1).substr(3 * (9 * 30 + 9), 3), "A37");

    EXPECT_FALSE(EnterRoom(g, host, 2, 1));  // a short room
    EXPECT_EQ(g.CurrentRoomCol, 2);
    EXPECT_EQ(host.Count("error "), 1);
    EXPECT_EQ(g.RoomGrid.Cell(2, 1), "A01");
    EXPECT_EQ(g.RoomGrid.Cell(3, 1), "");

    CopyRoomToBuffer(g);
    EXPECT_EQ(g.BufferGrid.Cell(1, 1), "A00");
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
