// The SDL tests' main: no display or sound card needed, SDL gets its dummy drivers.
#include <gtest/gtest.h>

#include <cstdlib>

// Under the sanitizers: fontconfig keeps its parsed configuration for the whole run and never
// frees it; that one cache is not a leak of ours. Its frames need the slow unwinder to be seen.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:XML_ParseBuffer\n";
}
extern "C" const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0";
}

int main(int argc, char** argv) {
    // Set here rather than by CTest, before SDL can read them.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
