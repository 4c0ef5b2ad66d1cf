// TextPainter: opened fonts per (face, size) and a bounded cache of rendered texts.
#pragma once

#include <list>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>

#include "platform/platform.h"
#include "platform/sdl/sdl_ptr.h"

namespace murk::sdl {

// Labels redraw the same few texts all the time, so rendered texts are kept, the least recently
// used dropped first once kCachedTexts are held.
class TextPainter {
public:
    static constexpr size_t kCachedTexts = 512;

    void Size(const Font& font, const std::string& text, int& width, int& height);
    // The text rendered blended in `colour`, or nullptr (empty text, no usable font). Valid until
    // the next call.
    SDL_Surface* Render(const Font& font, Rgb colour, const std::string& text);

private:
    struct Rendered {
        std::string key;
        Owned<SDL_Surface> surface;
    };
    TTF_Font* Open(const Font& font);

    std::map<std::pair<FontFace, int>, Owned<TTF_Font>> fonts_;
    std::list<Rendered> recent_;  // most recently used first
    std::unordered_map<std::string, std::list<Rendered>::iterator> byKey_;
};

}  // namespace murk::sdl
