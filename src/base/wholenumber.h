// Whole numbers as the game reads them from labels, edits and files.
#pragma once

#include <optional>
#include <string>

namespace murk {

// An optionally signed decimal integer that fits in an int ("12", "-3", "+7"); nothing for
// anything else ("", "+-3", "1.5", "12a", out of range).
[[nodiscard]] std::optional<int> ParseWholeNumber(const std::string& text);

inline bool IsWholeNumber(const std::string& text) {
    return ParseWholeNumber(text).has_value();
}

}  // namespace murk
