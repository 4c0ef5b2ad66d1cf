// Fuzz target: any Pads.dat text gives settings within their bounds that the game writes and
// reads back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "options/padsfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<int> damaged;
    const murk::PadSettings s =
        murk::ParsePads(std::string(reinterpret_cast<const char*>(data), size), damaged);
    if (s.pads.size() > murk::kMaxRememberedPads) std::abort();
    for (const murk::RememberedPad& p : s.pads)
        if (p.player < 1 || p.player > 2 || p.rank < 1 || p.rank > murk::kMaxPadRank ||
            p.name.size() > murk::kMaxPadName)
            std::abort();
    std::vector<int> again;
    if (!(murk::ParsePads(murk::FormatPads(s), again) == s) || !again.empty()) std::abort();
    return 0;
}
