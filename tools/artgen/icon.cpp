// The desktop icon: the title's stone M rising out of a maze in green fog, on a rounded tile.
#include "icon.h"

#include <algorithm>
#include <cmath>

#include "canvas.h"
#include "palette.h"
#include "texture.h"
#include "window_art.h"

namespace artgen {

namespace {

constexpr float kDesign = 256;  // the icon is designed 256 units square

// The tile: a rounded square with a small margin, as icon themes expect.
Sdf Tile() {
    return Box({128, 128}, {118, 118}, 44);
}

// Maze corridors 32 units wide, one wall to each cell, lit green from behind the letter.
Rgb Maze(Vec v) {
    const int cx = static_cast<int>(v.x / 32), cy = static_cast<int>(v.y / 32);
    const float u = std::fmod(v.x, 32.0f), w = std::fmod(v.y, 32.0f);
    const bool wall = Hash(cx, cy, 17) < 0.5f ? u >= 25 : w >= 25;
    const float fog = TiledNoise(v.x, v.y * 2, 40, 40, 18);
    const float glow = std::max(0.0f, 1 - Len(v - Vec{128, 140}) / 140);
    Rgb c = Mix(Hex(0x0a100c), Hex(0x1e4a2a), glow * glow);
    if (wall) c = Scale(Mix(Hex(0x1c3020), Hex(0x40744a), glow), 0.6f + 0.5f * fog);
    return Mix(c, Hex(0x1a2c24), fog * 0.3f);
}

}  // namespace

std::vector<uint32_t> DrawIcon(int size) {
    Canvas c(size, size);
    const float scale = size / kDesign;
    const Place place{{0, 0}, scale};
    Painter p(c, place);
    const Sdf tile = Tile();
    // Past the tile's edge too, so its edge pixels keep their colour where they turn transparent.
    p.Fill(Grow(tile, 2 / scale), [&](Vec cp) { return Maze(place.ToLocal(cp)); });
    const Sdf rim = Ring(Grow(tile, -5), 10);
    p.Fill(rim, Hex(0x4c524c));
    p.Light(rim, 6 * scale, 0.7f);

    // The letter, 1.3 times the title's, in its own units.
    const float k = 1.3f, unit = scale * k;
    const Place letterPlace{{(128 - 55 * k) * scale, (132 - kLogoLetterHeight / 2 * k) * scale},
                            unit};
    Painter letter(c, letterPlace);
    const Sdf m = LogoLetterM();
    letter.Glow(m, Hex(0x40b060), 22 * unit, 0.5f);
    letter.Shadow(m, 0.8f, {5 * unit, 5 * unit});
    letter.Fill(Grow(m, 3), pal::Ink);
    letter.Fill(m, [&](Vec cp) { return LogoStone(m, letterPlace.ToLocal(cp), 0); });
    letter.Light(m, 7 * unit, 0.8f);
    letter.Fill(Ring(Grow(m, -2.5f), 1.2f), Hex(0xe8ecd8), 0.18f);

    std::vector<uint32_t> argb = c.Packed();
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float d = tile(place.ToLocal({x + 0.5f, y + 0.5f})) * scale;
            const auto alpha =
                static_cast<uint32_t>(std::lround(255 * std::clamp(0.5f - d, 0.0f, 1.0f)));
            argb[static_cast<size_t>(y * size + x)] |= alpha << 24;
        }
    return argb;
}

}  // namespace artgen
