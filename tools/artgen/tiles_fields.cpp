// The door, the fields a player steps on, and the start and finish markers.
#include <cmath>
#include <numbers>

#include "palette.h"
#include "texture.h"
#include "tile_art.h"

namespace artgen {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

// A spiral arm from radius r0 to r1 winding `turns` times, as a chain of capsules.
void Spiral(Painter& p, float r0, float r1, float turns, float phase, float width, Rgb col,
            float alpha = 1) {
    const int steps = 40;
    Vec prev{};
    for (int i = 0; i <= steps; ++i) {
        const float t = static_cast<float>(i) / steps;
        const float a = phase + t * turns * 2 * kPi, r = r0 + (r1 - r0) * t;
        const Vec v{r * std::cos(a), r * std::sin(a)};
        if (i > 0) p.Fill(Capsule(prev, v, width * (0.4f + 0.6f * t)), col, alpha);
        prev = v;
    }
}

}  // namespace

void DrawDoor(Painter& p, int) {
    Canvas& c = p.canvas();
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int plank = x / 8;
            float k = 0.85f + 0.25f * Hash(plank, 0, 61) +
                      0.15f * (TiledNoise(x * 3.0f, y * 0.25f, 4, 8, 62) - 0.5f);
            if (x % 8 == 0) k = 0.35f;
            if (x % 8 == 1) k += 0.2f;
            c.Set(x, y, Scale(pal::Wood, k));
        }
    for (float y : {-10.0f, 10.0f}) {
        p.Fill(Rect(-16, y - 3, 16, y + 3), pal::Ink);
        p.Raised(Rect(-16, y - 2.5f, 16, y + 2.5f), pal::Iron, 1.5f);
        for (float x : {-12.0f, -4.0f, 4.0f, 12.0f}) p.Raised(Circle({x, y}, 1.1f), pal::Steel, 1);
    }
    p.Outlined(Box({0, 0}, {4, 5}, 1.5f), pal::Gold, pal::Ink, 1, 1.5f);
    p.Fill(Union({Circle({0, -1.3f}, 1.5f), Rect(-0.7f, -1, 0.7f, 3)}), pal::Ink);
    p.Fill(Rect(-16, -16, 16, -15), Hex(0x1a1008));
    p.Fill(Rect(-16, 15, 16, 16), Hex(0x1a1008));
}

// A mine field square: a skull glaring out of a red haze.
void DrawDeathField(Painter& p, int) {
    p.Glow(Circle({0, 0}, 6), Hex(0xb01010), 11, 0.8f);
    const Sdf skull = Union({Circle({0, -2}, 8), Box({0, 6}, {5, 3.5f}, 1.5f)});
    p.Outlined(skull, pal::Bone, pal::Ink, 1, 3);
    p.Fill(MirrorX(Ellipse({-3.5f, -1}, 2.4f, 2.8f)), Hex(0x200404));
    p.Fill(MirrorX(Circle({-3.5f, -0.5f}, 0.9f)), Hex(0xff3020));
    p.Fill(Polygon({{0, 2}, {1.4f, 5}, {-1.4f, 5}}), Hex(0x200404));
    for (float x : {-3.0f, -1.0f, 1.0f, 3.0f})
        p.Fill(Rect(x - 0.35f, 7, x + 0.35f, 9.6f), Hex(0x402010));
}

// A crackling blue lattice; joins its neighbours into one barrier.
void DrawForceField(Painter& p, int) {
    Canvas& c = p.canvas();
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const float fx = static_cast<float>(x), fy = static_cast<float>(y);
            const float n = TiledNoise(fx, fy, 8, 4, 71);
            const float gx = std::fabs(std::fmod(fx + 4 + 3 * std::sin(fy * kPi / 8), 8.0f) - 4);
            const float gy = std::fabs(std::fmod(fy + 4 + 3 * std::sin(fx * kPi / 8), 8.0f) - 4);
            const float line = std::max(0.0f, 1.0f - std::min(gx, gy) / 1.6f);
            c.Blend(x, y, Hex(0x1040a0), 0.35f + 0.25f * n);
            c.Blend(x, y, Hex(0x70c8ff), line * (0.5f + 0.5f * n));
            if (line > 0.8f && n > 0.6f) c.Blend(x, y, pal::White, 0.8f);
        }
}

// A steel plate with lit chevrons pointing every way from a glowing hub: it carries the player
// on in whichever direction they walk onto it, so no one arrow may claim the way.
void DrawTransportField(Painter& p, int) {
    p.Outlined(Box({0, 0}, {14, 14}, 3), Hex(0x3a4450), pal::Ink, 1, 2);
    p.Fill(Box({0, 0}, {11.5f, 11.5f}, 2), Hex(0x1a2228));
    for (int i = 0; i < 4; ++i) {
        const float turn = static_cast<float>(i) * kPi / 2;
        const Vec tip = Rotate({0, -11.5f}, turn), back = Rotate({0, -7.5f}, turn);
        const Vec side = Rotate({3.5f, 0}, turn);
        auto chevron = [&](float thick) {
            return Union({Capsule(back + side, tip, thick), Capsule(back - side, tip, thick)});
        };
        p.Glow(chevron(1.3f), Hex(0x30ffa0), 2.5f, 0.5f);
        p.Fill(chevron(1.3f), Hex(0x60ffb0));
        p.Fill(chevron(0.5f), Hex(0xe0fff0));
    }
    p.Glow(Circle({0, 0}, 2.5f), Hex(0x30ffa0), 4, 0.7f);
    p.Fill(Circle({0, 0}, 3), Hex(0x60ffb0));
    p.Fill(Circle({0, 0}, 1.4f), Hex(0xe0fff0));
    for (int i = 0; i < 4; ++i)
        p.Raised(Circle({i % 2 ? 12.0f : -12.0f, i < 2 ? -12.0f : 12.0f}, 1.1f), pal::Steel, 1);
}

// A disc of ice with a white swirl: step on and slide away.
void DrawSlideField(Painter& p, int) {
    p.Shadow(Circle({0, 0}, 13), 0.5f);
    p.Outlined(Circle({0, 0}, 13), Hex(0x5aa8d8), pal::Ink, 1, 6);
    p.Fill(Circle({0, 0}, 10.5f), Hex(0x8ad0f4), 0.7f);
    Spiral(p, 1, 11, 1.25f, 0, 1.7f, pal::White, 0.95f);
    Spiral(p, 1, 11, 1.25f, kPi, 1.7f, Hex(0x2a78b8), 0.8f);
    p.Fill(Circle({-5, -6}, 1.5f), pal::White, 0.9f);
}

// The players' start pad: a ring of green light on a stone disc.
void DrawStart(Painter& p, int) {
    p.Shadow(Circle({0, 0}, 13), 0.5f);
    p.Outlined(Circle({0, 0}, 13), Hex(0x5a6268), pal::Ink, 1, 3);
    p.Fill(Circle({0, 0}, 10), Hex(0x1c2820));
    p.Glow(Ring(Circle({0, 0}, 8), 1.5f), Hex(0x40ff60), 4, 0.7f);
    p.Fill(Ring(Circle({0, 0}, 8), 1.5f), Hex(0xa0ffb0));
    p.Fill(Polygon({{0, -6}, {5, 1}, {2, 1}, {2, 5}, {-2, 5}, {-2, 1}, {-5, 1}}), Hex(0x60f080));
}

// The exit: a glowing vortex that pulls the eye.
void DrawFinish(Painter& p, int) {
    p.Glow(Circle({0, 0}, 9), Hex(0xa040ff), 7, 0.9f);
    p.Fill(Circle({0, 0}, 12), Hex(0x2a0850));
    for (int arm = 0; arm < 3; ++arm)
        Spiral(p, 1, 12, 0.8f, static_cast<float>(arm) * 2 * kPi / 3, 2.2f, Hex(0xd070ff), 0.85f);
    p.Glow(Circle({0, 0}, 2), Hex(0xffe0ff), 5, 1);
    p.Fill(Circle({0, 0}, 2.5f), pal::White);
    p.Fill(Ring(Circle({0, 0}, 12.5f), 1.2f), Hex(0xf0c0ff));
    for (int i = 0; i < 8; ++i) {
        const Vec d = Rotate({0, -14.5f}, static_cast<float>(i) * kPi / 4 + kPi / 8);
        p.Fill(Circle(d, 0.8f), pal::FlameCore);
    }
}

}  // namespace artgen
