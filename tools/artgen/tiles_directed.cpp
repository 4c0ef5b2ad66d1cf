// The families of eight: bullets, fire darts, laser turrets and beams, drawn facing north and
// turned by code to each of the eight directions.
#include "palette.h"
#include "tile_art.h"

namespace artgen {

namespace {

// Turns the painter to face member `dir` for the duration of one drawing.
class Facing {
public:
    Facing(Painter& p, int dir) : p_(p), keep_(p.place()) {
        p.SetPlace({keep_.origin, keep_.scale, keep_.angle + DirectionAngle(dir)});
    }
    ~Facing() { p_.SetPlace(keep_); }

private:
    Painter& p_;
    Place keep_;
};

// An energy bolt with a fading tail.
void Bolt(Painter& p, int dir, Rgb colour) {
    Facing f(p, dir);
    p.Glow(Cone({0, -6}, {0, 8}, 3, 0.5f), colour, 5, 0.6f);
    p.Fill(Cone({0, -5}, {0, 11}, 3.4f, 0.3f), colour, 0.8f);
    p.Fill(Cone({0, -6}, {0, 3}, 2.6f, 1), Mix(colour, pal::White, 0.5f));
    p.Fill(Circle({0, -6}, 1.8f), pal::White);
}

struct LaserColours {
    Rgb body;  // the turret's casing
    Rgb beam;  // the light
};

constexpr LaserColours kLaser[4] = {
    {Hex(0xa02828), Hex(0xff3030)},
    {Hex(0xa08a20), Hex(0xffe030)},
    {Hex(0x2850a8), Hex(0x40a0ff)},
    {Hex(0x7030a8), Hex(0xd060ff)},
};

void Turret(Painter& p, int dir, const LaserColours& c) {
    const Sdf base = Circle({0, 0}, 11);
    p.Shadow(base, 0.5f);
    p.Outlined(base, Hex(0x4a4e56), pal::Ink, 1, 3);
    p.Fill(Ring(Circle({0, 0}, 8.5f), 1.6f), c.body);
    {
        Facing f(p, dir);
        const Sdf barrel = Union({Rect(-3.2f, -15, 3.2f, -2), Rect(-4.2f, -15.5f, 4.2f, -12)});
        p.Outlined(barrel, Hex(0x80868e), pal::Ink, 1, 2);
        p.Glow(Rect(-2, -15.5f, 2, -14.5f), c.beam, 4, 0.9f);
        p.Fill(Rect(-2.4f, -15.5f, 2.4f, -14), Mix(c.beam, pal::White, 0.6f));
    }
    // The dome stays put so its highlight keeps to the top left whichever way the barrel turns.
    p.Outlined(Circle({0, 0}, 5), c.body, pal::Ink, 0.8f, 4);
    p.Fill(Circle({-1.8f, -1.8f}, 1.3f), pal::White, 0.6f);
}

// A beam crossing the whole tile so neighbouring beams join; pulses show which way it runs.
void Beam(Painter& p, int dir, const LaserColours& c) {
    Facing f(p, dir);
    const Sdf line = Rect(-2.2f, -24, 2.2f, 24);
    p.Glow(line, c.beam, 5, 0.7f);
    p.Fill(line, c.beam);
    p.Fill(Rect(-0.8f, -24, 0.8f, 24), pal::White);
    for (float y : {-10.0f, 6.0f}) p.Fill(Cone({0, y}, {0, y + 6}, 2.6f, 0.6f), pal::White, 0.9f);
}

}  // namespace

void DrawBullet1(Painter& p, int dir) {
    Bolt(p, dir, Hex(0x60ff40));
}
void DrawBullet2(Painter& p, int dir) {
    Bolt(p, dir, Hex(0x30f0f0));
}

// A fiery dart: a white-hot head trailing flame.
void DrawFireDart(Painter& p, int dir) {
    Facing f(p, dir);
    p.Glow(Cone({0, -6}, {0, 8}, 3, 1), pal::Flame, 5, 0.6f);
    p.Fill(Union({Cone({0, -3}, {-3, 13}, 3.5f, 0.5f), Cone({0, -3}, {3, 13}, 3.5f, 0.5f),
                  Cone({0, -3}, {0, 14}, 4, 0.5f)}),
           pal::Ember);
    p.Fill(Cone({0, -4}, {0, 10}, 3, 0.5f), pal::Flame);
    p.Fill(Polygon({{0, -14}, {3.5f, -5}, {0, -2}, {-3.5f, -5}}), pal::FlameCore);
    p.Fill(Polygon({{0, -12}, {1.5f, -6}, {-1.5f, -6}}), pal::White);
}

void DrawLaser1Turret(Painter& p, int dir) {
    Turret(p, dir, kLaser[0]);
}
void DrawLaser2Turret(Painter& p, int dir) {
    Turret(p, dir, kLaser[1]);
}
void DrawLaser3Turret(Painter& p, int dir) {
    Turret(p, dir, kLaser[2]);
}
void DrawLaser4Turret(Painter& p, int dir) {
    Turret(p, dir, kLaser[3]);
}
void DrawLaser1Beam(Painter& p, int dir) {
    Beam(p, dir, kLaser[0]);
}
void DrawLaser2Beam(Painter& p, int dir) {
    Beam(p, dir, kLaser[1]);
}
void DrawLaser3Beam(Painter& p, int dir) {
    Beam(p, dir, kLaser[2]);
}
void DrawLaser4Beam(Painter& p, int dir) {
    Beam(p, dir, kLaser[3]);
}

}  // namespace artgen
