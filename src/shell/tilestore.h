// The tile image store: one loaded picture per tile code, filled once at start-up.
#pragma once

#include <array>
#include <string_view>

#include "base/tiles.h"
#include "platform/platform.h"

namespace murk {

struct App;

struct TileStore {
    std::array<ImageId, kTileCount> images;
    TileStore() { images.fill(kNoImage); }

    // The picture for a code (any text starting with 'Z' is the slide field), or kNoImage.
    ImageId ForCode(std::string_view code) const {
        const int i = TileIndex(code);
        return i < 0 ? kNoImage : images[static_cast<size_t>(i)];
    }
};

// Loads every tile picture from Objects/ in code order. At the first that fails: the failure's
// text, the objects error box, then ShutDown. Returns false in that case.
bool LoadTileImages(App& app);

}  // namespace murk
