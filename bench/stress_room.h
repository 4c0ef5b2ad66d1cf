// The crowded room the benchmarks share: every square a producer, creature, star, dart or laser.
#pragma once

#include <string>
#include <string_view>

namespace murk::bench {

// 570 codes, row by row, cycling through the busiest tiles so neighbours differ.
inline std::string StressRoom() {
    constexpr std::string_view kBusy[] = {"A01", "A02", "A03", "A04", "A05", "A06", "A07",
                                          "A08", "A09", "A10", "A11", "A12", "A16", "A17",
                                          "A18", "A19", "A31", "A20", "A64", "A72", "A80"};
    std::string room;
    for (int i = 0; i < 570; ++i) room += kBusy[i % std::size(kBusy)];
    return room;
}

}  // namespace murk::bench
