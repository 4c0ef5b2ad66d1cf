// Where the 1024x768 canvas sits in a window of any size, and the way back for mouse positions.
#pragma once

namespace murk::sdl {

struct PictureRect {
    int x = 0, y = 0, w = 0, h = 0;
    bool operator==(const PictureRect&) const = default;
};

// The canvas scaled by the largest whole number that fits and centred, so every canvas pixel
// becomes a sharp square of screen pixels; in a window smaller than the canvas, the largest
// rectangle of the canvas's shape that fits (drawn nearest-neighbour). The rest is black.
PictureRect FitPicture(int windowW, int windowH);

// The canvas pixel under window pixel (x, y); outside the picture the result lies outside the
// canvas too, so no control is hit by a click on the black border.
void WindowToCanvas(const PictureRect& picture, int& x, int& y);

}  // namespace murk::sdl
