// World rules: fire darts in flight, dart producers, laser flashes and beams going out.
#include <gtest/gtest.h>

#include <string>

#include "combat/impacts.h"
#include "game/tileclasses.h"
#include "rules_fixture.h"
#include "world/rules.h"

namespace murk {
namespace {

using Hazards = test::WorldTest;

TEST_F(Hazards, ADartFliesOneSquarePerScanAndLeavesFloor) {
    Put(5, 10, "A66");  // east: onto squares the scan has still to reach
    Scan();
    EXPECT_EQ(At(5, 10), "A00");
    EXPECT_EQ(At(6, 10), "A66");
    Scan();
    EXPECT_EQ(At(7, 10), "A66");
    EXPECT_EQ(Count("A66"), 1);
}

TEST_F(Hazards, ADartEndsOnWhatItCannotPass) {
    Place(P1(), 20, 18);
    for (int row : {5, 8, 12}) Put(5, row, "A66");
    Put(6, 5, "A32");   // a wall
    Put(6, 8, "A64");   // another dart, which flies on north
    Put(6, 12, "A19");  // a dart producer, which can only fire back west
    WallAround(6, 12, {{5, 12}});
    Scan();
    EXPECT_EQ(At(6, 5), "A32");
    EXPECT_EQ(At(6, 7), "A64");
    EXPECT_EQ(At(6, 12), "A19");
    EXPECT_EQ(Count("A66"), 0);
}

TEST_F(Hazards, ADartHittingAPlayerIsSpentAndLeavesThePlayerOnTheBoard) {
    Put(2, 4, "A66");  // the player (shielded) stands at (3, 4)
    Scan();
    EXPECT_EQ(At(3, 4), "A46");
    EXPECT_EQ(At(2, 4), "A00");
    EXPECT_EQ(Count("A66"), 0);
}

TEST_F(Hazards, ADartDestroysTheCreatureInItsWay) {
    Put(10, 10, "A02");
    if (!IsHostileTile(g(), 10, 10)) GTEST_SKIP() << "the hostile-tile class is not in yet";
    RemoveP1();  // the ant stays where it is
    Put(9, 10, "A66");
    Scan();
    EXPECT_EQ(At(10, 10), "A66");
    EXPECT_EQ(Count("A02"), 0);
}

TEST_F(Hazards, ADartProducerFiresOnlyOntoFloorAndNotRightBehindADartOfItsWay) {
    Put(10, 10, "A19");
    WallAround(10, 10, {{11, 10}});
    Put(12, 10, "A66");
    for (int i = 0; i < 100; ++i) FireProducerRule(g(), host, 10, 10, "A19");
    EXPECT_EQ(At(11, 10), "A00");

    Put(12, 10, "A00");
    int scans = 0;
    while (At(11, 10) == "A00" && ++scans < 100) Scan();
    EXPECT_EQ(At(11, 10), "A66");  // a new dart waits for the next scan to fly
    EXPECT_EQ(Count("A66"), 1);

    Put(20, 10, "A19");
    WallAround(20, 10);
    for (int i = 0; i < 100; ++i) FireProducerRule(g(), host, 20, 10, "A19");
    EXPECT_EQ(Count("A32"), 7 + 8);
}

TEST_F(Hazards, ABeamBurnsWhatItStandsOnAndGoesOutOnItsSetsOwnClock) {
    Put(10, 10, "A22");  // set 1, facing east
    Put(12, 10, "A86");  // set 2, facing west: the same square
    Put(11, 10, "A32");
    Scan(64);
    EXPECT_EQ(At(11, 10), "A74");
    Scan(70, 64);  // set 2 flashes over set 1's beam
    EXPECT_EQ(At(11, 10), "A94");
    Scan(80, 70);  // set 1's beams go out: there is none of them left
    EXPECT_EQ(At(11, 10), "A94");
    Scan(81, 80);
    EXPECT_EQ(At(11, 10), "A00");
}

TEST_F(Hazards, ABeamEarlierInTheScanDoesNotHaltABurningChain) {
    Put(12, 10, "A22");  // set 1, facing east: its beam burns (13, 10)
    Put(13, 10, "A33");
    Put(13, 11, "A34");  // burns on north from the row after the beam's
    Scan(64);
    EXPECT_EQ(At(13, 10), "A34");
}

TEST_F(Hazards, ALaserSparesAPlayersTileAndFlashesAtNothingOutsideTheRoom) {
    Put(2, 4, "A22");  // facing the player at (3, 4)
    Put(5, 1, "A20");  // facing north, out of the room
    Scan(64);
    EXPECT_EQ(At(3, 4), "A46");
    EXPECT_EQ(At(5, 0), "");
    EXPECT_EQ(Count("A00"), 570 - 3);
}

// The scan goes by its snapshot: a thing taken over earlier in the same scan still runs its
// own rule, and its leaving does not clear the square the other thing now holds.
TEST_F(Hazards, AThingTakenOverEarlierInTheScanStillActsFromTheSnapshot) {
    Place(P1(), 20, 5);
    Put(4, 5, "A22");  // a laser facing east flashes over the ant before the ant's turn
    Put(5, 5, "A02");
    Scan(64);
    EXPECT_EQ(At(5, 5), "A74");
    EXPECT_EQ(At(6, 5), "A02");
    EXPECT_EQ(Count("A02"), 1);
}

}  // namespace
}  // namespace murk
