// Canvas storage and the shape painter: coverage antialiasing, rim lighting, glows and shadows.
#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace artgen {

Rgb Mix(Rgb a, Rgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb Scale(Rgb a, float k) {
    return {a.r * k, a.g * k, a.b * k};
}

uint32_t Pack(Rgb c) {
    auto ch = [](float v) { return static_cast<uint32_t>(std::clamp(std::lround(v), 0L, 255L)); };
    return (ch(c.r) << 16) | (ch(c.g) << 8) | ch(c.b);
}

Canvas::Canvas(int w, int h, Rgb fill) : w_(w), h_(h), px_(static_cast<size_t>(w * h), fill) {}

void Canvas::Blend(int x, int y, Rgb c, float alpha) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_ || alpha <= 0) return;
    Rgb& d = px_[static_cast<size_t>(y * w_ + x)];
    d = Mix(d, c, std::min(alpha, 1.0f));
}

std::vector<uint32_t> Canvas::Packed() const {
    std::vector<uint32_t> out(px_.size());
    std::transform(px_.begin(), px_.end(), out.begin(), Pack);
    return out;
}

void Canvas::Paste(const Canvas& src, int x, int y) {
    for (int sy = 0; sy < src.h_; ++sy)
        for (int sx = 0; sx < src.w_; ++sx)
            if (x + sx >= 0 && y + sy >= 0 && x + sx < w_ && y + sy < h_)
                Set(x + sx, y + sy, src.At(sx, sy));
}

Vec Place::ToLocal(Vec p) const {
    return Rotate(p - origin, -angle) * (1.0f / scale);
}

// Visits every pixel whose centre lies within `grow` canvas units of the shape and hands the
// shade callback the canvas point, the local point and the signed distance in canvas units.
template <class Shade>
void Painter::Cover(const Sdf& shape, float grow, Shade&& shade) {
    for (int y = 0; y < c_.height(); ++y)
        for (int x = 0; x < c_.width(); ++x) {
            const Vec cp{x + 0.5f, y + 0.5f};
            const Vec lp = place_.ToLocal(cp);
            const float d = shape(lp) * place_.scale;
            if (d < grow + 0.5f) shade(x, y, cp, lp, d);
        }
}

void Painter::Fill(const Sdf& shape, Rgb colour, float alpha) {
    Cover(shape, 0, [&](int x, int y, Vec, Vec, float d) {
        c_.Blend(x, y, colour, alpha * std::clamp(0.5f - d, 0.0f, 1.0f));
    });
}

void Painter::Fill(const Sdf& shape, const Paint& paint, float alpha) {
    Cover(shape, 0, [&](int x, int y, Vec cp, Vec, float d) {
        c_.Blend(x, y, paint(cp), alpha * std::clamp(0.5f - d, 0.0f, 1.0f));
    });
}

void Painter::Raised(const Sdf& shape, Rgb colour, float depth, float strength) {
    Fill(shape, colour);
    Light(shape, depth, strength);
}

void Painter::Light(const Sdf& shape, float depth, float strength) {
    const Vec light = Rotate(Vec{-0.6f, -0.8f}, -place_.angle);  // screen light, in local axes
    Cover(shape, 0, [&](int x, int y, Vec, Vec lp, float d) {
        const float e = 0.35f;
        Vec n{shape({lp.x + e, lp.y}) - shape({lp.x - e, lp.y}),
              shape({lp.x, lp.y + e}) - shape({lp.x, lp.y - e})};
        const float nl = Len(n);
        n = nl > 1e-5f ? n * (1.0f / nl) : Vec{};
        const float rim = std::clamp(1.0f + d / depth, 0.0f, 1.0f);  // 1 at the edge, 0 deep in
        const float k = 1.0f + strength * Dot(n, light) * rim;
        c_.Blend(x, y, Scale(c_.At(x, y), k), std::clamp(0.5f - d, 0.0f, 1.0f));
    });
}

void Painter::Outlined(const Sdf& shape, Rgb colour, Rgb ink, float width, float depth) {
    Fill(Grow(shape, width / place_.scale), ink);
    Raised(shape, colour, depth);
}

void Painter::Glow(const Sdf& shape, Rgb colour, float radius, float alpha) {
    Cover(shape, radius, [&](int x, int y, Vec, Vec, float d) {
        const float t = std::clamp(1.0f - std::max(d, 0.0f) / radius, 0.0f, 1.0f);
        c_.Blend(x, y, colour, alpha * t * t);
    });
}

void Painter::Shadow(const Sdf& shape, float alpha, Vec offset) {
    const Sdf moved = Move(shape, Rotate(offset, -place_.angle) * (1.0f / place_.scale));
    Cover(moved, 1.5f, [&](int x, int y, Vec, Vec, float d) {
        c_.Blend(x, y, Rgb{}, alpha * std::clamp(0.5f - d / 2.0f, 0.0f, 1.0f));
    });
}

}  // namespace artgen
