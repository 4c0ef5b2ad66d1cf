// World tick: the clocks' schedule from the program's start, which codes have rules, chase targets.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "base/tiles.h"
#include "game/worldstate.h"
#include "rules_fixture.h"
#include "world/tick.h"

namespace murk {
namespace {

// The first tick of the program's run on which `code` has a due rule, counting ticks from 1 and
// advancing the clocks as the tick does.
int FirstTickWithRule(std::string_view code, int from = 1) {
    WorldClocks c;
    for (int tick = 1; tick < 400; ++tick, AdvanceClocks(c))
        if (tick >= from && !DueRuleFor(code, c).empty()) return tick;
    return -1;
}

TEST(WorldSchedule, TheFirstScanIsOnTick16) {
    WorldClocks c;
    for (uint64_t tick = 1; tick <= 15; ++tick, AdvanceClocks(c)) {
        ASSERT_EQ(c.tick, tick);
        EXPECT_FALSE(AnyRuleDue(c)) << tick;
    }
    EXPECT_TRUE(AnyRuleDue(c));
    EXPECT_EQ(DueRuleFor("A02", c), DueRuleFor("A17", c));  // every chaser moves
    for (const char* every16 :
         {"A18", "A01", "A16", "A12", "A34", "A09", "A64", "A19", "A08", "A31", "A02", "A72"})
        EXPECT_FALSE(DueRuleFor(every16, c).empty()) << every16;
    EXPECT_TRUE(DueRuleFor("A20", c).empty());  // lasers flash every 64
}

TEST(WorldSchedule, ClocksKeepTheirPhasesPastAnyIntRange) {
    const uint64_t far = uint64_t{1} << 40;  // a multiple of 64, as tick 0 would be
    WorldClocks c{far - 1, far - 1, far - 1, far - 1};
    AdvanceClocks(c);
    EXPECT_EQ(c.tick, far);
    EXPECT_EQ(DueRuleFor("A02", c), "chase");
    EXPECT_EQ(DueRuleFor("A20", c), "laser flash 1");
    AdvanceClocks(c);
    EXPECT_FALSE(AnyRuleDue(c));
}

TEST(WorldSchedule, LaserSetsFlashFirstOn64_79_95_111AndGoOut16Later) {
    EXPECT_EQ(FirstTickWithRule(code::Laser1Producer1), 64);
    EXPECT_EQ(FirstTickWithRule(code::Laser2Producer1), 79);
    EXPECT_EQ(FirstTickWithRule(code::Laser3Producer1), 95);
    EXPECT_EQ(FirstTickWithRule(code::Laser4Producer1), 111);
    EXPECT_EQ(FirstTickWithRule("A87"), 79);  // the last of set 2
    EXPECT_EQ(FirstTickWithRule("B03"), 95);  // set 3 runs across A99 / B00
    EXPECT_EQ(FirstTickWithRule("B19"), 111);

    EXPECT_EQ(FirstTickWithRule(code::Laser1Producer1, 65), 128);
    EXPECT_EQ(FirstTickWithRule(code::Laser2Producer1, 80), 143);
    EXPECT_EQ(FirstTickWithRule(code::Laser3Producer1, 96), 159);
    EXPECT_EQ(FirstTickWithRule(code::Laser4Producer1, 112), 175);

    EXPECT_EQ(FirstTickWithRule(code::Laser1Beam1, 65), 80);
    EXPECT_EQ(FirstTickWithRule(code::Laser2Beam1, 80), 95);
    EXPECT_EQ(FirstTickWithRule(code::Laser3Beam1, 96), 111);
    EXPECT_EQ(FirstTickWithRule(code::Laser4Beam1, 112), 127);
}

TEST(WorldSchedule, OnlyCodesOfTheDispatchTableHaveRules) {
    // Codes with a rule, by catalogue ranges; every clock at 64 makes every rule due.
    // Producers, creatures and laser set 1; star; chain wall; darts, beams and laser sets 2 to 4
    // (the last runs across A99 / B00); chain wall 2.
    const std::vector<std::pair<const char*, const char*>> ruled = {
        {"A01", "A27"}, {"A31", "A31"}, {"A34", "A34"}, {"A64", "B27"}, {"B30", "B30"}};
    std::set<int> withRule;
    for (const auto& [first, last] : ruled)
        for (int i = TileIndex(first); i <= TileIndex(last); ++i) withRule.insert(i);
    const WorldClocks allDue{64, 64, 64, 64};
    for (int i = 0; i < kTileCount; ++i) {
        const std::string code = TileCodeAt(i);
        EXPECT_EQ(!DueRuleFor(code, allDue).empty(), withRule.count(i) == 1) << code;
    }
    EXPECT_TRUE(DueRuleFor("", allDue).empty());
    EXPECT_TRUE(DueRuleFor("A2", allDue).empty());
}

class WorldTargets : public test::RulesTest {
protected:
    using Squares = std::vector<std::pair<int, int>>;
    Squares Targets() {
        CollectTargets(g());
        Squares out;
        for (int i = 0; i < g().world.targets.count; ++i)
            out.emplace_back(g().world.targets.items[static_cast<size_t>(i)].col,
                             g().world.targets.items[static_cast<size_t>(i)].row);
        return out;
    }
};

TEST_F(WorldTargets, TargetsAreTheBoardsPlayersThenTheLivingRecords) {
    Start(2);  // the level has A46 at (3, 4) and A47 at (5, 4)
    EXPECT_EQ(Targets(), (Squares{{3, 4}, {5, 4}, {3, 4}, {5, 4}}));

    // Board squares in reading order, whoever they belong to.
    Put(30, 1, "A47");
    Put(1, 2, "A46");
    EXPECT_EQ(Targets(), (Squares{{30, 1}, {1, 2}, {3, 4}, {5, 4}, {3, 4}, {5, 4}}));
    Put(30, 1, "A00");
    Put(1, 2, "A00");

    // A dead player is off the board and out of the list.
    P1().dead = true;
    Put(3, 4, "A00");
    EXPECT_EQ(Targets(), (Squares{{5, 4}, {5, 4}}));

    // A finished player is off the board but still chased at its recorded square.
    P2().finished = true;
    Put(5, 4, "A00");
    EXPECT_EQ(Targets(), (Squares{{5, 4}}));

    P2().dead = true;
    EXPECT_TRUE(Targets().empty());
}

// Player 2's record stands at its start square, alive, in a one-player game too; the game's first
// draw has taken its tile off the board (RenderTest checks that draw).
TEST_F(WorldTargets, TheAbsentSecondPlayerOfAOnePlayerGameIsNoTarget) {
    Start(1);
    EXPECT_EQ(Targets(), (Squares{{3, 4}, {3, 4}}));
}

}  // namespace
}  // namespace murk
