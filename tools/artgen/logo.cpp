// The title graphic: mossy stone letters spelling MURK, rising out of a misty maze.
#include <algorithm>
#include <cmath>

#include "palette.h"
#include "texture.h"
#include "window_art.h"

namespace artgen {

namespace {

constexpr int kW = 660, kH = 130;
constexpr float kLetterH = kLogoLetterHeight;

// Letter outlines in a box 110 wide and kLetterH tall, origin at the top-left (M: LogoLetterM).
Sdf LetterU() {
    return Cut(
        Union({Rect(0, 0, 28, 60, 3), Rect(82, 0, 110, 60, 3), Rect(0, 30, 110, kLetterH, 30)}),
        Rect(28, -10, 82, 68, 12));
}
Sdf LetterR() {
    const Sdf bowl = Cut(Rect(0, 0, 106, 58, 22), Rect(28, 20, 76, 38, 6));
    return Union({Rect(0, 0, 28, kLetterH, 3), bowl,
                  Polygon({{46, 50}, {76, 50}, {110, kLetterH}, {78, kLetterH}})});
}
Sdf LetterK() {
    return Union({Rect(0, 0, 28, kLetterH, 3),
                  Polygon({{24, 38}, {76, 0}, {110, 0}, {44, 56}, {24, 66}}),
                  Polygon({{38, 44}, {62, 34}, {110, kLetterH}, {78, kLetterH}})});
}

// 1 in the middle, 0 at the picture's border, so the backdrop melts into the black menu panel.
float Fade(int x, int y) {
    const float fx = std::min(x, kW - 1 - x) / 70.0f, fy = std::min(y, kH - 1 - y) / 30.0f;
    return std::min({1.0f, fx, fy});
}

// Faint maze corridors receding into fog behind the letters.
void MazeBackdrop(Canvas& c) {
    const int cell = 20;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const int cx = x / cell, cy = y / cell, u = x % cell, v = y % cell;
            const bool wallRight = Hash(cx, cy, 17) < 0.5f, wallDown = !wallRight;
            const bool wall = (wallRight && u >= cell - 3) || (wallDown && v >= cell - 3);
            const float fog = TiledNoise(static_cast<float>(x), y * 2.0f, 40, 40, 18);
            const float edge = Fade(x, y);
            if (wall) c.Set(x, y, Scale(Hex(0x1c3020), (0.35f + 0.5f * fog) * edge));
            c.Blend(x, y, Hex(0x1a2c24), fog * 0.35f * edge);
        }
}

}  // namespace

Sdf LogoLetterM() {
    return Union({Rect(0, 0, 26, kLetterH, 3), Rect(84, 0, 110, kLetterH, 3),
                  Polygon({{4, 0}, {30, 0}, {55, 44}, {80, 0}, {106, 0}, {66, 70}, {44, 70}})});
}

Rgb LogoStone(const Sdf& letter, Vec v, float top) {
    const float t = (v.y - top) / kLetterH;
    const float n = TiledNoise(v.x, v.y, 6, 200, 3) * 0.6f + TiledNoise(v.x, v.y, 2, 600, 4) * 0.4f;
    Rgb c = Scale(Mix(Hex(0xb0b0a0), Hex(0x3a4044), t), 0.8f + 0.35f * n);
    const float course = std::fmod(v.y - top, 32.0f);
    if (course < 1.5f)
        c = Scale(c, 0.45f);  // joint between stone courses
    else if (course < 3)
        c = Scale(c, 1.18f);  // lit lip under the joint
    const float edge = std::clamp(1 - letter({v.x, v.y - 7}) / -7, 0.0f, 1.0f);  // near a top face
    const float drip = TiledNoise(v.x * 3, v.y * 0.15f, 6, 400, 6);
    const float grain = Hash(static_cast<int>(v.x), static_cast<int>(v.y), 7);
    const float moss = edge * 0.9f + (drip - 0.55f) * 2 * (1 - t) + (n - 0.5f);
    if (moss > 0.45f && grain < 0.2f + moss)
        c = Mix(c, Scale(pal::Moss, 0.7f + 0.7f * grain), std::min(1.0f, (moss - 0.45f) * 4));
    return c;
}

Canvas DrawLogo() {
    Canvas c(kW, kH);
    MazeBackdrop(c);
    const float top = (kH - kLetterH) / 2;
    const Sdf letters[] = {LogoLetterM(), LetterU(), LetterR(), LetterK()};
    const float gap = 22, width = 110;
    const float left = (kW - (4 * width + 3 * gap)) / 2;
    Painter p(c, Place{{0, 0}});
    for (int i = 0; i < 4; ++i) {
        const Sdf l = Move(letters[i], {left + i * (width + gap), top});
        p.Glow(l, Hex(0x40b060), 22, 0.4f);
        p.Shadow(l, 0.8f, {6, 6});
    }
    for (int i = 0; i < 4; ++i) {
        const Sdf l = Move(letters[i], {left + i * (width + gap), top});
        p.Fill(Grow(l, 3), pal::Ink);
        p.Fill(l, [&](Vec v) { return LogoStone(l, v, top); });
        p.Light(l, 7, 0.8f);
        p.Fill(Ring(Grow(l, -2.5f), 1.2f), Hex(0xe8ecd8), 0.18f);
        p.Fill(Ring(l, 1.5f), Hex(0x0a100c), 0.6f);
    }
    // A drift of mist across the feet of the letters.
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const float m = TiledNoise(x * 0.6f, y * 2.5f, 24, 60, 21);
            const float band = std::max(0.0f, 1.0f - std::fabs(y - 108.0f) / 22.0f);
            c.Blend(x, y, Hex(0x9ac0aa), std::max(0.0f, m - 0.35f) * band * 0.5f * Fade(x, y));
        }
    return c;
}

}  // namespace artgen
