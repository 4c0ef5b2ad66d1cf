// The texts and tiles of the help window's pages.
#pragma once

#include <span>
#include <string_view>

namespace murk {

struct HelpLine {
    std::string_view code;  // the tile whose picture stands beside the text
    const char* text;
};

inline constexpr int kHelpPages = 4;

// The tile lines of page `page` (1..4); page 1, the about page, has none.
std::span<const HelpLine> HelpTileLines(int page);

// The about page: a few lines of introduction, then the credits.
std::span<const char* const> AboutLines();
std::span<const char* const> CreditLines();

}  // namespace murk
