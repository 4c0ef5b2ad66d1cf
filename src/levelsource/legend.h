// A level source's legend: the characters it draws with, from the default legend of the tile
// kinds (base/tilekinds.h) and its own legend lines.
#pragma once

#include <map>
#include <string>

namespace murk {

// What one legend character stands for: a three-character tile code, or a slide field whose
// target the room lists separately.
struct LegendEntry {
    std::string code;  // a tile code; empty for a slide field
    bool IsSlide() const { return code.empty(); }
};

using Legend = std::map<char, LegendEntry>;

// The legend every level source starts from; a source may override or extend it.
const Legend& DefaultLegend();

}  // namespace murk
