// Fuzz target: any Options.dat text leaves a speed the game can use and options it writes and
// reads back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/wholenumber.h"
#include "options/optionsparse.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    murk::OptionValues v;
    murk::ParseOptions(std::string(reinterpret_cast<const char*>(data), size), v);
    if (!murk::IsWholeNumber(v.speed)) std::abort();
    murk::OptionValues back;
    back.speed = "-1";
    back.keys.fill({"unset", -1});
    back.sound = "unset";
    murk::ParseOptions(murk::FormatOptions(v), back);
    if (!(back == v)) std::abort();
    return 0;
}
