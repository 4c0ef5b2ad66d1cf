// The rectangles of a picture drawn since it was last presented, so that a present copies only
// them. The SDL platform presents by them and the headless platform checks them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace murk {

struct PixelRect {
    int x = 0, y = 0, w = 0, h = 0;
    bool Empty() const { return w <= 0 || h <= 0; }
    int64_t Area() const { return Empty() ? 0 : int64_t{w} * h; }
    bool operator==(const PixelRect&) const = default;
};

// The part of `a` inside `b` (empty when they do not meet).
PixelRect Intersection(const PixelRect& a, const PixelRect& b);

// Rectangles drawn are clipped to the picture and merged where their union costs little more
// than the two apart (a square beside a square, a row of squares, a rectangle inside another).
// Past kMostRects rectangles, or past half the picture in all, the whole picture counts as
// drawn: one copy of it costs less than many small ones.
class DirtyRects {
public:
    static constexpr size_t kMostRects = 32;
    // What a merge may cover beyond its two rectangles: a 32x32 square's worth of pixels.
    static constexpr int64_t kMergeSlack = 32 * 32;

    DirtyRects(int width, int height) : bounds_{0, 0, width, height} {}

    void Add(const PixelRect& drawn);
    void AddWhole();
    void Clear();
    bool Empty() const { return rects_.empty(); }
    bool Whole() const { return whole_; }
    // The rectangles to present; the whole picture as one when Whole().
    const std::vector<PixelRect>& Rects() const { return rects_; }

private:
    PixelRect bounds_;
    std::vector<PixelRect> rects_;
    int64_t area_ = 0;  // of the rectangles together, counting overlaps twice
    bool whole_ = false;
};

}  // namespace murk
