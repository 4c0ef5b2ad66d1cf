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

}  // namespace artgen
