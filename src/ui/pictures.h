// Window pictures (logo, buttons, arrows) built into the program from the art tool's output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/platform.h"

namespace murk {

// The button pictures' sizes, which the widgets showing them take.
inline constexpr int kWideButtonW = 220;    // "button_wide"
inline constexpr int kNarrowButtonW = 150;  // "button_narrow"
inline constexpr int kButtonH = 52;

struct EmbeddedPicture {
    const char* name;     // for example "logo", "button_wide"
    const uint8_t* data;  // a complete 24-bit BMP file
    size_t size;
};

// The table generated at build time (tools/artgen writes its definition).
const EmbeddedPicture* EmbeddedPictures(size_t& count);

// The picture of that name, or nullptr.
const EmbeddedPicture* FindPicture(std::string_view name);

// The built-in picture of that name loaded onto the canvas, or kNoImage (the widget showing it
// then paints its background, so a missing picture never stops a window from opening).
ImageId LoadPicture(Platform& pf, std::string_view name);

}  // namespace murk
