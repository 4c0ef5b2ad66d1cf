// Fuzz target: any journal text is read whole or refused with a line named, never a crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/journal/journal.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    murk::Journal journal;
    std::string error;
    const bool read =
        murk::ParseJournal(std::string(reinterpret_cast<const char*>(data), size), journal, error);
    if (read == !error.empty() || (!read && journal.Left() != 0)) std::abort();
    return 0;
}
