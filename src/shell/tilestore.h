// The tile image store: one loaded picture per tile code, filled once at start-up.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/tiles.h"
#include "platform/platform.h"

namespace murk {

inline constexpr const char* kObjectsFolder = "Objects/";

struct TileStore {
    std::array<ImageId, kTileCount> images;
    TileStore() { images.fill(kNoImage); }

    // The picture for a code (any text starting with 'Z' is the slide field), or kNoImage.
    ImageId ForCode(std::string_view code) const {
        const int i = TileIndex(code);
        return i < 0 ? kNoImage : images[static_cast<size_t>(i)];
    }
};

// Loads every tile picture from the Objects folder of `dataDir`, in code order. Stops at the
// first that fails and returns false with the platform's `error`; what to do then is the
// caller's decision.
[[nodiscard]] bool LoadTileImages(Platform& pf, const std::string& dataDir, TileStore& tiles,
                                  std::string& error);

}  // namespace murk
