// Bullet impacts: the tile classes over the whole catalogue, step-downs and points, the horse
// producer's burst, chain walls, bombs and hearts.
#include "combat/impacts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/tiles.h"
#include "game/tileclasses.h"
#include "rules_fixture.h"

namespace murk {
namespace {

std::set<std::string> Codes(std::initializer_list<const char*> codes) {
    return {codes.begin(), codes.end()};
}

// Every catalogue code that passes `test` when it stands at (10, 10).
template <typename Test>
std::set<std::string> Members(Game& g, Test test) {
    std::set<std::string> out;
    for (int i = 0; i < kTileCount; ++i) {
        g.RoomGrid.SetCell(10, 10, TileCodeAt(i));
        if (test(g, 10, 10)) out.insert(TileCodeAt(i));
    }
    return out;
}

class ImpactTest : public test::RulesTest {
protected:
    void SetUp() override { Start(1); }
    // Shoots (c, r) with player 1's bullet as the bullet step does; returns what stands there.
    std::string Shoot(int c, int r) {
        if (IsBulletTarget(g(), c, r)) Impact(g(), host, c, r, g().P1());
        return At(c, r);
    }
};

TEST_F(ImpactTest, TileClassesOverTheWholeCatalogue) {
    const std::set<std::string> hostile =
        Codes({"A01", "A02", "A03", "A04", "A05", "A06", "A07", "A08", "A09", "A10",
               "A11", "A12", "A13", "A14", "A15", "A16", "A17", "A18", "A19", "A31"});
    EXPECT_EQ(Members(g(), IsHostileTile), hostile);
    EXPECT_EQ(Members(g(), IsGrowingPigProducer), Codes({"A12", "A13", "A14", "A15"}));

    // Pig and adult pig producer stop bullets unharmed; walls, bombs and hearts can be shot.
    std::set<std::string> target = hostile;
    target.erase("A16");
    target.erase("A17");
    target.insert({"A33", "A34", "A36", "B29", "B30", "A41", "A42"});
    EXPECT_EQ(Members(g(), IsBulletTarget), target);

    // Pig producers of every stage survive blasts; bombs and players do not.
    std::set<std::string> blast = hostile;
    for (const char* pig : {"A12", "A13", "A14", "A15", "A16"}) blast.erase(pig);
    blast.insert({"A41", "A46", "A47"});
    EXPECT_EQ(Members(g(), IsBlastAffected), blast);

    // Off the playfield nothing belongs to any class, whatever the grid holds there.
    for (auto [c, r] : {std::pair{0, 5}, {5, 0}, {31, 5}, {5, 20}}) {
        Put(c, r, "A02");
        EXPECT_FALSE(IsHostileTile(g(), c, r) || IsBulletTarget(g(), c, r) ||
                     IsBlastAffected(g(), c, r))
            << c << ',' << r;
    }
}

TEST_F(ImpactTest, EnemiesAndProducersStepDownWithTheirPoints) {
    Put(10, 10, "A07");
    std::vector<std::string> seen;
    for (int i = 0; i < 4; ++i) seen.push_back(Shoot(10, 10));
    EXPECT_EQ(seen, (std::vector<std::string>{"A06", "A04", "A02", "A00"}));
    EXPECT_EQ(g().P1().points, 100);

    g().P1().points = 0;
    Put(10, 10, "A05");
    seen.clear();
    for (int i = 0; i < 3; ++i) seen.push_back(Shoot(10, 10));
    EXPECT_EQ(seen, (std::vector<std::string>{"A03", "A01", "A00"}));
    EXPECT_EQ(g().P1().points, 210);

    struct Case {
        const char* hit;
        const char* after;
        int points;
    };
    for (const Case& c : {Case{"A31", "A04", 5},
                          {"A09", "A00", 25},
                          {"A11", "A00", 25},
                          {"A08", "A00", 75},
                          {"A18", "A00", 100},
                          {"A12", "A00", 3},
                          {"A13", "A00", 3},
                          {"A14", "A00", 5},
                          {"A15", "A00", 7},
                          {"A36", "A00", 0},
                          {"A19", "A19", 0},
                          {"A16", "A16", 0},
                          {"A17", "A17", 0},
                          {"A32", "A32", 0}}) {
        g().P1().points = 1000;
        Put(10, 10, c.hit);
        EXPECT_EQ(Shoot(10, 10), c.after) << c.hit;
        EXPECT_EQ(g().P1().points, 1000 + c.points) << c.hit;
    }
}

TEST_F(ImpactTest, PointsGoToTheShooter) {
    Put(10, 10, "A02");
    Impact(g(), host, 10, 10, g().P2());
    EXPECT_EQ(g().P2().points, 10);
    EXPECT_EQ(g().P1().points, 0);
}

TEST_F(ImpactTest, HorseProducerBurstsOnlyOverFloorAndHostileSquaresOfItsBlock) {
    // Around (10, 10): hostile and floor squares may change; a wall, an item, a player and a
    // bullet never do, nor anything outside the block.
    const std::set<std::string> burstTiles =
        Codes({"A01", "A03", "A05", "A08", "A10", "A18", "A07"});
    std::set<std::string> seenInCentre;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        g().rng.Seed(seed);
        for (int r = 8; r <= 12; ++r)
            for (int c = 8; c <= 12; ++c) Put(c, r, "A02");
        Put(9, 9, "A32");
        Put(10, 9, "A40");
        Put(11, 9, "A46");
        Put(9, 10, "A50");
        Put(11, 11, "A00");
        Put(10, 10, "A10");
        g().P1().points = 0;
        Shoot(10, 10);
        EXPECT_EQ(g().P1().points, 150);
        EXPECT_EQ(At(9, 9), "A32");
        EXPECT_EQ(At(10, 9), "A40");
        EXPECT_EQ(At(11, 9), "A46");
        EXPECT_EQ(At(9, 10), "A50");
        for (auto [c, r] : {std::pair{10, 10}, {11, 10}, {9, 11}, {10, 11}, {11, 11}}) {
            const std::string now = At(c, r);
            const bool untouched = now == (c == 10 && r == 10   ? "A00"
                                           : c == 11 && r == 11 ? "A00"
                                                                : "A02");
            EXPECT_TRUE(untouched || burstTiles.count(now)) << c << ',' << r << ' ' << now;
        }
        seenInCentre.insert(At(10, 10));
        for (int r = 8; r <= 12; ++r)
            for (int c = 8; c <= 12; ++c) {
                if (r > 8 && r < 12 && c > 8 && c < 12) continue;
                EXPECT_EQ(At(c, r), "A02") << c << ',' << r;
            }
    }
    EXPECT_GT(seenInCentre.size(), 2u);  // floor sometimes, new tiles other times
}

TEST_F(ImpactTest, HorseProducerInTheCornerDrawsOnlyForItsFourSquaresInside) {
    g().rng.Seed(11);
    Rng replay = g().rng;
    const std::vector<std::pair<int, int>> inside = {{1, 1}, {2, 1}, {1, 2}, {2, 2}};
    std::vector<std::string> expected;
    for (size_t i = 0; i < inside.size(); ++i) {
        const char* kTiles[] = {"A01", "A03", "A05", "A08", "A10", "A18", "A07"};
        expected.push_back(replay.Random(2) == 0 ? kTiles[replay.Random(7)] : "A00");
    }
    Put(1, 1, "A10");
    Shoot(1, 1);
    for (size_t i = 0; i < inside.size(); ++i)
        EXPECT_EQ(At(inside[i].first, inside[i].second), expected[i]) << i;
    EXPECT_EQ(g().rng.Random(1000000), replay.Random(1000000));  // no draw for the outside squares
}

TEST_F(ImpactTest, HorseProducerBurstsAsTheRandomNumbersSay) {
    Put(10, 10, "A10");
    // Per square of the 3 x 3 block: 1 skips it, 0 then k fills it with burst tile k.
    host.Script({1, 1, 1, 1, 0, 6, 1, 1, 1, 1});
    Impact(g(), host, 10, 10, g().P1());
    EXPECT_EQ(At(10, 10), "A07");  // the centre, now a chigger
    EXPECT_EQ(At(9, 10), "A00");
    EXPECT_EQ(g().P1().points, 150);
}

TEST_F(ImpactTest, ChainWallsSetTheirOwnFamilyMoving) {
    // A row of five stopped walls shot at its end: only the next one starts moving.
    for (int c = 10; c <= 14; ++c) Put(c, 5, "A33");
    Put(10, 4, "B29");  // the other family, above the shot wall
    Put(10, 6, "A34");  // already moving: left as it is
    EXPECT_EQ(Shoot(10, 5), "A00");
    EXPECT_EQ(At(11, 5), "A34");
    for (int c = 12; c <= 14; ++c) EXPECT_EQ(At(c, 5), "A33");
    EXPECT_EQ(At(10, 4), "B29");
    EXPECT_EQ(At(10, 6), "A34");
    EXPECT_EQ(g().P1().points, 0);

    // A moving wall of the second family, shot, passes the chain on all four sides.
    Put(20, 10, "B30");
    for (auto [c, r] : {std::pair{20, 9}, {21, 10}, {20, 11}, {19, 10}}) Put(c, r, "B29");
    Put(21, 9, "B29");  // diagonal: not a neighbour
    EXPECT_EQ(Shoot(20, 10), "A00");
    for (auto [c, r] : {std::pair{20, 9}, {21, 10}, {20, 11}, {19, 10}}) EXPECT_EQ(At(c, r), "B30");
    EXPECT_EQ(At(21, 9), "B29");

    // At the room's edge the missing neighbours are simply not there.
    Put(1, 1, "A33");
    Put(2, 1, "A33");
    EXPECT_EQ(Shoot(1, 1), "A00");
    EXPECT_EQ(At(2, 1), "A34");
}

TEST_F(ImpactTest, AShotBombBecomesFloorAndGoesOff) {
    Put(10, 10, "A41");
    Put(12, 10, "A02");  // in the blast
    Put(10, 12, "A16");  // pig producers survive blasts
    EXPECT_EQ(Shoot(10, 10), "A00");
    EXPECT_EQ(At(12, 10), "A00");
    EXPECT_EQ(At(10, 12), "A16");
    EXPECT_EQ(g().P1().points, 0);  // a blast gives no points
}

TEST_F(ImpactTest, AHeartHatchesAChiggerInAOnePlayerGame) {
    g().P1().dead = true;  // even with the one player dead: there is nobody to bring back
    Put(10, 10, "A42");
    EXPECT_EQ(Shoot(10, 10), "A07");
    EXPECT_TRUE(g().P1().dead);
    EXPECT_EQ(g().P1().points, 0);
}

class HeartTwoPlayerTest : public ImpactTest {
protected:
    void SetUp() override {
        Start(2);
        Put(10, 10, "A42");
    }
    void Kill(Player& p) {
        p.dead = true;
        p.life = -20;
        p.status = "dying";
        Put(p.col, p.row, "A00");
    }
};

TEST_F(HeartTwoPlayerTest, BothAliveItHatchesAChigger) {
    EXPECT_EQ(Shoot(10, 10), "A07");
    EXPECT_EQ(g().P1().life, 90);
    EXPECT_EQ(g().P2().life, 90);
}

TEST_F(HeartTwoPlayerTest, ADeadPartnerComesBackOnTheHeartWithHalfLife) {
    Player& p2 = g().P2();
    Kill(p2);
    p2.keys = 3;
    p2.points = 440;
    Player& p1 = g().P1();
    EXPECT_EQ(Shoot(10, 10), "A47");
    EXPECT_EQ(p2.col, 10);
    EXPECT_EQ(p2.row, 10);
    EXPECT_EQ(p2.life, 50);
    EXPECT_FALSE(p2.dead);
    EXPECT_EQ(p2.status, "");
    EXPECT_EQ(p2.keys, 3);
    EXPECT_EQ(p2.points, 440);
    EXPECT_EQ(p1.points, 0);
    EXPECT_EQ(At(5, 4), "A00");  // the old square stays empty
}

TEST_F(HeartTwoPlayerTest, WithBothDeadPlayerOneComesBackFirst) {
    Kill(g().P1());
    Kill(g().P2());
    EXPECT_EQ(Shoot(10, 10), "A46");
    EXPECT_FALSE(g().P1().dead);
    EXPECT_TRUE(g().P2().dead);
    Put(12, 12, "A42");
    EXPECT_EQ(Shoot(12, 12), "A47");
    EXPECT_FALSE(g().P2().dead);
}

}  // namespace
}  // namespace murk
