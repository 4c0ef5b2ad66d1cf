// Pads.dat, beside Options.dat: which player each game pad plays, and whether a game pauses while
// its window is left.
//
// A text file, one setting a line: `pause-when-left on` (or `off`), and for each pad whose player
// was chosen `pad KIND RANK PLAYER NAME`: the pad's kind (32 hexadecimal digits), its rank among
// the connected pads of that kind (1 for the first), the player (1 or 2), and its name as last
// seen. Blank lines and lines starting with `#` are skipped.
#pragma once

#include <string>
#include <vector>

#include "ui/pads.h"

namespace murk {

struct Desk;

inline constexpr const char* kPadsFile = "Pads.dat";
inline constexpr size_t kMaxPadsFileBytes = 64u << 10;

std::string FormatPads(const PadSettings& s);

// Reads the lines of a Pads.dat text over the defaults; a line that is no setting, or holds a
// value out of range, is skipped and its number returned. Whatever FormatPads writes reads back
// the same.
PadSettings ParsePads(const std::string& text, std::vector<int>& damagedLines);

// Reads Pads.dat from the program directory into `board`'s settings and gives the connected pads
// their remembered players. No file: the defaults, said nothing about. A file that cannot be
// read, or a damaged one, is said so in a box; a damaged one is kept as it was under a name of
// its own (Pads-damaged.dat, or -2, -3 .. where that is taken) and Pads.dat is written again
// with the settings that could be read. Nothing the player chose is lost.
void ReadPads(Desk& desk, PadBoard& board);

// Writes the settings to Pads.dat, replacing it whole; a failure is said in a box.
void SavePads(Desk& desk, const PadSettings& s);

}  // namespace murk
