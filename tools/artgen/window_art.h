// The pictures built into the program for its windows: the logo, the menu buttons and arrows.
#pragma once

#include <vector>

#include "canvas.h"

namespace artgen {

struct WindowPicture {
    const char* name;  // the name the game looks it up by
    Canvas picture;
};

std::vector<WindowPicture> DrawWindowPictures();

// The title "MURK" on black, 660x130.
Canvas DrawLogo();

// The title's letter M, 110 wide and kLogoLetterHeight tall from its top-left corner, and the
// mossy stone its letters are cut from at point v of `letter` standing at `top` (weathered
// courses, light on the top faces, moss over the upper edges); the desktop icon shows them too.
inline constexpr float kLogoLetterHeight = 96;
Sdf LogoLetterM();
Rgb LogoStone(const Sdf& letter, Vec v, float top);

}  // namespace artgen
