// The one palette every picture draws from, so tiles and window pictures belong together.
#pragma once

#include "canvas.h"

namespace artgen::pal {

inline constexpr Rgb Ink = Hex(0x0c0a0c);        // outlines
inline constexpr Rgb FloorBase = Hex(0x1c2022);  // dark, slightly green slate
inline constexpr Rgb Brick = Hex(0x8a4e3a);
inline constexpr Rgb Mortar = Hex(0x2a2220);
inline constexpr Rgb EdgeBrick = Hex(0x4a3432);
inline constexpr Rgb Moss = Hex(0x4f7a32);
inline constexpr Rgb Iron = Hex(0x6c6e74);
inline constexpr Rgb Steel = Hex(0xb8bcc4);
inline constexpr Rgb Rust = Hex(0x8a5a36);
inline constexpr Rgb Wood = Hex(0x7a4a26);
inline constexpr Rgb Gold = Hex(0xe8b830);
inline constexpr Rgb GoldDark = Hex(0x9a6a10);
inline constexpr Rgb White = Hex(0xf2f0ea);
inline constexpr Rgb Bone = Hex(0xe6dcc0);
inline constexpr Rgb Blood = Hex(0xd02020);
inline constexpr Rgb Flame = Hex(0xff8a1c);
inline constexpr Rgb FlameCore = Hex(0xfff0a0);
inline constexpr Rgb Ember = Hex(0xc83010);
inline constexpr Rgb Ice = Hex(0x9ad8f0);
inline constexpr Rgb Sky = Hex(0x50a8ff);
inline constexpr Rgb Skin = Hex(0xf0c090);
inline constexpr Rgb Hero1 = Hex(0x38c838);  // player 1 green
inline constexpr Rgb Hero2 = Hex(0x20c0c0);  // player 2 teal
inline constexpr Rgb Violet = Hex(0xb050ff);

}  // namespace artgen::pal
