// Game pads as the windows see them: the pads connected, the player each plays, the controls a
// pad holds (its d-pad or left stick, its buttons) and the settings kept in Pads.dat.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace murk {

// What a pad's buttons and stick mean to the game. Each window says which key each stands for.
enum class PadControl { Up, Down, Left, Right, Fire, ItemMenu, Start, Select };
inline constexpr size_t kPadControls = 8;
using PadControls = std::array<bool, kPadControls>;

// The stick must leave a circle of this radius (a quarter of its reach) before it walks.
inline constexpr int kStickDeadZone = 8000;
// More pads than this are not taken (a hostile journal could connect them without end).
inline constexpr size_t kMaxConnectedPads = 16;
inline constexpr int kMaxPadRank = static_cast<int>(kMaxConnectedPads);
inline constexpr size_t kMaxPadName = 64;

// A pad whose player was chosen: its kind (32 hexadecimal digits), its rank among the connected
// pads of that kind (1 for the first), the player it plays and its name as last seen.
struct RememberedPad {
    std::string kind;
    int rank = 1;
    int player = 1;
    std::string name;
    bool operator==(const RememberedPad&) const = default;
};

// What Pads.dat holds.
struct PadSettings {
    std::vector<RememberedPad> pads;  // the most recently chosen last
    bool pauseWhenLeft = true;        // a game pauses while its window is left
    bool operator==(const PadSettings&) const = default;
};
inline constexpr size_t kMaxRememberedPads = 32;

struct ConnectedPad {
    int id = 0;  // the platform's number for it while it stays connected
    std::string kind, name;
    int rank = 1;
    int player = 1;
    std::array<bool, pad::kButtons> buttons{};
    std::array<int, pad::kAxes> axes{};
    PadControls held{};
    // The key each held control was pressed as, and the window (KeyTarget) it went to: its
    // release goes there as the same key, or nowhere.
    std::array<int, kPadControls> sentKey{};
    std::array<const void*, kPadControls> sentTo{};
};

struct PadBoard {
    PadSettings settings;
    std::vector<ConnectedPad> connected;  // in the order they connected
};

// The controls the pad holds now. Directions come from the d-pad while any of its buttons is
// held, otherwise from the left stick outside the dead zone: eight directions, each covering a
// quarter of a right angle either side of its own, so a diagonal holds two directions.
PadControls HeldControls(const ConnectedPad& p);

// The pad connected with that number, or nullptr.
ConnectedPad* FindPad(PadBoard& board, int id);

// A pad's kind as the game keeps it (32 hexadecimal digits, small letters), or nothing when
// `word` is no kind.
std::optional<std::string> PadKind(const std::string& word);
// A pad's name as the game shows and keeps it: printable characters only, without spaces at
// either end, at most kMaxPadName long; "Game pad" when nothing is left.
std::string CleanPadName(const std::string& name);
// A PadAdded event's identity split into kind and name; a kind that is not 32 hexadecimal
// digits becomes the unknown kind (zeros).
void ParsePadIdentity(const std::string& text, std::string& kind, std::string& name);

// Adds a connecting pad: its rank is the lowest free one among the connected pads of its kind,
// its player the remembered one, or else 1 while no connected pad plays player 1, or else 2.
// Nothing is added (nullptr) for a number already connected or beyond kMaxConnectedPads.
ConnectedPad* AddPad(PadBoard& board, int id, const std::string& identity);

// The connected pads' players from the remembered ones again (after Pads.dat was read).
void ApplyRemembered(PadBoard& board);

// Gives the pad to `player` and remembers the choice (the oldest forgotten beyond
// kMaxRememberedPads).
void ChoosePlayer(PadBoard& board, ConnectedPad& p, int player);

}  // namespace murk
