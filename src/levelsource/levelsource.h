// Compiles a hand-written level source into the level grid and header of a level file.
#pragma once

#include <string>
#include <vector>

#include "base/gridfile.h"
#include "base/stringgrid.h"
#include "base/tiles.h"

namespace murk {

inline constexpr int kMaxLevelRooms = 20;  // rooms across and down, each
inline constexpr int kMaxTitleLength = 40;
inline constexpr int kLevelColumnWidth = 64;  // every column width of a compiled level

// Header integers of a level file (0-based positions in GridHeader).
namespace levelheader {
inline constexpr int kP1Col = 0, kP1Row = 1, kP2Col = 2, kP2Row = 3;
inline constexpr int kStartRoomCol = 9, kStartRoomRow = 10;
}  // namespace levelheader

struct LevelSourceResult {
    StringGrid grid;  // only meaningful when Ok()
    GridHeader header{};
    std::vector<std::string> errors;  // "name:line: message", in line order

    bool Ok() const { return errors.empty(); }
};

// Compiles source text; `name` starts every error message (normally the file's path).
LevelSourceResult CompileLevelSource(const std::string& text, const std::string& name);

// Reads and compiles the source file at `path`.
LevelSourceResult CompileLevelFile(const std::string& path);

}  // namespace murk
