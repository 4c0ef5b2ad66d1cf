// Signed-distance shapes in a tile's local coordinates: primitives and ways to combine them.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <vector>

namespace artgen {

struct Vec {
    float x = 0, y = 0;
};
inline Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec operator-(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec operator*(Vec a, float s) {
    return {a.x * s, a.y * s};
}
inline float Dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y;
}
inline float Len(Vec a) {
    return std::sqrt(Dot(a, a));
}
inline Vec Rotate(Vec a, float radians) {
    const float c = std::cos(radians), s = std::sin(radians);
    return {a.x * c - a.y * s, a.x * s + a.y * c};
}

// Negative inside, positive outside, in local units. Shapes are values so they can be combined.
using Sdf = std::function<float(Vec)>;

inline Sdf Circle(Vec c, float r) {
    return [=](Vec p) { return Len(p - c) - r; };
}
// Good enough near the outline, which is all the painter needs.
inline Sdf Ellipse(Vec c, float rx, float ry) {
    return [=](Vec p) {
        const Vec q{(p.x - c.x) / rx, (p.y - c.y) / ry};
        const float k = Len(q);
        return (k - 1.0f) * std::min(rx, ry) * (k < 1 ? 1.0f : std::max(1.0f, k * 0.5f + 0.5f));
    };
}
// Axis-aligned box with centre c, half sizes h and corner radius r.
inline Sdf Box(Vec c, Vec h, float r = 0) {
    return [=](Vec p) {
        const Vec d{std::fabs(p.x - c.x) - h.x + r, std::fabs(p.y - c.y) - h.y + r};
        const Vec o{std::max(d.x, 0.0f), std::max(d.y, 0.0f)};
        return Len(o) + std::min(std::max(d.x, d.y), 0.0f) - r;
    };
}
// Box given by its corners, convenient for pixel-aligned parts.
inline Sdf Rect(float x0, float y0, float x1, float y1, float r = 0) {
    return Box({(x0 + x1) / 2, (y0 + y1) / 2}, {(x1 - x0) / 2, (y1 - y0) / 2}, r);
}
// Segment a-b thickened to radius r.
inline Sdf Capsule(Vec a, Vec b, float r) {
    return [=](Vec p) {
        const Vec pa = p - a, ba = b - a;
        const float h = std::clamp(Dot(pa, ba) / std::max(Dot(ba, ba), 1e-6f), 0.0f, 1.0f);
        return Len(pa - ba * h) - r;
    };
}
// Tapered segment: radius ra at a, rb at b.
inline Sdf Cone(Vec a, Vec b, float ra, float rb) {
    return [=](Vec p) {
        const Vec pa = p - a, ba = b - a;
        const float h = std::clamp(Dot(pa, ba) / std::max(Dot(ba, ba), 1e-6f), 0.0f, 1.0f);
        return Len(pa - ba * h) - (ra + (rb - ra) * h);
    };
}
// Any simple polygon, points in order.
inline Sdf Polygon(std::vector<Vec> v) {
    return [v = std::move(v)](Vec p) {
        float d = Dot(p - v[0], p - v[0]);
        float s = 1;
        for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
            const Vec e = v[j] - v[i], w = p - v[i];
            const Vec b = w - e * std::clamp(Dot(w, e) / Dot(e, e), 0.0f, 1.0f);
            d = std::min(d, Dot(b, b));
            const bool c1 = p.y >= v[i].y, c2 = p.y<v[j].y, c3 = e.x * w.y> e.y * w.x;
            if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
        }
        return s * std::sqrt(d);
    };
}

inline Sdf Union(std::initializer_list<Sdf> parts) {
    return [v = std::vector<Sdf>(parts)](Vec p) {
        float d = 1e9f;
        for (const Sdf& f : v) d = std::min(d, f(p));
        return d;
    };
}
inline Sdf Cut(Sdf a, Sdf b) {
    return [=](Vec p) { return std::max(a(p), -b(p)); };
}
inline Sdf Intersect(Sdf a, Sdf b) {
    return [=](Vec p) { return std::max(a(p), b(p)); };
}
// The shape grown (w > 0) or shrunk (w < 0) by w units.
inline Sdf Grow(Sdf a, float w) {
    return [=](Vec p) { return a(p) - w; };
}
// Outline band of width w centred on the shape's edge.
inline Sdf Ring(Sdf a, float w) {
    return [=](Vec p) { return std::fabs(a(p)) - w / 2; };
}
// The shape moved by d, turned by an angle about c, or mirrored about x = c.x.
inline Sdf Move(Sdf a, Vec d) {
    return [=](Vec p) { return a(p - d); };
}
inline Sdf Turn(Sdf a, float radians, Vec c = {}) {
    return [=](Vec p) { return a(c + Rotate(p - c, -radians)); };
}
inline Sdf MirrorX(Sdf a, float cx = 0) {
    return [=](Vec p) { return a({cx - std::fabs(p.x - cx), p.y}); };
}

}  // namespace artgen
