// World rules: producers breed, pig producers grow, stars spread, chain walls burn.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules_fixture.h"

namespace murk {
namespace {

using Production = test::WorldTest;

TEST_F(Production, EachProducerFillsItsOnlyFreeNeighbourWithItsKind) {
    Place(P1(), 28, 18);
    const std::vector<std::pair<std::string, std::string>> kinds = {{"A01", "A02"}, {"A03", "A04"},
                                                                    {"A05", "A06"}, {"A10", "A11"},
                                                                    {"A08", "A09"}, {"A16", "A17"}};
    for (size_t i = 0; i < kinds.size(); ++i) {
        const int col = 3 + 4 * static_cast<int>(i);
        Put(col, 5, kinds[i].first);
        WallAround(col, 5, {{col + 1, 5}});
        WallAround(col + 1, 5, {{col, 5}});  // the pocket beside it is walled in too
    }
    Put(3, 12, "A01");  // boxed in: never produces
    WallAround(3, 12);
    Scans(300);
    for (size_t i = 0; i < kinds.size(); ++i) {
        EXPECT_EQ(At(4 + 4 * static_cast<int>(i), 5), kinds[i].second) << kinds[i].first;
        EXPECT_EQ(Count(kinds[i].second), 1) << kinds[i].first;
    }
    EXPECT_EQ(At(3, 12), "A01");
}

TEST_F(Production, PigProducersGrowOneStageAtATimeAndStopWhenAdult) {
    Put(10, 10, "A12");
    WallAround(10, 10);
    std::vector<std::string> seen = {"A12"};
    for (int i = 0; i < 400; ++i) {
        Scan();
        if (At(10, 10) != seen.back()) seen.push_back(At(10, 10));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"A12", "A13", "A14", "A15", "A16"}));
}

TEST_F(Production, StarsFillTheFloorTheyCanReachAndNothingElse) {
    for (int i = 8; i <= 12; ++i) PutAll({{i, 8}, {i, 12}, {8, i}, {12, i}}, "A32");  // a pocket
    Put(11, 11, "A37");
    Put(10, 10, "A31");
    Scans(400);
    EXPECT_EQ(Count("A31"), 8);
    EXPECT_EQ(At(11, 11), "A37");
    EXPECT_EQ(Count("A32"), 16);
}

TEST_F(Production, AChainWallBurnsOneSquarePerScanWithinItsFamilyAndThroughSidesOnly) {
    for (int c = 5; c <= 9; ++c) Put(c, 5, "A33");
    Put(5, 5, "A34");
    Put(5, 6, "B29");  // the other family
    Put(4, 4, "A33");  // a corner only
    Scan();
    EXPECT_EQ(At(5, 5), "A00");
    EXPECT_EQ(At(6, 5), "A34");
    EXPECT_EQ(At(7, 5), "A33");
    Scan();
    EXPECT_EQ(At(6, 5), "A00");
    EXPECT_EQ(At(7, 5), "A34");
    Scans(4);
    EXPECT_EQ(Count("A33"), 1);
    EXPECT_EQ(Count("A34"), 0);
    EXPECT_EQ(At(4, 4), "A33");
    EXPECT_EQ(At(5, 6), "B29");
}

}  // namespace
}  // namespace murk
