// Loading the tile pictures from the Objects folder.
#include "shell/tilestore.h"

namespace murk {

bool LoadTileImages(Platform& pf, const std::string& dataDir, TileStore& tiles,
                    std::string& error) {
    for (int i = 0; i < kTileCount; ++i) {
        const ImageId id = pf.LoadImageFile(dataDir + kObjectsFolder + TileFileName(i), error);
        if (id == kNoImage) return false;
        tiles.images[static_cast<size_t>(i)] = id;
    }
    return true;
}

}  // namespace murk
