// The level source legend: which character stands for which tile, and the slide-field letters.
#pragma once

#include <map>
#include <string>

namespace murk {

// What one legend character stands for: a three-character tile code, or a slide field whose
// target the room lists separately.
struct LegendEntry {
    std::string code;  // "A00".."B30"; empty for a slide field
    bool IsSlide() const { return code.empty(); }
};

using Legend = std::map<char, LegendEntry>;

// The legend every level source starts from; a source may override or extend it.
const Legend& DefaultLegend();

// True for a character a source may give a meaning: printable ASCII other than the space and
// the comment mark ';'.
bool IsLegendChar(char c);

// The letter that encodes a slide target coordinate 1..30 ('A'..'Z', 'a', 'b', 'c', 'd');
// '\0' for anything else.
char SlideLetter(int n);

// The slide-field cell text for a target square: "Z" + column letter + row letter.
std::string SlideFieldCode(int targetCol, int targetRow);

}  // namespace murk
