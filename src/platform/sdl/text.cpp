// Text measuring and rendering with SDL2_ttf, with the font and rendered-text caches.
#include "platform/sdl/text.h"

#include <cstdio>

#include "platform/sdl/fonts.h"

namespace murk::sdl {

TTF_Font* TextPainter::Open(const Font& font) {
    const auto key = std::make_pair(font.face, font.px);
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second.get();
    // At 72 dpi a point is a pixel, so the size in points is the wanted height in pixels.
    const int size = font.px > 0 ? font.px : 1;
    const std::string file = FontFileFor(font.face);
    Owned<TTF_Font> opened(TTF_OpenFont(file.c_str(), size));
    if (!opened) opened.reset(TTF_OpenFont(FallbackFontFile(), size));
    if (!opened)
        std::fprintf(stderr, "Murk: cannot open font %s: %s\n", file.c_str(), TTF_GetError());
    // A failed open is remembered too, so it is not retried on every label.
    return fonts_.emplace(key, std::move(opened)).first->second.get();
}

void TextPainter::Size(const Font& font, const std::string& text, int& width, int& height) {
    width = height = 0;
    TTF_Font* f = Open(font);
    if (f) TTF_SizeUTF8(f, text.c_str(), &width, &height);
}

SDL_Surface* TextPainter::Render(const Font& font, Rgb colour, const std::string& text) {
    if (text.empty()) return nullptr;
    std::string key;
    key.reserve(text.size() + 8);
    key += static_cast<char>(font.face);
    key.append(reinterpret_cast<const char*>(&font.px), sizeof font.px);
    key += {static_cast<char>(colour.r), static_cast<char>(colour.g), static_cast<char>(colour.b)};
    key += text;

    if (auto hit = byKey_.find(key); hit != byKey_.end()) {
        recent_.splice(recent_.begin(), recent_, hit->second);
        return hit->second->surface.get();
    }
    TTF_Font* f = Open(font);
    if (!f) return nullptr;
    Owned<SDL_Surface> surface(
        TTF_RenderUTF8_Blended(f, text.c_str(), SDL_Color{colour.r, colour.g, colour.b, 255}));
    if (!surface) return nullptr;
    if (recent_.size() >= kCachedTexts) {
        byKey_.erase(recent_.back().key);
        recent_.pop_back();
    }
    recent_.push_front({key, std::move(surface)});
    byKey_.emplace(std::move(key), recent_.begin());
    return recent_.front().surface.get();
}

}  // namespace murk::sdl
