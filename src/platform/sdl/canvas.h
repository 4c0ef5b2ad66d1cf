// Canvas: the 1024x768 software picture all drawing goes to, and the loaded pictures.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/dirtyrects.h"
#include "platform/platform.h"
#include "platform/sdl/sdl_ptr.h"

namespace murk::sdl {

// The canvas is XRGB8888 (no alpha), so a copy of it saves as a 24-bit BMP. Every drawing call
// adds the rectangle it drew to the changes; the platform presents them and clears them.
class Canvas {
public:
    bool Create(std::string& error);
    SDL_Surface* Surface() const { return surface_.get(); }
    bool Dirty() const { return !changes_.Empty(); }
    const DirtyRects& Changes() const { return changes_; }
    // The whole canvas is presented next (the window lost its picture, or showed it scaled).
    void MarkWholeDirty() { changes_.AddWhole(); }
    void ClearDirty() { changes_.Clear(); }

    ImageId LoadFile(const std::string& path, std::string& error);
    ImageId LoadMemory(const uint8_t* data, size_t size, std::string& error);
    void ImageSize(ImageId id, int& width, int& height) const;
    bool DrawImage(ImageId id, int x, int y, std::string& error);
    void FillRect(int x, int y, int width, int height, Rgb colour);
    // Blends `picture` (e.g. rendered text) with its top-left corner at (x, y), clipped to `clip`.
    void Blend(SDL_Surface* picture, int x, int y, SDL_Rect clip);
    bool SaveBmp(const std::string& path, int x, int y, int width, int height,
                 std::string& error) const;

private:
    ImageId Load(SDL_RWops* source, std::string& error);
    ImageId Adopt(SDL_Surface* loaded, std::string& error);
    const SDL_Surface* Image(ImageId id) const;

    Owned<SDL_Surface> surface_;
    std::vector<Owned<SDL_Surface>> images_;
    DirtyRects changes_{kCanvasWidth, kCanvasHeight};
};

}  // namespace murk::sdl
