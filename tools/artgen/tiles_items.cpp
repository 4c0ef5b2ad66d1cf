// Things to pick up or shoot: key, star, gold, health kit, bomb, heart and shield.
#include <cmath>
#include <numbers>

#include "palette.h"
#include "texture.h"
#include "tile_art.h"

namespace artgen {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

Sdf StarShape(float outer, float inner, int points) {
    std::vector<Vec> v;
    for (int i = 0; i < points * 2; ++i) {
        const float r = i % 2 ? inner : outer;
        v.push_back(Rotate({0, -r}, static_cast<float>(i) * kPi / static_cast<float>(points)));
    }
    return Polygon(v);
}

}  // namespace

void DrawKey(Painter& p, int) {
    const Sdf key =
        Turn(Union({Cut(Circle({0, -8}, 5.5f), Circle({0, -8}, 2.4f)), Rect(-1.6f, -3, 1.6f, 12),
                    Rect(1.6f, 6, 5.5f, 8.2f), Rect(1.6f, 9.8f, 4.5f, 12)}),
             kPi / 4);
    p.Glow(key, pal::Gold, 3, 0.3f);
    p.Shadow(key, 0.5f);
    p.Outlined(key, pal::Gold, pal::Ink, 1, 2.5f);
}

void DrawStar(Painter& p, int) {
    p.Glow(Circle({0, 0}, 6), Hex(0xffd040), 10, 0.5f);
    p.Outlined(StarShape(13, 5.5f, 5), Hex(0xffd030), Hex(0x7a3800), 1, 4);
    p.Fill(StarShape(5, 2.2f, 5), Hex(0xfff4b0), 0.8f);
}

void DrawMoney(Painter& p, int) {
    const Sdf sack =
        Union({Ellipse({0, 5}, 10.5f, 9), Polygon({{-4, -5}, {4, -5}, {6, -1}, {-6, -1}}),
               MirrorX(Polygon({{-3, -6}, {-7, -12}, {-1, -8}})),
               Polygon({{-2, -7}, {2, -7}, {0, -12}})});
    p.Shadow(sack, 0.5f);
    p.Outlined(sack, Hex(0xb08a50), pal::Ink, 1, 6);
    p.Fill(Capsule({-5, -5}, {5, -5}, 1.1f), Hex(0x6a3a1a));  // the cord
    p.Outlined(Circle({0, 5}, 5.8f), pal::Gold, Hex(0x6a4a10), 0.8f, 2);
    Stamp(p.canvas(), 14, 16, {"  #  ", " ####", "# #  ", " ### ", "  # #", "#### ", "  #  "}, "#",
          {Hex(0x6a3a00)});
    for (const Vec at : {Vec{-11, 11}, Vec{11, 12}}) {
        p.Outlined(Ellipse(at, 3.2f, 2), pal::Gold, pal::Ink, 0.8f, 1.5f);
        p.Fill(Ellipse(at - Vec{0.5f, 0.5f}, 1.5f, 0.8f), pal::FlameCore, 0.8f);
    }
}

void DrawHealth(Painter& p, int) {
    const Sdf box = Box({0, 2}, {12, 10}, 2.5f);
    const Sdf handle = Cut(Box({0, -9}, {5, 3.5f}, 2), Box({0, -8}, {3, 2}, 1));
    p.Shadow(Union({box, handle}), 0.5f);
    p.Outlined(handle, Hex(0x8a8a90), pal::Ink, 1, 1.5f);
    p.Outlined(box, pal::White, pal::Ink, 1, 3);
    const Sdf cross = Union({Rect(-2.5f, -5, 2.5f, 9), Rect(-7, -0.5f, 7, 4.5f)});
    p.Raised(cross, Hex(0xe01818), 1.5f);
}

void DrawBomb(Painter& p, int) {
    const Sdf ball = Circle({-1, 3}, 10);
    p.Shadow(ball, 0.55f);
    p.Outlined(Box({5, -6}, {3.2f, 2.6f}, 0.8f), Hex(0x5a5a60), pal::Ink, 1, 1.5f);
    p.Fill(Grow(ball, 1), Hex(0x7a7a80));  // thin light rim so it reads against dark floor
    p.Raised(ball, Hex(0x26262c), 10, 0.5f);
    p.Fill(Ellipse({-5, -2}, 3, 2), pal::White, 0.45f);
    p.Fill(Union({Capsule({6, -8}, {8, -11}, 0.9f), Capsule({8, -11}, {11, -12}, 0.9f)}),
           Hex(0xc8b080));
    p.Glow(Circle({11.5f, -12.5f}, 1), pal::Flame, 4, 1);
    p.Fill(Move(StarShape(3.5f, 1.2f, 4), {11.5f, -12.5f}), pal::FlameCore);  // the spark
}

void DrawHeart(Painter& p, int) {
    const Sdf heart = Union({Circle({-5, -3}, 6.2f), Circle({5, -3}, 6.2f),
                             Polygon({{-10.8f, -0.5f}, {10.8f, -0.5f}, {0, 12}})});
    p.Glow(heart, Hex(0xff3050), 3, 0.4f);
    p.Shadow(heart, 0.5f);
    p.Outlined(heart, Hex(0xe0203a), pal::Ink, 1, 6);
    p.Fill(Ellipse({-5.5f, -5}, 2.4f, 1.6f), pal::White, 0.7f);
}

void DrawShield(Painter& p, int) {
    const Sdf shield =
        Polygon({{-11, -12}, {11, -12}, {11, 0}, {8, 7}, {0, 14}, {-8, 7}, {-11, 0}});
    p.Shadow(shield, 0.5f);
    p.Outlined(shield, pal::Steel, pal::Ink, 1, 2.5f);
    const Sdf field = Grow(shield, -2.5f);
    p.Raised(field, Hex(0x2a5ad0), 6, 0.5f);
    p.Raised(Intersect(field, Union({Rect(-1.8f, -10, 1.8f, 12), Rect(-9, -4, 9, -0.5f)})),
             pal::Gold, 1.2f);
}

}  // namespace artgen
