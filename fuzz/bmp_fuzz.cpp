// Fuzz target: the BMP decoder must reject or decode any bytes without reading out of bounds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int w = 0, h = 0;
    std::vector<uint32_t> pixels;
    std::string error;
    static_cast<void>(
        murk::DecodeBmp(data, size, w, h, pixels, error));  // any answer is fine: no crash
    return 0;
}
