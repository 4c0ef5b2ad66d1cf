// The rules on a bare game state: a recording host stands in for the program, so nothing is
// started, drawn or played, and every random number is chosen by the test.
#include "game/host.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "combat/bullets.h"
#include "combat/impacts.h"
#include "game/state.h"
#include "rules_host.h"

namespace murk {
namespace {

using test::RecordingHost;

// A game under way in a room of floor, player 1 at (3, 4).
Game BareGame() {
    Game g;
    for (int r = 1; r <= kRoomRows; ++r)
        for (int c = 1; c <= kRoomCols; ++c) g.RoomGrid.SetCell(c, r, "A00");
    g.PlayerCount = 1;
    g.GameStopped = false;
    InitPlayer(g.P1(), 1);
    InitPlayer(g.P2(), 2);
    g.P1().col = 3, g.P1().row = 4;
    g.RoomGrid.SetCell(3, 4, "A46");
    return g;
}

TEST(BareRules, AShotFlyingEastKillsAnAntThroughTheHostAlone) {
    Game g = BareGame();
    RecordingHost host;
    g.RoomGrid.SetCell(5, 4, "A02");
    g.P1().heldDir = 3;  // east
    g.P1().fireHeld = true;
    BulletStep(g, host, FootingNow(g));  // fired, flies onto (4, 4)
    BulletStep(g, host, FootingNow(g));  // leaves (4, 4), hits the ant
    // Two pumps for player 1's bullet, one for player 2's (it has none), each step.
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"pump", "sound S00", "pump", "draw 4,4 A50", "pump", "pump",
                                        "draw 4,4 A00", "pump", "draw 5,4 A00", "pump"}));
    EXPECT_EQ(g.RoomGrid.Cell(5, 4), "A00");
    EXPECT_EQ(g.P1().points, 10);
    EXPECT_FALSE(g.P1().bulletInFlight);
}

TEST(BareRules, TheHostsRandomNumbersChooseWhatABurstLeaves) {
    Game g = BareGame();
    RecordingHost host;
    g.RoomGrid.SetCell(10, 10, "A10");  // horse producer
    // Per square of the 3 x 3 block: 1 skips it, 0 then k fills it with burst tile k.
    host.randoms = {1, 1, 1, 1, 0, 6, 1, 1, 1, 1};
    Impact(g, host, 10, 10, g.P1());
    EXPECT_EQ(g.RoomGrid.Cell(10, 10), "A07");  // the centre, now a chigger
    EXPECT_EQ(g.RoomGrid.Cell(9, 10), "A00");
    EXPECT_EQ(g.P1().points, 150);
}

TEST(BareRules, AnAbortAtThePumpStopsTheBulletStepBeforeItTouchesTheRoom) {
    Game g = BareGame();
    RecordingHost host;
    g.P1().heldDir = 3;
    g.P1().fireHeld = true;
    host.onPump = [&g] { g.GameStopped = true; };
    BulletStep(g, host, FootingNow(g));
    EXPECT_EQ(host.calls, std::vector<std::string>{"pump"});
    EXPECT_FALSE(g.P1().bulletInFlight);
    EXPECT_EQ(g.RoomGrid.Cell(4, 4), "A00");
}

}  // namespace
}  // namespace murk
