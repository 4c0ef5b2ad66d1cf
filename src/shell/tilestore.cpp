// Loading the tile pictures from the Objects folder.
#include "shell/tilestore.h"

#include "shell/app.h"
#include "shell/startup.h"

namespace murk {

bool LoadTileImages(App& app) {
    for (int i = 0; i < kTileCount; ++i) {
        std::string error;
        const std::string path = app.DirLbl + kObjectsFolder + TileFileName(i);
        const ImageId id = app.pf.LoadImageFile(path, error);
        if (id == kNoImage) {
            ShowException(app, error);
            ShowError(app,
                      "Error loading objects. Please make sure the objects directory exists and "
                      "that it is in the same directory as this program.");
            ShutDown(app);
            return false;
        }
        app.tiles.images[static_cast<size_t>(i)] = id;
    }
    return true;
}

}  // namespace murk
