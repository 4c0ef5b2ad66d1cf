// The SDL tests' main: no display or sound card needed, SDL gets its dummy drivers.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // Set here rather than by CTest, before SDL can read them.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
