// Drawn rectangles: clipped, merged where cheap, the whole picture past a count or an area.
#include "base/dirtyrects.h"

#include <algorithm>

namespace murk {

namespace {

PixelRect Union(const PixelRect& a, const PixelRect& b) {
    const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
    const int x1 = std::max(a.x + a.w, b.x + b.w), y1 = std::max(a.y + a.h, b.y + b.h);
    return {x0, y0, x1 - x0, y1 - y0};
}

}  // namespace

PixelRect Intersection(const PixelRect& a, const PixelRect& b) {
    const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
    const int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
    if (x1 <= x0 || y1 <= y0) return {};
    return {x0, y0, x1 - x0, y1 - y0};
}

void DirtyRects::Add(const PixelRect& drawn) {
    if (whole_) return;
    PixelRect r = Intersection(drawn, bounds_);
    if (r.Empty()) return;
    // Each merge may make the grown rectangle worth merging with another: go round until none.
    for (bool merged = true; merged;) {
        merged = false;
        for (size_t i = 0; i < rects_.size(); ++i) {
            const PixelRect both = Union(rects_[i], r);
            if (both.Area() > rects_[i].Area() + r.Area() + kMergeSlack) continue;
            area_ -= rects_[i].Area();
            rects_[i] = rects_.back();
            rects_.pop_back();
            r = both;
            merged = true;
            break;
        }
    }
    rects_.push_back(r);
    area_ += r.Area();
    if (rects_.size() > kMostRects || 2 * area_ > bounds_.Area()) AddWhole();
}

void DirtyRects::AddWhole() {
    rects_.assign(1, bounds_);
    area_ = bounds_.Area();
    whole_ = true;
}

void DirtyRects::Clear() {
    rects_.clear();
    area_ = 0;
    whole_ = false;
}

}  // namespace murk
