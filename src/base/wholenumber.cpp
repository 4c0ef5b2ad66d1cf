// Strict whole-number parsing.
#include "base/wholenumber.h"

#include <charconv>

namespace murk {

std::optional<int> ParseWholeNumber(const std::string& text) {
    const char* first = text.data();
    const char* last = first + text.size();
    bool negative = false;
    if (first < last && (*first == '+' || *first == '-')) negative = *first++ == '-';
    if (first == last || *first < '0' || *first > '9') return std::nullopt;
    long long value = 0;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc{} || end != last) return std::nullopt;
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace murk
