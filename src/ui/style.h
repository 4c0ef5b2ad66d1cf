// The game's colours and fonts, in one place.
#pragma once

#include "platform/platform.h"

namespace murk::style {

inline constexpr Rgb kMainBackground{64, 32, 32};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kCaptionRed{210, 0, 0};
inline constexpr Rgb kKeyBlue{70, 130, 255};
inline constexpr Rgb kTitleBlue{40, 90, 255};
inline constexpr Rgb kPlayer1Green{0, 200, 0};
inline constexpr Rgb kPlayer2Teal{0, 180, 180};
inline constexpr Rgb kGrey{128, 128, 128};
inline constexpr Rgb kSoftWhite{200, 200, 200};
inline constexpr Rgb kDarkRed{224, 0, 0};      // button captions of the help and name windows
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kTeal{0, 128, 128};       // column heads, help lines, player 2's name
inline constexpr Rgb kNameGreen{0, 128, 0};    // player 1's name in the name dialog
inline constexpr Rgb kFrame{110, 60, 60};      // the thin frame around dialogs and panels

inline constexpr Font kCaptionFont{FontFace::SansBold, 22};
inline constexpr Font kKeyFont{FontFace::Sans, 13};
inline constexpr Font kPanelFont{FontFace::SansBold, 21};
inline constexpr Font kTitleFont{FontFace::ComicBold, 21};
inline constexpr Font kSmallFont{FontFace::SansBold, 13};
inline constexpr Font kNumberFont{FontFace::SansBold, 26};
inline constexpr Font kHeadingFont{FontFace::SansBold, 30};

}  // namespace murk::style
