// The level editor's screen laid out: where the room, the toolbar, the palette, the map of rooms
// and the status line stand, and what lies under a point of the canvas.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/tiles.h"
#include "editor/editor.h"
#include "ui/widgets.h"

namespace murk::editlayout {

// The room drawn as in play, 30 x 19 squares of the tile pictures, in the top left corner; the
// toolbar beside it; the palette and the map under it; the status line at the bottom.
inline constexpr Rect kRoom{0, 0, kRoomCols* kTilePixels, kRoomRows* kTilePixels};
inline constexpr Rect kToolbar{kRoom.w, 0, kCanvasWidth - kRoom.w, kRoom.h};
inline constexpr Rect kPalette{0, kRoom.h, 872, 136};
inline constexpr Rect kMap{kPalette.w, kRoom.h, kCanvasWidth - kPalette.w, kPalette.h};
inline constexpr Rect kStatus{0, kPalette.y + kPalette.h, kCanvasWidth, kCanvasHeight - 744};
// The status line's parts: the square or the thing pointed at, the level's title (a click edits
// it), the count of problems (a click lists them).
inline constexpr Rect kInfo{6, kStatus.y, 514, kStatus.h};
inline constexpr Rect kTitle{524, kStatus.y, 300, kStatus.h};
inline constexpr Rect kProblems{828, kStatus.y, 190, kStatus.h};
// The tile the tools put down, at the top of the toolbar.
inline constexpr Rect kSwatch{kToolbar.x + 2, 2, kToolbar.w - 4, 46};

// Square (col, row) of the room, 1-based, on the canvas.
Rect SquareRect(int col, int row);

// ---- The palette: every tile a level may hold, each group in a box of its own ----
inline constexpr int kPaletteRows = 4;
struct PaletteCell {
    std::string code;
    int group = 0;  // index into Palette()
    Rect at;
};
struct PaletteCard {
    int group = 0;
    Rect at;
};
const std::vector<PaletteCell>& PaletteCells();
const std::vector<PaletteCard>& PaletteCards();
// The cell showing `code` (any slide field: the slide field's), or -1.
int PaletteIndexOf(std::string_view code);

// ---- The toolbar ----
enum class Command {
    Draw,
    Rectangle,
    Box,
    Fill,
    Undo,
    Redo,
    Copy,
    Paste,
    Clear,
    StartRoom,
    Title,
    New,
    Save,
    Play,
    PlayHere,
    Keys,
};
struct ToolButton {
    Command command;
    const char* caption;
    const char* key;   // the key that does the same
    const char* hint;  // what the status line says while the pointer is over it
    Rect at;
};
std::span<const ToolButton> ToolButtons();
const ToolButton& ButtonFor(Command command);

// ---- The map of the level's rooms, with a grow and a shrink button on each side ----
struct MapLayout {
    int across = 0, down = 0;
    int cell = 0;  // a room's size in pixels
    Rect grid;     // all rooms
};
MapLayout MapFor(int across, int down);
Rect MapRoomRect(const MapLayout& map, int roomCol, int roomRow);
struct SizeButton {
    Side side;
    bool grow;
    Rect at;
};
std::array<SizeButton, 8> SizeButtons(const MapLayout& map);

// ---- Boxes over the room ----
inline constexpr int kProblemLines = 12;  // the most problems listed at once
// The problems list showing `count` problems (at most kProblemLines), each on two lines, and the
// place of problem i (0 first) in it.
Rect ProblemsBox(int count);
Rect ProblemLine(int count, int i);
// The list of the editor's keys.
inline constexpr Rect kKeysBox{110, 40, 740, 528};

// ---- What lies under a point of the canvas ----
enum class Place { Nothing, Square, PaletteCell, Button, MapRoom, SizeButton, Title, Problems };
struct Hit {
    Place place = Place::Nothing;
    int index = 0;         // the palette cell, button or size button
    int col = 0, row = 0;  // the square, or the map's room
};
Hit HitAt(int x, int y, const MapLayout& map);

}  // namespace murk::editlayout
