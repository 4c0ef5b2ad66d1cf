// Room changes: which neighbour a walk off the edge takes, who may leave, arrival, write-back.
#include "players/roomchange.h"

#include <gtest/gtest.h>

#include "rules_fixture.h"

namespace murk {
namespace {

// A 3 x 3 level of empty rooms, started in room (col, row).
test::LevelSpec Rooms3x3(int col, int row) {
    test::LevelSpec spec;
    spec.roomsAcross = spec.roomsDown = 3;
    for (int i = 0; i < 9; ++i) spec.rooms.push_back(test::MakeRoom());
    spec.startRoomCol = col;
    spec.startRoomRow = row;
    return spec;
}

class RoomChangeTest : public test::RulesTest {
protected:
    void Start(int players, int roomCol = 2, int roomRow = 2) {
        StartOn(players, Rooms3x3(roomCol, roomRow));
    }
    std::pair<int, int> Room() { return {g().CurrentRoomCol, g().CurrentRoomRow}; }
    // The square (col, row) of room (roomCol, roomRow) as written back into the level.
    std::string Stored(int roomCol, int roomRow, int col, int row) {
        return g()
            .LevelGrid.Cell(roomCol, roomRow)
            .substr(static_cast<size_t>(((row - 1) * 30 + col - 1) * 3), 3);
    }
};

TEST_F(RoomChangeTest, WalkingOffTheEastEdgeEntersTheNextRoomOnlyWhenThereIsOne) {
    Start(1, 2, 3);
    Place(P1(), 30, 7);
    Walk(3);
    EXPECT_EQ(Room(), std::make_pair(3, 3));
    EXPECT_EQ(P1().col, 1);
    EXPECT_EQ(P1().row, 7);
    EXPECT_EQ(At(1, 7), "A46");
    EXPECT_EQ(Stored(2, 3, 30, 7), "A00");

    Place(P1(), 30, 7);
    Walk(3);
    EXPECT_EQ(Room(), std::make_pair(3, 3));  // the level's edge
    EXPECT_EQ(P1().col, 30);
}

TEST_F(RoomChangeTest, ADiagonalWalkOffTheRoomTakesTheNeighbourItsSquareNames) {
    struct Case {
        int col, row, dir;
        std::pair<int, int> room;
        int arriveCol, arriveRow;
    };
    const Case cases[] = {
        {5, 1, 2, {2, 1}, 5, 19},  {30, 1, 2, {3, 1}, 1, 19}, {30, 7, 2, {3, 2}, 1, 7},
        {30, 19, 4, {3, 3}, 1, 1}, {1, 19, 6, {1, 3}, 30, 1}, {1, 7, 6, {1, 2}, 30, 7},
        {8, 19, 6, {2, 3}, 8, 1},  {1, 1, 8, {1, 1}, 30, 19}, {9, 1, 8, {2, 1}, 9, 19},
    };
    for (const Case& c : cases) {
        Start(1);
        Place(P1(), c.col, c.row);
        Walk(c.dir);
        EXPECT_EQ(Room(), c.room) << c.col << "," << c.row << " dir " << c.dir;
        EXPECT_EQ(P1().col, c.arriveCol) << c.col << "," << c.row << " dir " << c.dir;
        EXPECT_EQ(P1().row, c.arriveRow) << c.col << "," << c.row << " dir " << c.dir;
    }
}

TEST_F(RoomChangeTest, TwoLivingPlayersLeaveOnlyTogetherPushingOneWay) {
    Start(2);
    Place(P1(), 12, 1);
    Place(P2(), 20, 1);
    P1().heldDir = 1;
    P2().heldDir = 2;
    Steps();
    EXPECT_EQ(Room(), std::make_pair(2, 2));

    P2().heldDir = 1;
    Steps();
    EXPECT_EQ(Room(), std::make_pair(2, 1));
    EXPECT_EQ(At(12, 19), "A46");
    EXPECT_EQ(At(20, 19), "A47");
    EXPECT_EQ(P2().heldDir, 0);  // player 2 waits for its key again
    EXPECT_EQ(P1().heldDir, 1);
}

TEST_F(RoomChangeTest, TwoLivingPlayersNeverChangeDiagonally) {
    Start(2);
    Place(P1(), 1, 1);
    Place(P2(), 1, 5);
    P1().heldDir = 8;
    P2().heldDir = 8;
    P2().fireHeld = true;  // stands still; a change west would now be allowed
    Steps();
    EXPECT_EQ(Room(), std::make_pair(2, 2));  // and the west change is not tried instead
    EXPECT_EQ(P1().col, 1);
    EXPECT_EQ(P1().row, 1);
}

TEST_F(RoomChangeTest, WithPlayer2DeadPlayer1GoesAloneAndPlayer2sSquareFollows) {
    Start(2);
    P2().dead = true;
    Put(5, 4, "A00");
    Place(P1(), 30, 19);
    Walk(4);
    EXPECT_EQ(Room(), std::make_pair(3, 3));
    EXPECT_EQ(P1().col, 1);
    EXPECT_EQ(P1().row, 1);
    EXPECT_EQ(P2().col, 1);
    EXPECT_EQ(P2().row, 1);
    EXPECT_EQ(At(1, 1), "A46");
}

TEST_F(RoomChangeTest, TheRoomLeftKeepsItsStateButNotTheBulletOrThePlayer) {
    Start(1);
    Put(10, 10, "A02");
    Put(12, 10, "A49");
    P1().bulletInFlight = true;
    P1().bulletCol = 12;
    P1().bulletRow = 10;
    Place(P1(), 6, 1);
    Walk(1);
    EXPECT_FALSE(P1().bulletInFlight);
    Place(P1(), 6, 19);
    Walk(5);
    EXPECT_EQ(Room(), std::make_pair(2, 2));
    EXPECT_EQ(At(10, 10), "A02");
    EXPECT_EQ(At(12, 10), "A00");
    EXPECT_EQ(At(6, 1), "A46");
    EXPECT_EQ(g().BufferGrid.Cell(10, 10), "A02");
}

TEST_F(RoomChangeTest, AHeldBombGoesBackIntoThePackWhenThePartnerLeads) {
    Start(2);
    Place(P1(), 12, 1);
    Place(P2(), 20, 1);
    Put(13, 1, "ZAA");
    P1().bombs = 1;
    FireOnBomb();
    P1().heldDir = 3;
    Steps();  // the bomb now covers the slide field
    ASSERT_EQ(At(13, 1), "A41");
    P1().heldDir = P2().heldDir = 1;
    Steps();  // the bomb stops at the edge; player 2 takes both players north
    EXPECT_EQ(Room(), std::make_pair(2, 1));
    EXPECT_FALSE(P1().bombHeld);
    EXPECT_EQ(P1().bombs, 1);
    EXPECT_EQ(Stored(2, 2, 13, 1), "ZAA");
    EXPECT_EQ(Stored(2, 2, 12, 1), "A00");
    EXPECT_EQ(At(12, 19), "A46");
}

}  // namespace
}  // namespace murk
