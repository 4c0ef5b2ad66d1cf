// The two players: the same armoured hero in green (player 1) and teal (player 2).
#include "palette.h"
#include "tile_art.h"

namespace artgen {

namespace {

struct HeroLook {
    Rgb armour;
    Rgb trim;
    bool plume;  // player 2 wears a crest so the two differ in shape as well as colour
};

void DrawHero(Painter& p, const HeroLook& look) {
    const Sdf legs = MirrorX(Box({-3.2f, 10}, {2.3f, 4.5f}, 1));
    const Sdf boots = MirrorX(Box({-3.6f, 14}, {3, 1.8f}, 1));
    const Sdf arms = MirrorX(Capsule({-7.5f, -2}, {-9, 6}, 2.2f));
    const Sdf torso = Box({0, 1}, {6.5f, 6.5f}, 2.5f);
    const Sdf head = Circle({0, -9}, 5.5f);
    p.Shadow(Union({legs, torso, head, arms}), 0.45f);
    p.Outlined(legs, Hex(0x3a3440), pal::Ink, 1, 2);
    p.Outlined(boots, Hex(0x4a2e1c), pal::Ink, 1, 1.5f);
    p.Outlined(arms, Scale(look.armour, 0.8f), pal::Ink, 1, 2);
    p.Outlined(torso, look.armour, pal::Ink, 1, 4);
    p.Fill(Rect(-6.5f, 5, 6.5f, 6.8f), Hex(0x3a2a1a));  // belt
    p.Fill(Rect(-1.3f, 4.8f, 1.3f, 7), pal::Gold);
    p.Fill(Polygon({{-3, -5}, {3, -5}, {0, 1}}), look.trim);  // collar badge
    p.Fill(MirrorX(Circle({-9, 6.5f}, 1.8f)), pal::Skin);     // fists
    // Blaster in the right hand, pointing up and out.
    p.Outlined(Union({Rect(8.5f, -3, 11.5f, 7), Rect(10, -5, 11, -3)}), Hex(0x505860), pal::Ink,
               0.8f, 1.5f);
    p.Fill(Rect(9.5f, -2, 10.5f, 2), look.trim);
    p.Outlined(head, pal::Skin, pal::Ink, 1, 4);
    // Helmet in the armour colour with a dark visor slit showing the eyes.
    p.Raised(Intersect(Circle({0, -9}, 5.6f), Rect(-7, -16, 7, -9.5f)), look.armour, 2);
    p.Fill(Rect(-5.6f, -10.2f, 5.6f, -9.2f), Scale(look.armour, 0.6f));
    if (look.plume)
        p.Outlined(Union({Capsule({0, -15}, {0, -13}, 1.6f), Capsule({0, -15}, {3, -16}, 1.2f)}),
                   look.trim, pal::Ink, 0.8f, 1.5f);
    else
        p.Fill(Rect(-0.8f, -15, 0.8f, -10), look.trim);
    p.Fill(MirrorX(Rect(-3, -8, -1.3f, -6.3f)), Hex(0x1a1a2a));
    p.Fill(Capsule({-1.5f, -4.8f}, {1.5f, -4.8f}, 0.5f), Hex(0x8a4a3a));
}

}  // namespace

void DrawPlayer1(Painter& p, int) {
    DrawHero(p, {pal::Hero1, Hex(0xd0ff90), false});
}

void DrawPlayer2(Painter& p, int) {
    DrawHero(p, {pal::Hero2, Hex(0xc8f8ff), true});
}

}  // namespace artgen
