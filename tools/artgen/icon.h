// The desktop icon: the title's mossy stone M on a dark maze tile, drawn at any size.
#pragma once

#include <cstdint>
#include <vector>

namespace artgen {

// The sizes the icon is installed at, in pixels (the hicolor theme's folders).
inline constexpr int kIconSizes[] = {32, 48, 128, 256};

// A square picture of `size` pixels as 0xAARRGGBB, transparent round the tile's corners.
std::vector<uint32_t> DrawIcon(int size);

}  // namespace artgen
