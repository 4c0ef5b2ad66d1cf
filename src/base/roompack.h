// A room as the level grid stores it: 30 x 19 squares of three characters each, row by row.
#pragma once

#include <string>

#include "base/stringgrid.h"
#include "base/tiles.h"

namespace murk {

inline constexpr int kPackedRoomLength = kRoomCols * kRoomRows * 3;

// Fills rows 1..19 of `target` (resized to 31 x 20) from a packed room string. Stops at the
// first missing character, leaving that square and all later ones empty, and returns false
// with a description in `error`.
[[nodiscard]] bool UnpackRoomString(const std::string& packed, StringGrid& target,
                                    std::string& error);

// The packed string of rows 1.. and columns 1.. of `source`.
std::string PackRoomString(const StringGrid& source);

}  // namespace murk
