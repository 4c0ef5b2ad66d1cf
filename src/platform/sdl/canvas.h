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
//
// Where the window shows the picture unscaled in the canvas's own format, the canvas is drawn
// straight into the window's surface (mounted): no second full-size picture in memory and no copy
// at a present. Before that surface goes (the window changes size) the canvas takes the picture
// back into pixels of its own (unmounted).
class Canvas {
public:
    // Made at the first drawing, so a canvas that can live in the window surface never has pixels
    // of its own: mounted on `screen` at `at` where it fits there (null: pixels of its own),
    // black. Drawing before it is made, or after it failed, draws nothing.
    bool Create(std::string& error, SDL_Surface* screen = nullptr, SDL_Point at = {});
    bool Made() const { return surface_ != nullptr; }
    void Reset() {
        surface_.reset();
        mounted_ = false;
    }
    SDL_Surface* Surface() const { return surface_.get(); }
    // Draws into `screen`'s pixels at `at` from now on, copying the picture there; false (and
    // nothing changed) where the formats differ or the canvas does not fit.
    bool Mount(SDL_Surface* screen, SDL_Point at);
    // Pixels of its own again, holding the picture; false when they cannot be had (out of memory),
    // the canvas then staying where it is.
    bool Unmount();
    bool Mounted() const { return mounted_; }
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
    bool mounted_ = false;
    std::vector<Owned<SDL_Surface>> images_;
    DirtyRects changes_{kCanvasWidth, kCanvasHeight};
};

}  // namespace murk::sdl
