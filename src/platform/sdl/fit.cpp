// Whole-number scaling and letter-boxing of the canvas, and mapping window pixels back.
#include "platform/sdl/fit.h"

#include <algorithm>

#include "platform/platform.h"

namespace murk::sdl {

namespace {

int FloorDiv(long long a, long long b) {
    return static_cast<int>(a >= 0 ? a / b : -((-a + b - 1) / b));
}

}  // namespace

PictureRect FitPicture(int windowW, int windowH) {
    windowW = std::max(windowW, 1);
    windowH = std::max(windowH, 1);
    PictureRect r;
    const int scale = std::min(windowW / kCanvasWidth, windowH / kCanvasHeight);
    if (scale >= 1) {
        r.w = kCanvasWidth * scale;
        r.h = kCanvasHeight * scale;
    } else if (static_cast<long long>(windowW) * kCanvasHeight <=
               static_cast<long long>(windowH) * kCanvasWidth) {
        r.w = windowW;
        r.h = std::max(1, windowW * kCanvasHeight / kCanvasWidth);
    } else {
        r.h = windowH;
        r.w = std::max(1, windowH * kCanvasWidth / kCanvasHeight);
    }
    r.x = (windowW - r.w) / 2;
    r.y = (windowH - r.h) / 2;
    return r;
}

void WindowToCanvas(const PictureRect& picture, int& x, int& y) {
    if (picture.w <= 0 || picture.h <= 0) return;
    x = FloorDiv(static_cast<long long>(x - picture.x) * kCanvasWidth, picture.w);
    y = FloorDiv(static_cast<long long>(y - picture.y) * kCanvasHeight, picture.h);
}

}  // namespace murk::sdl
