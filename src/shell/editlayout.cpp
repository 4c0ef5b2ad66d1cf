// The level editor's screen laid out, and what lies under a point.
#include "shell/editlayout.h"

#include <algorithm>

#include "base/tilekinds.h"
#include "editor/palette.h"

namespace murk::editlayout {

namespace {

constexpr int kCardPad = 2, kCardGap = 4;
constexpr int kButtonH = 30, kButtonGap = 3, kGroupGap = 6;
constexpr int kSizeButton = 13;
constexpr int kMapMaxCell = 24, kMapMinCell = 3;

struct PaletteLayout {
    std::vector<PaletteCell> cells;
    std::vector<PaletteCard> cards;
};

// Each group stands in columns of four tiles, left to right. A family of eight facings starts a
// column of its own and fills two, so a run reads as one block.
PaletteLayout LayOutPalette() {
    PaletteLayout out;
    const std::vector<PaletteGroup>& groups = Palette();
    int x = kCardGap;
    const int top = kPalette.y + kCardPad;
    for (size_t g = 0; g < groups.size(); ++g) {
        int col = 0, row = 0;
        const int first = static_cast<int>(out.cells.size());
        for (const std::string& code : groups[g].codes) {
            const TileKind* kind = KindOf(code);
            const bool inRun = kind && kind->first != kind->last;
            int c = col, r = row;
            if (inRun) {
                const int k = TileIndex(code) - TileIndex(kind->first);
                if (k == 0 && row != 0) col += 1, row = 0;
                c = col + k / kPaletteRows;
                r = k % kPaletteRows;
                if (k == 7) col += 2, row = 0;
            } else if (++row == kPaletteRows) {
                row = 0, ++col;
            }
            out.cells.push_back({code,
                                 static_cast<int>(g),
                                 {x + kCardPad + c * kTilePixels, top + kCardPad + r * kTilePixels,
                                  kTilePixels, kTilePixels}});
        }
        int right = x;
        for (size_t i = static_cast<size_t>(first); i < out.cells.size(); ++i)
            right = std::max(right, out.cells[i].at.x + kTilePixels);
        const Rect card{x, top, right + kCardPad - x, kPaletteRows * kTilePixels + 2 * kCardPad};
        out.cards.push_back({static_cast<int>(g), card});
        x = card.x + card.w + kCardGap;
    }
    return out;
}

const PaletteLayout& Layout() {
    static const PaletteLayout layout = LayOutPalette();
    return layout;
}

struct ButtonSpec {
    Command command;
    const char* caption;
    const char* key;
    const char* hint;
    bool groupStart;
};

constexpr ButtonSpec kButtons[] = {
    {Command::Draw, "Draw", "D", "Draw: click or drag to paint squares with the tile", true},
    {Command::Rectangle, "Rect", "R", "Rectangle: drag from corner to corner for its outline",
     false},
    {Command::Box, "Box", "B", "Box: drag from corner to corner to fill a rectangle", false},
    {Command::Fill, "Fill", "F", "Fill: click to paint the squares joined to that one", false},
    {Command::Undo, "Undo", "Ctrl+Z", "Undo the last change", true},
    {Command::Redo, "Redo", "Ctrl+Y", "Redo the change undone", false},
    {Command::Copy, "Copy", "Ctrl+C", "Copy this room", true},
    {Command::Paste, "Paste", "Ctrl+V", "Paste the copied room over this one", false},
    {Command::Clear, "Clear", "Ctrl+Del", "Clear this room to floor inside its edges", false},
    {Command::StartRoom, "Start", "Home", "Make this room the start room (the players move here)",
     true},
    {Command::Title, "Title", "T", "Change the level's title", false},
    {Command::New, "New", "Ctrl+N", "Start a new level of 2 x 2 rooms", false},
    {Command::Save, "Save", "Ctrl+S", "Save the level", false},
    {Command::Play, "Play", "F2", "Test-play the level from its start", true},
    {Command::PlayHere, "Here", "F3", "Test-play the level from this room", false},
    {Command::Keys, "Keys", "F1", "The editor's keys", false},
};

std::vector<ToolButton> LayOutButtons() {
    std::vector<ToolButton> out;
    int y = kSwatch.y + kSwatch.h + kButtonGap;
    for (const ButtonSpec& b : kButtons) {
        if (b.groupStart && !out.empty()) y += kGroupGap;
        out.push_back(
            {b.command, b.caption, b.key, b.hint, {kToolbar.x + 2, y, kToolbar.w - 4, kButtonH}});
        y += kButtonH + kButtonGap;
    }
    return out;
}

const std::vector<ToolButton>& Buttons() {
    static const std::vector<ToolButton> buttons = LayOutButtons();
    return buttons;
}

// The box the map and its buttons stand in.
constexpr Rect kMapCard{kMap.x + 2, kMap.y + kCardPad, kMap.w - 4,
                        kPaletteRows* kTilePixels + 2 * kCardPad};

}  // namespace

Rect SquareRect(int col, int row) {
    return {kRoom.x + (col - 1) * kTilePixels, kRoom.y + (row - 1) * kTilePixels, kTilePixels,
            kTilePixels};
}

const std::vector<PaletteCell>& PaletteCells() {
    return Layout().cells;
}

const std::vector<PaletteCard>& PaletteCards() {
    return Layout().cards;
}

int PaletteIndexOf(std::string_view code) {
    const int tile = TileIndex(code);
    const std::vector<PaletteCell>& cells = PaletteCells();
    for (size_t i = 0; i < cells.size(); ++i)
        if (tile >= 0 && TileIndex(cells[i].code) == tile) return static_cast<int>(i);
    return -1;
}

std::span<const ToolButton> ToolButtons() {
    return Buttons();
}

const ToolButton& ButtonFor(Command command) {
    for (const ToolButton& b : Buttons())
        if (b.command == command) return b;
    return Buttons().front();
}

MapLayout MapFor(int across, int down) {
    MapLayout map{across, down, 0, {}};
    if (across <= 0 || down <= 0) return map;
    const int margin = kSizeButton + 6;
    const int room = std::min((kMapCard.w - 2 * margin) / across, (kMapCard.h - 2 * margin) / down);
    map.cell = std::clamp(room, kMapMinCell, kMapMaxCell);
    const int w = map.cell * across, h = map.cell * down;
    map.grid = {kMapCard.x + (kMapCard.w - w) / 2, kMapCard.y + (kMapCard.h - h) / 2, w, h};
    return map;
}

Rect MapRoomRect(const MapLayout& map, int roomCol, int roomRow) {
    return {map.grid.x + (roomCol - 1) * map.cell, map.grid.y + (roomRow - 1) * map.cell, map.cell,
            map.cell};
}

std::array<SizeButton, 8> SizeButtons(const MapLayout& map) {
    const Rect& g = map.grid;
    const int s = kSizeButton, cx = g.x + g.w / 2, cy = g.y + g.h / 2;
    const int above = g.y - s - 3, below = g.y + g.h + 3;
    const int left = g.x - s - 3, right = g.x + g.w + 3;
    return {{
        {Side::North, true, {cx - s - 1, above, s, s}},
        {Side::North, false, {cx + 1, above, s, s}},
        {Side::East, true, {right, cy - s - 1, s, s}},
        {Side::East, false, {right, cy + 1, s, s}},
        {Side::South, true, {cx - s - 1, below, s, s}},
        {Side::South, false, {cx + 1, below, s, s}},
        {Side::West, true, {left, cy - s - 1, s, s}},
        {Side::West, false, {left, cy + 1, s, s}},
    }};
}

namespace {
constexpr int kProblemHead = 36, kProblemH = 38;
}  // namespace

Rect ProblemsBox(int count) {
    const int lines = std::clamp(count, 1, kProblemLines);
    const int h = kProblemHead + lines * kProblemH + 8;
    return {24, kRoom.h - h - 12, kRoom.w - 48, h};
}

Rect ProblemLine(int count, int i) {
    const Rect box = ProblemsBox(count);
    return {box.x + 8, box.y + kProblemHead + i * kProblemH, box.w - 16, kProblemH};
}

Hit HitAt(int x, int y, const MapLayout& map) {
    if (kRoom.Contains(x, y))
        return {Place::Square, 0, (x - kRoom.x) / kTilePixels + 1, (y - kRoom.y) / kTilePixels + 1};
    const std::vector<ToolButton>& buttons = Buttons();
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].at.Contains(x, y)) return {Place::Button, static_cast<int>(i), 0, 0};
    const std::vector<PaletteCell>& cells = PaletteCells();
    for (size_t i = 0; i < cells.size(); ++i)
        if (cells[i].at.Contains(x, y)) return {Place::PaletteCell, static_cast<int>(i), 0, 0};
    if (map.cell > 0 && map.grid.Contains(x, y))
        return {Place::MapRoom, 0, (x - map.grid.x) / map.cell + 1,
                (y - map.grid.y) / map.cell + 1};
    const std::array<SizeButton, 8> sizes = SizeButtons(map);
    for (size_t i = 0; i < sizes.size(); ++i)
        if (map.cell > 0 && sizes[i].at.Contains(x, y))
            return {Place::SizeButton, static_cast<int>(i), 0, 0};
    if (kTitle.Contains(x, y)) return {Place::Title, 0, 0, 0};
    if (kProblems.Contains(x, y)) return {Place::Problems, 0, 0, 0};
    return {};
}

}  // namespace murk::editlayout
