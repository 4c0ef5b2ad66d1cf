// Drawn rectangles: what a present copies stays near what was drawn, and grows whole only where
// most of the picture was drawn.
#include "base/dirtyrects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace murk {
namespace {

TEST(DirtyRects, StayNearWhatWasDrawnAndGrowWholeOnlyForMostOfThePicture) {
    DirtyRects d(1024, 768);
    d.Add({64, 64, 32, 32});  // a player steps from one square to the next
    d.Add({96, 64, 32, 32});
    d.Add({800, 600, 32, 32});   // and a creature far away
    d.Add({1000, 760, 32, 32});  // a square half off the picture
    d.Add({2000, 10, 32, 32});   // and one wholly off it
    d.Add({96, 64, 10, 10});     // drawn again inside a changed square
    EXPECT_FALSE(d.Whole());
    std::vector<PixelRect> rects = d.Rects();
    std::sort(rects.begin(), rects.end(), [](auto& a, auto& b) { return a.x < b.x; });
    EXPECT_EQ(rects,
              (std::vector<PixelRect>{{64, 64, 64, 32}, {800, 600, 32, 32}, {1000, 760, 24, 8}}));

    d.Clear();
    EXPECT_TRUE(d.Empty());
    for (int y = 32; y < 736; y += 32)  // a room drawn square by square
        for (int x = 32; x < 992; x += 32) d.Add({x, y, 32, 32});
    EXPECT_TRUE(d.Whole());
    EXPECT_EQ(d.Rects(), (std::vector<PixelRect>{{0, 0, 1024, 768}}));

    d.Clear();
    for (int i = 0; i <= static_cast<int>(DirtyRects::kMostRects); ++i)  // squares scattered
        d.Add({(i % 8) * 128, (i / 8) * 128, 32, 32});
    EXPECT_TRUE(d.Whole());
}

}  // namespace
}  // namespace murk
