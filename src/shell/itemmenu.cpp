// The item menu over the room's bottom rows: three cells as the direction keys pick them.
#include "shell/itemmenu.h"

#include <array>
#include <string>

#include "base/tiles.h"
#include "options/keynames.h"
#include "shell/app.h"
#include "shell/render.h"
#include "ui/style.h"

namespace murk {

namespace {

// Each player's menu covers the fifteen squares above that player's panel, in two rows, so that
// drawing those squares again takes it away.
constexpr int kCellCols = 5, kMenuRows = 2, kMenuRow = kRoomRows - kMenuRows + 1;
constexpr Rgb kBack = style::kBoxBack;
constexpr Rgb kFrame = style::kBoxFrame;
constexpr Rgb kText = style::kBoxText;
constexpr Rgb kKeyText = style::kBoxKeyText;
constexpr Rgb kCurrentBack = style::kBoxHighlight;
constexpr Rgb kCurrentText = style::kBoxHighlightText;

int FirstCol(int player) {
    return 1 + player * 3 * kCellCols;
}

struct Cell {
    int choice;  // the player record's menu choice: 1 bomb, 2 life, 3 nothing
    std::string item, key;
};

std::array<Cell, 3> CellsFor(const Player& p) {
    return {{
        {1, "BOMB x" + std::to_string(p.bombs), KeyLabel(p.leftKey)},
        {2, "LIFE x" + std::to_string(p.kits), KeyLabel(p.upKey) + " / " + KeyLabel(p.downKey)},
        {3, "NOTHING", KeyLabel(p.rightKey)},
    }};
}

// The choice the menu acts on: anything but bomb or life does nothing.
int Current(const Player& p) {
    return p.menuChoice == 1 || p.menuChoice == 2 ? p.menuChoice : 3;
}

void DrawMenu(App& app, int player) {
    const Player& p = app.game.players[static_cast<size_t>(player)];
    const int w = kTilePixels * kCellCols, h = kTilePixels * kMenuRows;
    const int y = kTilePixels * kMenuRow;
    int x = kTilePixels * FirstCol(player);
    for (const Cell& cell : CellsFor(p)) {
        const bool current = cell.choice == Current(p);
        app.pf.FillRect(x, y, w, h, kFrame);
        app.pf.FillRect(x + 2, y + 2, w - 4, h - 4, current ? kCurrentBack : kBack);
        DrawTextCentred(app, Font{FontFace::SansBold, 18}, current ? kCurrentText : kText, x, y + 4,
                        w, h / 2, cell.item);
        DrawTextCentred(app, Font{FontFace::SansBold, 13}, current ? kCurrentText : kKeyText, x,
                        y + h / 2 - 2, w, h / 2, cell.key);
        x += w;
    }
}

void DrawAway(App& app, int player) {
    // A text drawn on the canvas goes only with a fill over it.
    const int x = kTilePixels * FirstCol(player), y = kTilePixels * kMenuRow;
    app.pf.FillRect(x, y, kTilePixels * 3 * kCellCols, kTilePixels * kMenuRows, kBack);
    RedrawSquares(app, FirstCol(player), kMenuRow, 3 * kCellCols, kMenuRows);
}

}  // namespace

void ShowItemMenus(App& app) {
    for (int i = 0; i < 2; ++i) {
        const Player& p = app.game.players[static_cast<size_t>(i)];
        const bool open = i < app.game.PlayerCount && p.menuOpen && !p.dead;
        bool& shown = app.overlays.itemMenuShown[static_cast<size_t>(i)];
        // Drawn every pass it is open: a creature walking under it draws its square over it.
        if (open) DrawMenu(app, i);
        if (shown && !open) DrawAway(app, i);
        shown = open;
    }
}

void EndItemMenus(App& app) {
    for (int i = 0; i < 2; ++i) {
        bool& shown = app.overlays.itemMenuShown[static_cast<size_t>(i)];
        if (shown) DrawAway(app, i);
        shown = false;
    }
}

void ClearItemMenus(App& app) {
    app.overlays.itemMenuShown = {};
}

}  // namespace murk
