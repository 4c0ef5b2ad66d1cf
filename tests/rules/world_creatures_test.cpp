// World rules: chasers step toward the nearest player, wanderers roam and cross walls.
#include <gtest/gtest.h>

#include "rules_fixture.h"
#include "world/creatures.h"

namespace murk {
namespace {

using Creatures = test::WorldTest;

TEST_F(Creatures, ChaseStepGoesThroughEnemyPassableWallsOrNotAtAll) {
    PutAll({{5, 4}, {5, 3}}, "A35");
    PutAll({{4, 4}, {6, 4}}, "A32");
    EXPECT_EQ(ChaseStep(g(), {5, 1}, {5, 5}), (Square{5, 2}));
    // A wall it cannot get out of toward the target: no move at all.
    PutAll({{4, 3}, {5, 3}, {6, 3}}, "A32");
    EXPECT_EQ(ChaseStep(g(), {5, 1}, {5, 5}), (Square{5, 5}));
}

TEST_F(Creatures, ChaseStepIsGreedyAndTakesTheFirstOfEquallyNearSquares) {
    Put(9, 9, "A32");  // the diagonal toward (8, 8) is blocked; north and west are as near
    EXPECT_EQ(ChaseStep(g(), {8, 8}, {10, 10}), (Square{10, 9}));
    for (int c = 9; c <= 11; ++c)
        Put(c, 9, "A32");  // nothing nearer: stays, though a way round exists
    EXPECT_EQ(ChaseStep(g(), {10, 5}, {10, 10}), (Square{10, 10}));
    EXPECT_EQ(ChaseStep(g(), {10, 10}, {10, 10}), (Square{10, 10}));  // no target
}

TEST_F(Creatures, NearestTargetGoesToTheLaterOfEquallyNearEntries) {
    TargetList& t = g().world.targets;
    t.count = 3;
    t.items[0] = {1, 1};
    t.items[1] = {9, 1};
    t.items[2] = {20, 1};
    EXPECT_EQ(NearestTarget(g(), {5, 1}), (Square{9, 1}));
    t.count = 0;
    EXPECT_EQ(NearestTarget(g(), {5, 1}), (Square{5, 1}));
}

TEST_F(Creatures, ChasersMoveOncePerScanTowardThePlayerAndAreSpentOnTheBite) {
    Place(P1(), 20, 10);
    Put(5, 10, "A02");  // steps east and
    Put(20, 2, "A11");  // south: onto squares the scan has still to reach
    Scan();
    EXPECT_EQ(At(6, 10), "A02");
    EXPECT_EQ(At(20, 3), "A11");
    EXPECT_EQ(At(5, 10), "A00");

    Put(6, 10, "A00");
    Put(20, 3, "A00");
    Put(21, 11, "A06");  // a diagonal neighbour
    Scan();
    EXPECT_EQ(At(20, 10), "A46");  // the player's tile stays; the cow is gone
    EXPECT_EQ(Count("A06"), 0);
}

// An abort answered while the scan lets messages through ends the game there: the rest of the
// room does not move under the menu.
TEST_F(Creatures, AnAbortDuringTheScanStopsTheRestOfIt) {
    const auto twoAnts = [this] {
        StartWorld();
        Place(P1(), 20, 10);
        Put(5, 3, "A02");
        Put(5, 15, "A02");
    };
    twoAnts();
    host.AtPump(1, [this] { Abort(); });  // the tick's first
    Scan();
    EXPECT_EQ(At(5, 3), "A02");
    EXPECT_EQ(At(5, 15), "A02");

    // Part-way: the ant above has moved, the one below stays.
    twoAnts();
    host.onPump = [this] {
        if (At(5, 3) == "A00") Abort();
    };
    Scan();
    EXPECT_EQ(At(5, 3), "A00");
    EXPECT_EQ(Count("A02"), 2);
    EXPECT_EQ(At(5, 15), "A02");
}

TEST_F(Creatures, ChasersStayWithoutALivingPlayer) {
    RemoveP1();
    Put(10, 10, "A04");
    Scans(5);
    EXPECT_EQ(At(10, 10), "A04");
}

TEST_F(Creatures, WallCrossingEndsPastTheWallsOnFloorOrAPlayerOnly) {
    for (int c = 6; c <= 7; ++c) Put(c, 5, "A35");
    EXPECT_EQ(WallCrossing(g(), 3, {5, 5}, {6, 5}), (Square{8, 5}));
    Put(8, 5, "A47");
    EXPECT_EQ(WallCrossing(g(), 3, {5, 5}, {6, 5}), (Square{8, 5}));
    Put(8, 5, "A37");
    EXPECT_EQ(WallCrossing(g(), 3, {5, 5}, {6, 5}), (Square{5, 5}));
    for (int c = 29; c <= 30; ++c) Put(c, 5, "A35");  // runs to the edge: never out through a wall
    EXPECT_EQ(WallCrossing(g(), 3, {28, 5}, {29, 5}), (Square{28, 5}));
}

TEST_F(Creatures, WanderersNeitherMultiplyNorVanishInARoomWithoutNeighbours) {
    Place(P1(), 20, 15);
    WallAround(20, 15);  // out of the frogs' reach
    Put(1, 1, "A09");    // on a corner, with no room anywhere beyond
    Put(10, 10, "A09");  // walled in
    WallAround(10, 10);
    bool moved = false;
    for (int i = 0; i < 300; ++i) {
        Scan();
        moved = moved || At(1, 1) != "A09";
        ASSERT_EQ(Count("A09"), 2) << i;
    }
    EXPECT_TRUE(moved);
    EXPECT_EQ(At(10, 10), "A09");
}

}  // namespace
}  // namespace murk
