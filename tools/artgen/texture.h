// Deterministic noise and the brick courses that every wall tile is laid from.
#pragma once

#include <cstdint>

#include "canvas.h"

namespace artgen {

// 0..1, the same for the same arguments.
float Hash(int x, int y, int seed);
// Smooth value noise 0..1 on a lattice of `cell` pixels that repeats every `period` cells.
float TiledNoise(float x, float y, int cell, int period, int seed);

// A wall face: courses of bricks, staggered by half a brick, repeating every 32 pixels.
struct BrickStyle {
    int courseHeight = 8;
    int brickWidth = 16;
    int mortar = 1;           // joint width in pixels
    Rgb brick;                // average brick colour
    Rgb joint;                // mortar colour
    float variation = 0.12f;  // brick-to-brick brightness spread
    float grain = 0.08f;      // pixel-to-pixel speckle
    int seed = 1;
};
void LayBricks(Canvas& c, const BrickStyle& style);

// Pixel art: each character of `rows` picks a colour from `keys`/`colours` (same order);
// characters not in `keys` are left transparent.
void Stamp(Canvas& c, int x, int y, std::initializer_list<const char*> rows, const char* keys,
           std::initializer_list<Rgb> colours, float alpha = 1);

}  // namespace artgen
