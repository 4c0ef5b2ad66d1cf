// The game's colours and fonts, in one place.
#pragma once

#include "platform/platform.h"

namespace murk::style {

inline constexpr Rgb kMainBackground{64, 32, 32};
inline constexpr Rgb kBlack{0, 0, 0};
// The named colours: titles and key names blue, captions red, player 1 green, player 2 teal.
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kTeal{0, 128, 128};
inline constexpr Rgb kGrey{128, 128, 128};
inline constexpr Rgb kSoftWhite{200, 200, 200};
inline constexpr Rgb kDarkRed{224, 0, 0};  // button captions of the help and name windows
inline constexpr Rgb kFrame{110, 60, 60};  // the thin frame around dialogs and panels
// The boxes drawn over the room: the item menu, the banners, the level editor's panels.
inline constexpr Rgb kBoxBack{16, 16, 40};
inline constexpr Rgb kBoxFrame{90, 90, 140};
inline constexpr Rgb kBoxText{235, 235, 235};
inline constexpr Rgb kBoxKeyText{170, 170, 200};
inline constexpr Rgb kBoxHighlight{255, 220, 60};  // the current choice, a banner's first line
inline constexpr Rgb kBoxHighlightText{20, 20, 20};

inline constexpr Font kCaptionFont{FontFace::SansBold, 22};
inline constexpr Font kLongCaptionFont{FontFace::SansBold, 16};  // "Return to Main Menu", wide
inline constexpr Font kKeyFont{FontFace::Sans, 13};
inline constexpr Font kPanelFont{FontFace::SansBold, 21};
inline constexpr Font kTitleFont{FontFace::ComicBold, 21};
inline constexpr Font kSmallFont{FontFace::SansBold, 13};
inline constexpr Font kNumberFont{FontFace::SansBold, 26};
inline constexpr Font kHeadingFont{FontFace::SansBold, 30};

}  // namespace murk::style
