// Whole numbers as the game reads them from labels, edits and files.
#pragma once

#include <optional>
#include <string>

namespace murk {

// An optionally signed decimal integer that fits in an int ("12", "-3", "+7"); nothing for
// anything else ("", "+-3", "1.5", "12a", out of range).
[[nodiscard]] std::optional<int> ParseWholeNumber(const std::string& text);

// The same, into `out` (left alone when the text is not a whole number).
[[nodiscard]] inline bool ParseWholeNumber(const std::string& text, int& out) {
    const std::optional<int> value = ParseWholeNumber(text);
    if (value) out = *value;
    return value.has_value();
}

inline bool IsWholeNumber(const std::string& text) {
    return ParseWholeNumber(text).has_value();
}

}  // namespace murk
