// Canvas drawing, picture loading and BMP capture on SDL surfaces.
#include "platform/sdl/canvas.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace murk::sdl {

namespace {

constexpr Uint32 kCanvasFormat = SDL_PIXELFORMAT_RGB888;  // XRGB8888

std::string SdlError(const char* fallback) {
    const char* text = SDL_GetError();
    return text && *text ? text : fallback;
}

}  // namespace

bool Canvas::Create(std::string& error, SDL_Surface* screen, SDL_Point at) {
    if (screen && Mount(screen, at)) {
        SDL_FillRect(surface_.get(), nullptr, SDL_MapRGB(surface_->format, 0, 0, 0));
        changes_.AddWhole();
        return true;
    }
    surface_.reset(
        SDL_CreateRGBSurfaceWithFormat(0, kCanvasWidth, kCanvasHeight, 32, kCanvasFormat));
    if (!surface_) {
        error = SdlError("Cannot create the canvas");
        return false;
    }
    SDL_FillRect(surface_.get(), nullptr, SDL_MapRGB(surface_->format, 0, 0, 0));
    changes_.AddWhole();
    return true;
}

bool Canvas::Mount(SDL_Surface* screen, SDL_Point at) {
    if (!screen || screen->format->format != kCanvasFormat || at.x < 0 || at.y < 0 ||
        at.x + kCanvasWidth > screen->w || at.y + kCanvasHeight > screen->h)
        return false;
    auto* pixels = static_cast<uint8_t*>(screen->pixels) +
                   static_cast<ptrdiff_t>(at.y) * screen->pitch + at.x * 4;
    Owned<SDL_Surface> view(SDL_CreateRGBSurfaceWithFormatFrom(pixels, kCanvasWidth, kCanvasHeight,
                                                               32, screen->pitch, kCanvasFormat));
    if (!view) return false;
    if (surface_) {
        SDL_SetSurfaceBlendMode(surface_.get(), SDL_BLENDMODE_NONE);
        SDL_BlitSurface(surface_.get(), nullptr, view.get(), nullptr);
    }
    surface_ = std::move(view);
    mounted_ = true;
    return true;
}

bool Canvas::Unmount() {
    if (!mounted_) return true;
    Owned<SDL_Surface> own(
        SDL_CreateRGBSurfaceWithFormat(0, kCanvasWidth, kCanvasHeight, 32, kCanvasFormat));
    if (!own) return false;
    SDL_SetSurfaceBlendMode(surface_.get(), SDL_BLENDMODE_NONE);
    SDL_BlitSurface(surface_.get(), nullptr, own.get(), nullptr);
    surface_ = std::move(own);
    mounted_ = false;
    return true;
}

ImageId Canvas::Adopt(SDL_Surface* loaded, std::string& error) {
    if (!loaded) {
        error = SdlError("Cannot read the picture");
        return kNoImage;
    }
    Owned<SDL_Surface> owned(loaded);
    Owned<SDL_Surface> converted(SDL_ConvertSurfaceFormat(owned.get(), kCanvasFormat, 0));
    if (!converted) {
        error = SdlError("Cannot convert the picture");
        return kNoImage;
    }
    // Pictures are opaque: copied, never blended.
    SDL_SetSurfaceBlendMode(converted.get(), SDL_BLENDMODE_NONE);
    images_.push_back(std::move(converted));
    return static_cast<ImageId>(images_.size() - 1);
}

ImageId Canvas::Load(SDL_RWops* source, std::string& error) {
    // Opening is checked apart: SDL_LoadBMP_RW would replace "Couldn't open <file>" by a vaguer
    // text.
    if (!source) {
        error = SdlError("Cannot read the picture");
        return kNoImage;
    }
    return Adopt(SDL_LoadBMP_RW(source, 1), error);
}

ImageId Canvas::LoadFile(const std::string& path, std::string& error) {
    SDL_ClearError();
    return Load(SDL_RWFromFile(path.c_str(), "rb"), error);
}

ImageId Canvas::LoadMemory(const uint8_t* data, size_t size, std::string& error) {
    SDL_ClearError();
    return Load(SDL_RWFromConstMem(data, static_cast<int>(size)), error);
}

const SDL_Surface* Canvas::Image(ImageId id) const {
    if (id < 0 || static_cast<size_t>(id) >= images_.size()) return nullptr;
    return images_[static_cast<size_t>(id)].get();
}

void Canvas::ImageSize(ImageId id, int& width, int& height) const {
    const SDL_Surface* image = Image(id);
    width = image ? image->w : 0;
    height = image ? image->h : 0;
}

bool Canvas::DrawImage(ImageId id, int x, int y, std::string& error) {
    if (!surface_) return true;
    const SDL_Surface* image = Image(id);
    if (!image) {
        error = "Invalid picture";
        return false;
    }
    SDL_Rect to{x, y, image->w, image->h};
    if (SDL_BlitSurface(const_cast<SDL_Surface*>(image), nullptr, surface_.get(), &to) != 0) {
        error = SdlError("Cannot draw the picture");
        return false;
    }
    changes_.Add({to.x, to.y, to.w, to.h});  // the blit left the part it drew in `to`
    return true;
}

void Canvas::FillRect(int x, int y, int width, int height, Rgb colour) {
    if (width <= 0 || height <= 0 || !surface_) return;
    const SDL_Rect rect{x, y, width, height};
    SDL_FillRect(surface_.get(), &rect, SDL_MapRGB(surface_->format, colour.r, colour.g, colour.b));
    changes_.Add({x, y, width, height});
}

void Canvas::Blend(SDL_Surface* picture, int x, int y, SDL_Rect clip) {
    if (clip.w <= 0 || clip.h <= 0 || !surface_) return;
    SDL_SetClipRect(surface_.get(), &clip);
    SDL_Rect to{x, y, picture->w, picture->h};
    SDL_BlitSurface(picture, nullptr, surface_.get(), &to);
    SDL_SetClipRect(surface_.get(), nullptr);
    changes_.Add({to.x, to.y, to.w, to.h});
}

bool Canvas::SaveBmp(const std::string& path, int x, int y, int width, int height,
                     std::string& error) const {
    if (!surface_ || x < 0 || y < 0 || width <= 0 || height <= 0 || x + width > kCanvasWidth ||
        y + height > kCanvasHeight) {
        error = "Invalid capture area";
        return false;
    }
    // A surface without alpha, so SDL_SaveBMP writes 24 bits per pixel.
    Owned<SDL_Surface> copy(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, kCanvasFormat));
    if (!copy) {
        error = SdlError("Cannot copy the canvas");
        return false;
    }
    SDL_SetSurfaceBlendMode(surface_.get(), SDL_BLENDMODE_NONE);
    SDL_Rect from{x, y, width, height};
    SDL_BlitSurface(surface_.get(), &from, copy.get(), nullptr);
    // Written beside the target and renamed, so a failed write never leaves half a file.
    const std::string temporary = path + ".tmp";
    if (SDL_SaveBMP(copy.get(), temporary.c_str()) != 0) {
        error = "Cannot create file \"" + path + "\". " + SdlError("");
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = "Cannot create file \"" + path + "\". " + std::strerror(errno);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace murk::sdl
