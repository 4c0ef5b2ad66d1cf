// The enemies, each drawn about the tile centre so the nests can reuse them as small emblems.
#include <cmath>

#include "palette.h"
#include "tile_art.h"

namespace artgen {

namespace {

// Bright eye with a dark pupil looking at the player.
void Eye(Painter& p, Vec at, float r, Rgb white, Rgb pupil, Vec look = {0, 0.3f}) {
    p.Fill(Circle(at, r + 0.6f), pal::Ink);
    p.Fill(Circle(at, r), white);
    p.Fill(Circle(at + look * r, r * 0.55f), pupil);
    p.Fill(Circle(at + Vec{-r * 0.35f, -r * 0.4f}, r * 0.28f), pal::White, 0.9f);
}

// Legs of a bug: pairs of bent segments mirrored about the body's axis.
void Legs(Painter& p, const Vec (*joints)[3], int pairs, float thick, Rgb col) {
    for (int i = 0; i < pairs; ++i)
        for (float side : {-1.0f, 1.0f}) {
            const Vec a{joints[i][0].x * side, joints[i][0].y};
            const Vec b{joints[i][1].x * side, joints[i][1].y};
            const Vec c{joints[i][2].x * side, joints[i][2].y};
            p.Fill(Union({Capsule(a, b, thick + 0.7f), Capsule(b, c, thick + 0.5f)}), pal::Ink);
            p.Fill(Union({Capsule(a, b, thick), Capsule(b, c, thick * 0.8f)}), col);
        }
}

}  // namespace

void DrawAnt(Painter& p, int) {
    static const Vec legs[3][3] = {
        {{2, -3}, {8, -7}, {11, -12}}, {{2, -1}, {9, 0}, {13, 2}}, {{2, 1}, {8, 6}, {10, 13}}};
    const Rgb body = Hex(0xb8402a);
    const Sdf shape =
        Union({Circle({0, -9}, 4.2f), Ellipse({0, -2}, 2.8f, 3.6f), Ellipse({0, 8}, 5.5f, 7)});
    p.Shadow(shape, 0.45f);
    Legs(p, legs, 3, 0.8f, Hex(0x6a2014));
    p.Fill(MirrorX(Union(
               {Capsule({-1.5f, -12}, {-4, -15}, 0.6f), Capsule({-4, -15}, {-7, -14}, 0.6f)})),
           Hex(0x6a2014));
    p.Fill(Grow(shape, 1), pal::Ink);
    p.Raised(Ellipse({0, 8}, 5.5f, 7), body, 5, 0.7f);
    p.Raised(Ellipse({0, -2}, 2.8f, 3.6f), body, 3, 0.7f);
    p.Raised(Circle({0, -9}, 4.2f), Scale(body, 0.85f), 4, 0.7f);
    p.Fill(MirrorX(Circle({-2.2f, -10}, 1)), Hex(0xffd040));
    p.Fill(MirrorX(Capsule({-1.5f, -13}, {-0.5f, -14.5f}, 0.7f)), pal::Ink);
    p.Fill(Ellipse({-1.8f, 5}, 1.2f, 2.5f), pal::White, 0.35f);
}

void DrawDevil(Painter& p, int) {
    const Rgb red = Hex(0xd02a22);
    const Sdf horns = MirrorX(Polygon({{-9, -4}, {-14, -12}, {-11, -16}, {-11, -12}, {-5, -8}}));
    const Sdf ears = MirrorX(Polygon({{-9, -1}, {-15, -4}, {-10, 4}}));
    const Sdf head = Union({Ellipse({0, 1}, 10, 10.5f), Polygon({{-5, 9}, {5, 9}, {0, 15}})});
    p.Shadow(Union({head, ears}), 0.45f);
    p.Outlined(horns, pal::Bone, pal::Ink, 1, 3);
    p.Outlined(ears, Scale(red, 0.8f), pal::Ink, 1, 2);
    p.Outlined(head, red, pal::Ink, 1, 5);
    // Scowling brows over yellow eyes.
    p.Fill(MirrorX(Polygon({{-8, -4}, {-1.5f, -1}, {-2.5f, 1}, {-8, -1.5f}})), Hex(0x4a0808));
    p.Fill(MirrorX(Polygon({{-7.5f, 0}, {-2.5f, 2}, {-3.5f, 4}, {-7, 3}})), Hex(0xffe040));
    p.Fill(MirrorX(Circle({-4.2f, 2.5f}, 1)), pal::Ink);
    // Grin with fangs.
    const Sdf mouth = Polygon({{-6.5f, 6}, {6.5f, 6}, {3, 10}, {-3, 10}});
    p.Fill(mouth, Hex(0x300404));
    p.Fill(MirrorX(Polygon({{-5, 6}, {-3, 6}, {-4, 9}})), pal::White);
    p.Fill(Polygon({{-1.5f, 13}, {1.5f, 13}, {0, 15.5f}}), Hex(0x400404));
}

void DrawCow(Painter& p, int) {
    const Sdf horns = MirrorX(
        Union({Capsule({-6, -9}, {-12, -11}, 1.6f), Capsule({-12, -11}, {-14, -15}, 1.1f)}));
    const Sdf ears = MirrorX(Ellipse({-11.5f, -4}, 4, 2.2f));
    const Sdf head = Union({Box({0, -3}, {8, 9}, 5), Ellipse({0, 8}, 8, 6)});
    p.Shadow(Union({head, ears}), 0.45f);
    p.Outlined(horns, pal::Bone, pal::Ink, 1, 2);
    p.Outlined(ears, Hex(0x3a2a22), pal::Ink, 1, 2);
    p.Fill(MirrorX(Ellipse({-11.5f, -4}, 2.2f, 1)), Hex(0xe0909a));
    p.Outlined(head, pal::White, pal::Ink, 1, 4);
    // Black patches, clipped to the head.
    p.Fill(Intersect(head, Union({Circle({-7, -9}, 5), Circle({6, -3}, 3.5f), Circle({9, 1}, 3)})),
           Hex(0x221c1c));
    p.Outlined(Ellipse({0, 8}, 7, 5), Hex(0xf0a0b0), Hex(0x8a4050), 0.8f, 3);
    p.Fill(MirrorX(Ellipse({-3, 8}, 1.3f, 2)), Hex(0x6a2030));
    Eye(p, {-4, -2}, 2, pal::White, pal::Ink);
    Eye(p, {4, -2}, 2, pal::White, pal::Ink);
    p.Fill(MirrorX(Capsule({-6.5f, -5.5f}, {-2, -4}, 0.7f)), pal::Ink);  // a cross cow
}

// A tiny red mite: small on purpose, but it glows so it is never missed.
void DrawChigger(Painter& p, int) {
    static const Vec legs[4][3] = {{{2, -2}, {5, -5}, {7, -8}},
                                   {{2.5f, -0.5f}, {6, -1.5f}, {8, -2}},
                                   {{2.5f, 1}, {6, 2.5f}, {8, 4}},
                                   {{2, 2}, {5, 5}, {6, 8}}};
    const Sdf body = Union({Ellipse({0, 1.5f}, 4.5f, 5), Circle({0, -4}, 2.2f)});
    p.Glow(body, Hex(0xff2010), 5, 0.35f);
    p.Shadow(body, 0.5f, {1, 1.5f});
    Legs(p, legs, 4, 0.55f, Hex(0xa01008));
    p.Outlined(body, Hex(0xe82818), pal::Ink, 0.8f, 4);
    p.Fill(MirrorX(Circle({-1, -4.6f}, 0.6f)), pal::Ink);
    p.Fill(Circle({-1.5f, 0}, 1.1f), Hex(0xffa090), 0.8f);
}

void DrawFrog(Painter& p, int) {
    const Rgb green = Hex(0x4cb83a);
    const Sdf back =
        MirrorX(Union({Capsule({-6, 6}, {-12, 4}, 2.6f), Capsule({-12, 4}, {-10, 13}, 1.8f),
                       Capsule({-10, 13}, {-14, 14}, 1.4f)}));
    const Sdf front =
        MirrorX(Union({Capsule({-5, -3}, {-10, -6}, 1.6f), Capsule({-10, -6}, {-12, -10}, 1.2f)}));
    const Sdf body = Union({Ellipse({0, 2}, 8, 9.5f), MirrorX(Circle({-5, -7}, 3.6f))});
    p.Shadow(Union({body, back}), 0.45f);
    p.Outlined(back, Scale(green, 0.8f), pal::Ink, 1, 2);
    p.Outlined(front, Scale(green, 0.8f), pal::Ink, 1, 2);
    p.Outlined(body, green, pal::Ink, 1, 6);
    p.Fill(Union({Circle({-3, 4}, 1.6f), Circle({3, 7}, 1.4f), Circle({1, 0}, 1.2f)}),
           Hex(0x2a6a20));
    Eye(p, {-5, -7.5f}, 2.4f, Hex(0xf0e040), pal::Ink, {0, -0.2f});
    Eye(p, {5, -7.5f}, 2.4f, Hex(0xf0e040), pal::Ink, {0, -0.2f});
    p.Fill(Capsule({-4, -2.5f}, {4, -2.5f}, 0.5f), Hex(0x1a4a14));
}

// A dark war-horse in profile with a red eye: the deadliest thing in the maze.
void DrawHorse(Painter& p, int) {
    const Rgb coat = Hex(0x8a5230);
    const Sdf head = Polygon({{11, 16},
                              {12, 2},
                              {8, -8},
                              {4, -12},
                              {-1, -11},
                              {-8, -5},
                              {-14, 3},
                              {-14, 8},
                              {-9, 10},
                              {-4, 7},
                              {1, 16}});
    const Sdf ear = Polygon({{2, -10}, {5, -16}, {6, -9}});
    const Sdf mane = Union({Capsule({6, -11}, {10, -4}, 2.4f), Capsule({10, -4}, {13, 4}, 2.6f),
                            Capsule({13, 4}, {13.5f, 14}, 2.4f)});
    p.Shadow(Union({head, mane}), 0.45f);
    p.Outlined(ear, Scale(coat, 0.8f), pal::Ink, 1, 2);
    p.Outlined(head, coat, pal::Ink, 1, 4);
    p.Fill(Polygon({{-12, 3}, {-14, 8}, {-9, 10}, {-6, 7}, {-9, 3}}), Hex(0x5a3420));  // muzzle
    p.Outlined(mane, Hex(0x1e1414), pal::Ink, 0.8f, 2);
    p.Fill(Union({Capsule({-1, -11}, {3, -14}, 1.6f)}), Hex(0x1e1414));  // forelock
    p.Fill(Capsule({-4, -4}, {-1, -4.5f}, 1.8f), pal::Ink);
    p.Fill(Circle({-2.5f, -4.4f}, 1.3f), Hex(0xff3020));
    p.Fill(Ellipse({-11.5f, 4.5f}, 1.2f, 0.9f), pal::Ink);
    p.Fill(Capsule({-13, 8}, {-9, 8.5f}, 0.4f), pal::Ink);
    p.Fill(Polygon({{-1, -2}, {8, 6}, {10, 16}, {6, 16}}), Hex(0x000000), 0.15f);
    p.Fill(Capsule({-8, -3}, {-1, -8}, 0.8f), pal::White, 0.25f);
}

void DrawPig(Painter& p, int) {
    const Rgb pink = Hex(0xf09aa8);
    const Sdf ears = MirrorX(Polygon({{-10, -5}, {-12, -14}, {-3, -10}}));
    const Sdf head = Ellipse({0, 1}, 12, 11);
    p.Shadow(Union({head, ears}), 0.45f);
    p.Outlined(ears, Scale(pink, 0.85f), pal::Ink, 1, 2);
    p.Outlined(head, pink, pal::Ink, 1, 6);
    p.Fill(MirrorX(Polygon({{-9.5f, -6}, {-10.5f, -11.5f}, {-5, -9}})), Hex(0xc86878));
    p.Outlined(Ellipse({0, 5}, 5.5f, 4), Hex(0xe07088), Hex(0x7a2838), 0.8f, 3);
    p.Fill(MirrorX(Ellipse({-2, 5}, 1, 1.6f)), Hex(0x5a1020));
    Eye(p, {-5, -2.5f}, 1.8f, pal::White, pal::Ink);
    Eye(p, {5, -2.5f}, 1.8f, pal::White, pal::Ink);
    p.Fill(MirrorX(Capsule({-7.5f, -6}, {-3, -4.5f}, 0.6f)), Hex(0x5a1020));
    p.Fill(Ellipse({-7, 6}, 2, 1.3f), Hex(0xff6070), 0.5f);
    p.Fill(Ellipse({7, 6}, 2, 1.3f), Hex(0xff6070), 0.5f);
}

}  // namespace artgen
