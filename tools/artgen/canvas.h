// Pixel canvas, colours and the painter that fills signed-distance shapes with shading.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "geom.h"

namespace artgen {

struct Rgb {
    float r = 0, g = 0, b = 0;  // 0..255
};
constexpr Rgb Hex(uint32_t v) {
    return {float((v >> 16) & 0xff), float((v >> 8) & 0xff), float(v & 0xff)};
}
Rgb Mix(Rgb a, Rgb b, float t);
Rgb Scale(Rgb a, float k);
uint32_t Pack(Rgb c);

class Canvas {
public:
    Canvas(int w, int h, Rgb fill = {});
    int width() const { return w_; }
    int height() const { return h_; }
    Rgb At(int x, int y) const { return px_[static_cast<size_t>(y * w_ + x)]; }
    void Set(int x, int y, Rgb c) { px_[static_cast<size_t>(y * w_ + x)] = c; }
    void Blend(int x, int y, Rgb c, float alpha);
    std::vector<uint32_t> Packed() const;
    // Copies src with its top-left corner at (x, y), clipped.
    void Paste(const Canvas& src, int x, int y);

private:
    int w_, h_;
    std::vector<Rgb> px_;
};

// Colour as a function of the canvas position, for textures and gradients.
using Paint = std::function<Rgb(Vec)>;

// Where local shape coordinates land on the canvas: canvas = origin + rotate(local * scale).
struct Place {
    Vec origin{16, 16};
    float scale = 1;
    float angle = 0;  // radians, clockwise on screen
    Vec ToLocal(Vec canvasPoint) const;
};

// Fills shapes onto a canvas through a placement. Light comes from the top left.
class Painter {
public:
    explicit Painter(Canvas& c, Place place = {}) : c_(c), place_(place) {}
    Canvas& canvas() { return c_; }
    const Place& place() const { return place_; }
    void SetPlace(const Place& p) { place_ = p; }

    void Fill(const Sdf& shape, Rgb colour, float alpha = 1);
    void Fill(const Sdf& shape, const Paint& paint, float alpha = 1);
    // Fill with a rim lit from the top left and shadowed at the bottom right, `depth` units deep;
    // a large depth rounds the shape like a dome.
    void Raised(const Sdf& shape, Rgb colour, float depth = 2, float strength = 0.6f);
    // The same rim light and shadow over what is already on the canvas.
    void Light(const Sdf& shape, float depth = 2, float strength = 0.6f);
    // A dark outline `width` units outside the shape, then the raised fill.
    void Outlined(const Sdf& shape, Rgb colour, Rgb ink, float width = 1, float depth = 2);
    // Soft light around the shape fading out over `radius` units.
    void Glow(const Sdf& shape, Rgb colour, float radius, float alpha = 1);
    // Soft dark blot offset to the bottom right, grounding an object on the floor.
    void Shadow(const Sdf& shape, float alpha = 0.5f, Vec offset = {1.5f, 2});

private:
    template <class Shade>
    void Cover(const Sdf& shape, float grow, Shade&& shade);

    Canvas& c_;
    Place place_;
};

}  // namespace artgen
