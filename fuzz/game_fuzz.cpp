// Fuzz target: the whole game on a fuzzed level with a fuzzed stream of keys and passes.
//
// Input: level file bytes, then "\n%%\n", then the play bytes. The first three play bytes are
// the game speed (modulo 41 ms: the pace costs time, not coverage), the number of players and
// the seed; each byte after them is one step:
//   00-1f key down, 20-3f key up, 40-5f key tap (of kKeys[b & 31])
//   60-7f (b & 31) + 1 passes, 80-bf ((b & 63) + 1) * 8 passes
//   c0-ff the next confirmation's answer (bit 0) or, with bit 1, the next high-score name.
// The steps become a murk-sim script run in a scratch game folder holding only that level, so
// a finding replays as a level file and a script. MURK_FUZZ_SCRIPT=1 prints the script.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "sim/sim.h"

namespace {

namespace fs = std::filesystem;

// Both players' default keys, the menu's keys and a few that only the forms know. Print Screen
// is left out: a capture per input would only fill the disk.
constexpr int kKeys[32] = {37,  38,  39,  40,  17,  16,  84, 70, 71, 72, 90, 65, 27, 13, 113, 112,
                           118, 121, 122, 123, 116, 117, 8,  9,  32, 18, 46, 48, 49, 50, 66,  35};
constexpr int kMaxPasses = 2000;  // keeps one input well under a second

fs::path folder;

std::string Script(const uint8_t* play, size_t size) {
    std::ostringstream s;
    s << "sound off\n";
    if (size >= 3) {
        s << "speed " << play[0] % 41 << "\nplayers " << 1 + play[1] % 2 << "\nseed "
          << int(play[2]) << '\n';
        play += 3;
        size -= 3;
    } else {
        size = 0;
    }
    s << "start\n";
    int passes = 0;
    for (size_t i = 0; i < size && passes < kMaxPasses; ++i) {
        const uint8_t b = play[i];
        const int key = kKeys[b & 31];
        if (b < 0x20) {
            s << "down " << key << '\n';
        } else if (b < 0x40) {
            s << "up " << key << '\n';
        } else if (b < 0x60) {
            s << "down " << key << "\nup " << key << '\n';
        } else if (b < 0xc0) {
            const int n = b < 0x80 ? (b & 31) + 1 : ((b & 63) + 1) * 8;
            s << "tick " << n << '\n';
            passes += n;
        } else if (b & 2) {
            s << "name " << std::string(b & 12, 'W') << '\n';
        } else {
            s << "answer " << ((b & 1) ? "yes" : "no") << '\n';
        }
    }
    return s.str();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char name[] = "/tmp/murk-game-fuzz.XXXXXX";
    if (!mkdtemp(name)) std::abort();
    folder = name;
    fs::create_directories(folder / "Levels");
    std::atexit([] {
        std::error_code ec;
        fs::remove_all(folder, ec);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.rfind("\n%%\n");
    const std::string level = input.substr(0, split);
    const std::string play = split == std::string::npos ? "" : input.substr(split + 4);
    std::ofstream(folder / "Levels" / "Level000.dat", std::ios::binary) << level;
    fs::remove(folder / "HighScores.dat");  // every input starts from the default table

    std::istringstream script(Script(reinterpret_cast<const uint8_t*>(play.data()), play.size()));
    if (std::getenv("MURK_FUZZ_SCRIPT")) std::cerr << script.str();
    std::ostringstream out, err;
    // murk-sim plays in the current folder; libFuzzer's own paths are relative to the old one.
    const fs::path here = fs::current_path();
    fs::current_path(folder);
    const int status = murk::RunSimulator(script, out, err);
    fs::current_path(here);
    // 3 (a held key nobody releases) ends a run early; 2 would be a script this target wrote badly.
    if (status == 2) {
        std::cerr << err.str();
        std::abort();
    }
    return 0;
}
