// Fuzz target: the grid file reader must reject or read any bytes without misbehaving.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/gridfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    murk::StringGrid grid(2, 2);
    murk::GridHeader header{};
    // Any answer is fine; a crash or a bad read is the finding.
    static_cast<void>(
        murk::ParseGridText(std::string(reinterpret_cast<const char*>(data), size), grid, header));
    return 0;
}
