// Floor and wall tiles: all of them repeat seamlessly, so rooms read as one surface.
#include <cmath>

#include "palette.h"
#include "texture.h"
#include "tile_art.h"

namespace artgen {

namespace {

// Flames licking up a chain wall as it burns away: charred bricks, tongues of fire from the
// bottom, white-hot at the root and darkening towards the tips.
struct FireColours {
    Rgb root, body, tip;
};

void Burn(Canvas& c, const FireColours& f, int seed) {
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) c.Set(x, y, Mix(Scale(c.At(x, y), 0.55f), f.tip, 0.25f));
    for (int x = 0; x < 32; ++x) {
        const float fx = static_cast<float>(x);
        const float height =
            10 + 20 * TiledNoise(fx, 0, 4, 8, seed) + 4 * std::sin(fx * 0.785f * 3);
        for (int y = 0; y < 32; ++y) {
            const float up = 31.5f - static_cast<float>(y);
            const float wobble = 3 * (TiledNoise(fx, static_cast<float>(y), 4, 8, seed + 1) - 0.5f);
            const float t = (up + wobble) / height;  // 0 at the root, 1 at the tip
            if (t >= 1) continue;
            const Rgb col = t < 0.35f ? Mix(f.root, f.body, t / 0.35f)
                                      : Mix(f.body, f.tip, (t - 0.35f) / 0.65f);
            c.Blend(x, y, col, std::min(1.0f, (1 - t) * 3) * 0.92f);
        }
    }
}

BrickStyle WallBricks() {
    BrickStyle s;
    s.brick = pal::Brick;
    s.joint = pal::Mortar;
    return s;
}

// A few specks of moss; kept faint because every wall tile repeats the same ones.
void Moss(Canvas& c, int seed) {
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const float n = TiledNoise(static_cast<float>(x), static_cast<float>(y), 8, 4, seed);
            if (n > 0.7f && Hash(x, y, seed) < (n - 0.62f) * 2.5f)
                c.Blend(x, y, Scale(pal::Moss, 0.55f + 0.4f * Hash(x, y, seed + 1)), 0.6f);
        }
}

}  // namespace

void DrawFloor(Painter& p, int) {
    Canvas& c = p.canvas();
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const float fx = static_cast<float>(x), fy = static_cast<float>(y);
            float k =
                0.9f + 0.22f * TiledNoise(fx, fy, 8, 4, 11) + 0.1f * TiledNoise(fx, fy, 4, 8, 12);
            k += 0.07f * (Hash(x, y, 13) - 0.5f);
            if (Hash(x, y, 14) > 0.985f) k -= 0.25f;  // pits
            Rgb col = Scale(pal::FloorBase, k);
            const float damp = TiledNoise(fx, fy, 16, 2, 15);  // patches of green damp
            col = Mix(col, Hex(0x1e2a1e), std::max(0.0f, damp - 0.55f) * 1.6f);
            c.Set(x, y, col);
        }
}

void DrawSolidWall(Painter& p, int) {
    LayBricks(p.canvas(), WallBricks());
    Moss(p.canvas(), 21);
}

// The level's rim: the same masonry, but in heavy dark blocks with deep joints and iron studs.
void DrawEdgeWall(Painter& p, int) {
    BrickStyle s = WallBricks();
    s.courseHeight = 16;
    s.brickWidth = 16;
    s.mortar = 2;
    s.brick = pal::EdgeBrick;
    s.joint = Hex(0x0e0a0a);
    s.seed = 5;
    LayBricks(p.canvas(), s);
    for (int i = 0; i < 4; ++i) {
        const Vec at{static_cast<float>(i % 2 ? 26 : 10), static_cast<float>(i < 2 ? 9 : 25)};
        p.Outlined(Circle(at - Vec{16, 16}, 1.6f), pal::Iron, pal::Ink, 0.8f, 2);
    }
}

namespace {

// Chain walls are bricks of their own colour with hot joints; burning ones are ablaze.
struct ChainLook {
    Rgb brick, joint;
    FireColours fire;
    int seed;
};

constexpr ChainLook kAmberChain{
    Hex(0xb08a3a), Hex(0x8a3010), {pal::FlameCore, pal::Flame, pal::Ember}, 31};
constexpr ChainLook kBlueChain{
    Hex(0x4a78a8), Hex(0x14305a), {Hex(0xe8fcff), Hex(0x40b8ff), Hex(0x3020a0)}, 41};

void ChainWall(Canvas& c, const ChainLook& look, bool burning) {
    BrickStyle s = WallBricks();
    s.brick = look.brick;
    s.joint = look.joint;
    s.seed = look.seed;
    LayBricks(c, s);
    if (burning) Burn(c, look.fire, look.seed + 2);
}

}  // namespace

void DrawChainWall(Painter& p, int) {
    ChainWall(p.canvas(), kAmberChain, false);
}
void DrawChainWallBurning(Painter& p, int) {
    ChainWall(p.canvas(), kAmberChain, true);
}
void DrawChainWall2(Painter& p, int) {
    ChainWall(p.canvas(), kBlueChain, false);
}
void DrawChainWall2Burning(Painter& p, int) {
    ChainWall(p.canvas(), kBlueChain, true);
}

// A wall that enemies slip through: an iron lattice in a stone frame, the dark behind showing.
void DrawGrilleWall(Painter& p, int) {
    Canvas& c = p.canvas();
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) c.Blend(x, y, Hex(0x0a0808), 0.6f);
    // Diagonal bars every 8 pixels both ways: a diamond mesh that repeats across tiles.
    for (int o = -32; o <= 64; o += 8) {
        const float f = static_cast<float>(o) - 16;
        for (const Sdf& bar : {Capsule({f - 8, -24}, {f + 40, 24}, 1.1f),
                               Capsule({f + 8, -24}, {f - 40, 24}, 1.1f)}) {
            p.Fill(Grow(bar, 0.7f), pal::Ink);
            p.Raised(bar, pal::Rust, 1.5f, 0.7f);
        }
    }
    BrickStyle s = WallBricks();
    Canvas band(32, 32);
    LayBricks(band, s);
    for (int x = 0; x < 32; ++x)
        for (int y : {0, 1, 2, 3, 28, 29, 30, 31}) c.Set(x, y, band.At(x, y < 4 ? y + 4 : y - 4));
}

// The brick wall, split by cracks: one good shot brings it down.
void DrawCrackedWall(Painter& p, int) {
    BrickStyle s = WallBricks();
    s.brick = Hex(0x9a7a62);
    s.seed = 51;
    LayBricks(p.canvas(), s);
    const Vec crack[] = {{-9, -16}, {-6, -9}, {-8, -3}, {-2, 1}, {0, 8}, {5, 12}, {4, 16}};
    const Vec branch[] = {{-2, 1}, {5, -3}, {9, -9}, {14, -10}};
    const Vec twig[] = {{0, 8}, {-6, 11}, {-10, 16}};
    auto line = [&](const Vec* v, int n, float w) {
        for (int i = 0; i + 1 < n; ++i) {
            p.Fill(Capsule(v[i] + Vec{0.6f, 0.6f}, v[i + 1] + Vec{0.6f, 0.6f}, w), Hex(0xd8c0a8),
                   0.6f);
            p.Fill(Capsule(v[i], v[i + 1], w), Hex(0x120c0a));
        }
    };
    line(crack, 7, 0.75f);
    line(branch, 4, 0.55f);
    line(twig, 3, 0.5f);
}

}  // namespace artgen
