// The producers: each a den of its own stone with its creature as the emblem over the mouth.
#include <cmath>
#include <numbers>

#include "palette.h"
#include "texture.h"
#include "tile_art.h"

namespace artgen {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

// A raised mound with a glowing mouth; `scale` lets the pig's den grow.
void Den(Painter& p, Rgb stone, Rgb glow, float scale = 1) {
    const Place keep = p.place();
    p.SetPlace({keep.origin, keep.scale * scale, keep.angle});
    const Sdf mound = Ellipse({0, 3}, 15, 12.5f);
    p.Shadow(mound, 0.55f);
    p.Outlined(mound, stone, pal::Ink, 1, 7);
    // Rough stones set into the mound.
    for (int i = 0; i < 9; ++i) {
        const float a = static_cast<float>(i) * 2 * kPi / 9 + 0.3f;
        const Vec at{11.5f * std::cos(a), 3 + 9.5f * std::sin(a)};
        p.Raised(Circle(at, 2.2f), Scale(stone, 0.8f + 0.3f * Hash(i, 1, 91)), 1.5f, 0.8f);
    }
    const Sdf mouth = Ellipse({0, 4}, 9, 7);
    p.Fill(Grow(mouth, 0.8f), pal::Ink);
    p.Fill(mouth, Scale(glow, 0.3f));
    p.Glow(Ellipse({0, 5}, 6, 3.5f), glow, 6, 0.9f);
    p.SetPlace(keep);
}

// Draws `creature` shrunk by `scale` and centred at `at` over the den's mouth.
void Emblem(Painter& p, TileDraw creature, float scale, Vec at = {0, 3}) {
    const Place keep = p.place();
    p.SetPlace({keep.origin + at * keep.scale, keep.scale * scale, keep.angle});
    creature(p, 0);
    p.SetPlace(keep);
}

// The den of `stone`, its mouth lit with `glow`, with `creature` as its emblem; `scale` grows it.
void Nest(Painter& p, Rgb stone, Rgb glow, TileDraw creature, float scale = 1) {
    Den(p, stone, glow, scale);
    Emblem(p, creature, 0.6f * scale, Vec{0, 2} * scale);
}

}  // namespace

void DrawAntNest(Painter& p, int) {
    Nest(p, Hex(0xb08850), Hex(0xff8040), DrawAnt);
}
void DrawDevilNest(Painter& p, int) {
    Nest(p, Hex(0x5a4a4a), Hex(0xff2000), DrawDevil);
}
void DrawCowNest(Painter& p, int) {
    Nest(p, Hex(0xb89a50), Hex(0xffd070), DrawCow);
}
void DrawFrogNest(Painter& p, int) {
    Nest(p, Hex(0x4a7a4a), Hex(0x40c0ff), DrawFrog);
}
void DrawHorseNest(Painter& p, int) {
    Nest(p, Hex(0x7a6a5a), Hex(0xff4020), DrawHorse);
}

// Grows from a baby sty to a full-size one over its five stages.
void DrawPigNest(Painter& p, int stage) {
    const float scale = 0.4f + 0.15f * static_cast<float>(stage - 1);
    Nest(p, Hex(0x7a5a3a), Hex(0xff90a0), DrawPig, scale);
}

// A wandering box of trouble: a crate marked with a question, spilling sparks.
void DrawRandomNest(Painter& p, int) {
    const Sdf crate = Box({0, 0}, {12, 12}, 3);
    p.Glow(crate, Hex(0xc040ff), 4, 0.6f);
    p.Shadow(crate, 0.5f);
    p.Outlined(crate, Hex(0x7a38b0), pal::Ink, 1, 3);
    p.Fill(Ring(Box({0, 0}, {9, 9}, 2), 1), Hex(0x4a1a70));
    const Sdf mark = Union({Cut(Ring(Circle({0, -3.5f}, 4.2f), 2.6f), Rect(-6, -3, 0, 2)),
                            Capsule({0, 0.5f}, {0, 3}, 1.3f), Circle({0, 6.8f}, 1.6f)});
    p.Fill(Grow(mark, 1), pal::Ink);
    p.Raised(mark, pal::Gold, 1.5f);
    for (const Vec at : {Vec{-12, -12}, Vec{12, -12}, Vec{-12, 12}, Vec{12, 12}})
        p.Raised(Circle(at * 0.85f, 1.2f), pal::Steel, 1);
}

// An iron brazier with four vents, its fire showing through the grate.
void DrawFireNest(Painter& p, int) {
    const Sdf base =
        Polygon({{-6, -13}, {6, -13}, {13, -6}, {13, 6}, {6, 13}, {-6, 13}, {-13, 6}, {-13, -6}});
    p.Shadow(base, 0.5f);
    p.Outlined(base, Hex(0x4a4a52), pal::Ink, 1, 3);
    for (int i = 0; i < 4; ++i) {
        const Sdf vent = Turn(Box({0, -11}, {3, 3}, 1), static_cast<float>(i) * kPi / 2);
        p.Raised(vent, Hex(0x2a2a30), 1.5f);
        p.Fill(Turn(Circle({0, -11.5f}, 1.3f), static_cast<float>(i) * kPi / 2), pal::Flame);
    }
    p.Fill(Circle({0, 0}, 7.5f), Hex(0x200800));
    p.Glow(Circle({0, 0}, 4), pal::Flame, 5, 0.9f);
    p.Fill(Polygon({{0, -7}, {3, -2}, {5, 3}, {2, 6}, {-2, 6}, {-5, 3}, {-3, -2}}), pal::Ember);
    p.Fill(Polygon({{0, -4}, {2.5f, 1}, {2, 5}, {-2, 5}, {-2.5f, 1}}), pal::Flame);
    p.Fill(Ellipse({0, 3}, 1.6f, 2.4f), pal::FlameCore);
    for (float x : {-3.0f, 0.0f, 3.0f})
        p.Fill(Rect(x - 0.6f, -7, x + 0.6f, 7), Hex(0x3a3a40), 0.8f);
}

}  // namespace artgen
