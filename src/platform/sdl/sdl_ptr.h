// Owning pointers for SDL objects, so every window, surface, and font is freed exactly once.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>

namespace murk::sdl {

struct SdlDeleter {
    void operator()(SDL_Window* p) const { SDL_DestroyWindow(p); }
    void operator()(SDL_Renderer* p) const { SDL_DestroyRenderer(p); }
    void operator()(SDL_Texture* p) const { SDL_DestroyTexture(p); }
    void operator()(SDL_Surface* p) const { SDL_FreeSurface(p); }
    void operator()(SDL_Cursor* p) const { SDL_FreeCursor(p); }
    void operator()(TTF_Font* p) const { TTF_CloseFont(p); }
};

template <class T>
using Owned = std::unique_ptr<T, SdlDeleter>;

}  // namespace murk::sdl
