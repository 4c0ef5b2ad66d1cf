// A minimal PNG encoder: 8-bit RGB or RGBA, one IDAT chunk, compressed with zlib.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace murk {

// The bytes of a PNG file of the given 0x00RRGGBB pixels, row-major from the top-left; with
// `alpha`, the pixels are 0xAARRGGBB and the file keeps their opacity.
std::string EncodePng(int width, int height, const std::vector<uint32_t>& pixels,
                      bool alpha = false);

}  // namespace murk
