// Noise, brick courses and pixel-art stamps.
#include "texture.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace artgen {

float Hash(int x, int y, int seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 static_cast<uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<float>(h & 0xffffff) / static_cast<float>(0x1000000);
}

float TiledNoise(float x, float y, int cell, int period, int seed) {
    const float fx = x / static_cast<float>(cell), fy = y / static_cast<float>(cell);
    const int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    const float tx = fx - static_cast<float>(ix), ty = fy - static_cast<float>(iy);
    auto at = [&](int i, int j) {
        return Hash(((i % period) + period) % period, ((j % period) + period) % period, seed);
    };
    const float sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const float top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * sx;
    const float bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * sx;
    return top + (bottom - top) * sy;
}

void LayBricks(Canvas& c, const BrickStyle& s) {
    for (int y = 0; y < c.height(); ++y) {
        const int course = y / s.courseHeight;
        const int v = y % s.courseHeight;
        const int shift = (course % 2) * s.brickWidth / 2;
        for (int x = 0; x < c.width(); ++x) {
            const int xs = x + shift;
            const int u = xs % s.brickWidth;
            const int id = (xs / s.brickWidth) % (32 / s.brickWidth);
            if (u < s.mortar || v < s.mortar) {
                c.Set(x, y, Scale(s.joint, 0.85f + 0.3f * Hash(x, y, s.seed + 7)));
                continue;
            }
            float k = 1 + s.variation * (2 * Hash(id, course, s.seed) - 1);
            k += s.grain * (2 * Hash(x, y, s.seed + 3) - 1);
            k += 0.1f *
                 (TiledNoise(static_cast<float>(x), static_cast<float>(y), 4, 8, s.seed) - 0.5f);
            if (u == s.mortar || v == s.mortar) k += 0.28f;  // lit top and left arris
            if (u == s.brickWidth - 1 || v == s.courseHeight - 1) k -= 0.3f;  // shaded bottom/right
            c.Set(x, y, Scale(s.brick, k));
        }
    }
}

void Stamp(Canvas& c, int x, int y, std::initializer_list<const char*> rows, const char* keys,
           std::initializer_list<Rgb> colours, float alpha) {
    const std::vector<Rgb> pal(colours);
    int row = 0;
    for (const char* line : rows) {
        for (int col = 0; line[col]; ++col) {
            const char* k = std::strchr(keys, line[col]);
            if (line[col] != ' ' && k && static_cast<size_t>(k - keys) < pal.size())
                c.Blend(x + col, y + row, pal[static_cast<size_t>(k - keys)], alpha);
        }
        ++row;
    }
}

}  // namespace artgen
