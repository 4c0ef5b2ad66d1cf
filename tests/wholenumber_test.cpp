// Whole numbers as labels, edits and Options.dat give them.
#include "base/wholenumber.h"

#include <gtest/gtest.h>

namespace murk {
namespace {

TEST(WholeNumber, AcceptsOnlyOneOptionalSignAndDigitsThatFit) {
    EXPECT_EQ(ParseWholeNumber("20"), 20);
    EXPECT_EQ(ParseWholeNumber("-3"), -3);
    EXPECT_EQ(ParseWholeNumber("+7"), 7);
    EXPECT_EQ(ParseWholeNumber("2147483647"), 2147483647);
    EXPECT_EQ(ParseWholeNumber("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "+", "-", "+-3", "-+3", "--3", "3x", " 3", "3 ", "1.5",
                            "2147483648", "-2147483649", "99999999999999999999", "0x10"})
        EXPECT_FALSE(ParseWholeNumber(bad).has_value()) << bad;
}

}  // namespace
}  // namespace murk
