// Drawing a whole level, every room with the game's tile pictures, into one picture.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/tiles.h"
#include "levelsource/levelfile.h"

namespace murk {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, row-major from the top-left
};

// The tile pictures in catalogue order, all `size` pixels square.
struct TileSet {
    int size = kTilePixels;
    std::vector<Picture> tiles;
};

// Reads every tile picture from `objectsDir` (the game folder's Objects/) and shrinks or
// enlarges it to `size` pixels by averaging. False with a reason naming the file that failed.
bool LoadTileSet(const std::string& objectsDir, int size, TileSet& set, std::string& error);

// A picture resampled to `size` x `size` by area averaging.
Picture ResizeTile(const Picture& tile, int size);

// The size in pixels of one tile at scale "N/M" (or "N"): 32 * N / M, rounded, 1..64. Returns
// 0 for text that is not such a scale.
int TileSizeForScale(const std::string& scale);

// The rooms laid out as in the level, room (1, 1) at the top-left, with a thin grey line between
// neighbouring rooms. A square whose code is not in the catalogue is drawn magenta; a missing
// square (a short room) black.
Picture DrawLevelPicture(const LevelFile& level, const TileSet& tiles);

// Only room (roomCol, roomRow), without separators.
Picture DrawRoomPicture(const LevelFile& level, const TileSet& tiles, int roomCol, int roomRow);

}  // namespace murk
