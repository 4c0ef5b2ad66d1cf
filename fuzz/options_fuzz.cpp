// Fuzz target: any Options.dat text leaves options the game can use.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/wholenumber.h"
#include "options/keynames.h"
#include "options/optionsparse.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    murk::OptionValues v;
    murk::ParseOptions(std::string(reinterpret_cast<const char*>(data), size), v);
    if (!murk::IsWholeNumber(v.speed)) std::abort();
    if (v.sound != "On" && v.sound != "Off") std::abort();
    for (const murk::KeyOption& k : v.keys)
        if (murk::KeyName(k.code) != k.name) std::abort();
    return 0;
}
