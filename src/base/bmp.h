// A small BMP codec: decodes uncompressed 24- and 32-bit files, encodes 24-bit ones.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace murk {

// Pixels are 0x00RRGGBB, row-major from the top-left. Returns false with a reason when the data
// is not a BMP this codec reads (or is damaged).
[[nodiscard]] bool DecodeBmp(const uint8_t* data, size_t size, int& width, int& height,
                             std::vector<uint32_t>& pixels, std::string& error);

// A complete 24-bit BMP file of the given pixels.
std::string EncodeBmp24(int width, int height, const uint32_t* pixels, int stride);

}  // namespace murk
