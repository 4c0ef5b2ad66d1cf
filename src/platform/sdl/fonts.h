// Which font file each of the game's faces is drawn with.
#pragma once

#include <string>

#include "platform/platform.h"

namespace murk::sdl {

// The file for `face`: its fixed DejaVu file, or what fontconfig matches for the face's pattern,
// or DejaVu Sans Bold when neither gives a readable file.
std::string FontFileFor(FontFace face);

// The DejaVu Sans Bold file, the last resort when another face's file cannot be opened.
const char* FallbackFontFile();

}  // namespace murk::sdl
