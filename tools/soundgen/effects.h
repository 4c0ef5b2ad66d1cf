// The recipes of the 26 game effects: player 1's set, and player 2's made from it.
#pragma once

#include <string_view>
#include <vector>

namespace soundgen {

// Renders the effect with this id ("S00".."S12" for player 1, "S20".."S32" for player 2);
// empty for an id without a recipe. The result is normalised below full scale.
std::vector<float> RenderEffect(std::string_view id);

}  // namespace soundgen
