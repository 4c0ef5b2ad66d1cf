// Placing tiles into the neighbouring rooms: edges, corners, missing rooms, and what crosses.
#include "world/neighbour.h"

#include <gtest/gtest.h>

#include <string>

#include "level/room.h"
#include "rules_fixture.h"

namespace murk {
namespace {

// A 3 x 3 level of empty rooms, played from the middle one.
class Neighbour : public test::WorldTest {
protected:
    void SetUp() override {
        test::LevelSpec spec;
        spec.roomsAcross = spec.roomsDown = 3;
        for (int i = 0; i < 9; ++i) spec.rooms.push_back(test::MakeRoom());
        spec.rooms[4] = test::MakeRoom("A00", {{3, 4, "A46"}});
        spec.startRoomCol = spec.startRoomRow = 2;
        StartWorld(spec);
        ASSERT_EQ(g().CurrentRoomCol, 2);
    }

    StringGrid StoredRoom(int roomCol, int roomRow) {
        StringGrid room;
        std::string error;
        EXPECT_TRUE(UnpackRoomString(g().LevelGrid.Cell(roomCol, roomRow), room, error));
        return room;
    }
    std::string Stored(int roomCol, int roomRow, int col, int row) {
        return StoredRoom(roomCol, roomRow).Cell(col, row);
    }
    // How many squares of all stored rooms hold `code`.
    int StoredCount(const std::string& code) {
        int n = 0;
        for (int rr = 1; rr <= 3; ++rr)
            for (int rc = 1; rc <= 3; ++rc) {
                const StringGrid room = StoredRoom(rc, rr);
                for (int r = 1; r <= 19; ++r)
                    for (int c = 1; c <= 30; ++c) n += room.Cell(c, r) == code;
            }
        return n;
    }
};

TEST_F(Neighbour, PlaceInRoomChangesOneFloorSquareOfAnExistingRoomOnly) {
    const std::string before = g().LevelGrid.Cell(2, 1);
    EXPECT_TRUE(PlaceInRoom(g(), 2, 1, "A09", 12, 19));
    std::string expected = before;
    expected.replace(static_cast<size_t>((18 * 30 + 11) * 3), 3, "A09");
    EXPECT_EQ(g().LevelGrid.Cell(2, 1), expected);

    EXPECT_FALSE(PlaceInRoom(g(), 2, 1, "A31", 12, 19));  // taken
    EXPECT_EQ(g().LevelGrid.Cell(2, 1), expected);
    for (const auto& [rc, rr] : {std::pair{0, 1}, {4, 1}, {1, 0}, {1, 4}})
        EXPECT_FALSE(PlaceInRoom(g(), rc, rr, "A09", 5, 5)) << rc << "," << rr;

    g().LevelGrid.SetCell(3, 3, "A00A00");  // a damaged room is left as it is
    EXPECT_FALSE(PlaceInRoom(g(), 3, 3, "A09", 1, 1));
    EXPECT_EQ(g().LevelGrid.Cell(3, 3), "A00A00");
}

TEST_F(Neighbour, EdgeSquaresPassToTheFacingSquareOfTheNextRoom) {
    const std::string own = g().LevelGrid.Cell(2, 2);
    EXPECT_TRUE(PassToNeighbourRoom(g(), 12, 1, "A02"));
    EXPECT_EQ(Stored(2, 1, 12, 19), "A02");
    EXPECT_TRUE(PassToNeighbourRoom(g(), 30, 7, "A04"));
    EXPECT_EQ(Stored(3, 2, 1, 7), "A04");
    EXPECT_TRUE(PassToNeighbourRoom(g(), 12, 19, "A06"));
    EXPECT_EQ(Stored(2, 3, 12, 1), "A06");
    EXPECT_TRUE(PassToNeighbourRoom(g(), 1, 7, "A07"));
    EXPECT_EQ(Stored(1, 2, 30, 7), "A07");
    EXPECT_FALSE(PassToNeighbourRoom(g(), 12, 1, "A09"));  // now taken
    EXPECT_FALSE(PassToNeighbourRoom(g(), 12, 5, "A09"));  // on no edge
    EXPECT_EQ(StoredCount("A09"), 0);
    EXPECT_EQ(g().LevelGrid.Cell(2, 2), own);
}

TEST_F(Neighbour, ACornerPassesIntoOneRoomOnlyTheDiagonalOneFirst) {
    EXPECT_TRUE(PassToNeighbourRoom(g(), 1, 1, "A09"));
    EXPECT_EQ(Stored(1, 1, 30, 19), "A09");
    EXPECT_EQ(StoredCount("A09"), 1);
    // The diagonal square is taken now: the next room that takes it is the one above.
    EXPECT_TRUE(PassToNeighbourRoom(g(), 1, 1, "A31"));
    EXPECT_EQ(Stored(2, 1, 1, 19), "A31");
    EXPECT_EQ(StoredCount("A31"), 1);
}

TEST_F(Neighbour, DartsCrossStraightOrDiagonallyIntoTheNextRoom) {
    Put(10, 1, "A65");   // north-east through the top edge: on along its diagonal
    Put(30, 19, "A67");  // south-east through the corner: the diagonal room
    Put(30, 10, "A66");
    Put(1, 10, "A64");  // north, but not on the top edge: stays in this room
    Scan();
    EXPECT_EQ(Stored(2, 1, 11, 19), "A65");
    EXPECT_EQ(Stored(3, 3, 1, 1), "A67");
    EXPECT_EQ(Stored(3, 2, 1, 10), "A66");
    EXPECT_EQ(At(1, 9), "A64");
    EXPECT_EQ(Count("A00"), 570 - 2);
}

TEST_F(Neighbour, WanderersAndEdgeProducersCrossFromTheEdge) {
    Put(12, 1, "A09");  // a frog that can only step north, out of the room
    PutAll({{11, 1}, {13, 1}, {11, 2}, {12, 2}, {13, 2}}, "A32");
    Put(20, 19, "A01");  // an ant producer and a frog producer on the bottom edge
    Put(26, 19, "A08");
    // The frogs stay in a pocket above it; only the one frog ever leaves the room.
    PutAll({{25, 17}, {26, 17}, {27, 17}, {25, 18}, {27, 18}, {25, 19}, {27, 19}}, "A32");
    Scans(300);
    EXPECT_EQ(At(12, 1), "A00");
    EXPECT_EQ(Stored(2, 1, 12, 19), "A09");
    EXPECT_EQ(StoredCount("A09"), 1);
    EXPECT_EQ(At(26, 18), "A09");
    EXPECT_EQ(Stored(2, 3, 20, 1), "A02");
}

}  // namespace
}  // namespace murk
