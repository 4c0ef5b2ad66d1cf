// BMP pictures: a picture read back as written, and heights the decoder must refuse unharmed.
#include "base/bmp.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace murk {
namespace {

TEST(Bmp, HeightsBothWaysAndTheOnesThatCannotBeHeld) {
    const uint32_t pixels[2] = {0x112233, 0x445566};
    std::string file = EncodeBmp24(1, 2, pixels, 1);
    auto decode = [&](int32_t height) {
        std::memcpy(file.data() + 22, &height, 4);
        int w = 0, h = 0;
        std::vector<uint32_t> out;
        std::string error;
        const bool ok =
            DecodeBmp(reinterpret_cast<const uint8_t*>(file.data()), file.size(), w, h, out, error);
        return ok ? std::to_string(h) + ":" + std::to_string(out[0]) : error;
    };
    EXPECT_EQ(decode(2), "2:" + std::to_string(0x112233));   // rows from the bottom
    EXPECT_EQ(decode(-2), "2:" + std::to_string(0x445566));  // rows from the top
    for (int32_t bad : {0, INT32_MIN, -16385, 16385})
        EXPECT_EQ(decode(bad), "bad bitmap dimensions") << bad;
}

}  // namespace
}  // namespace murk
