// Drawing the level editor's screen.
#include "shell/editview.h"

#include <algorithm>
#include <array>

#include "base/tilekinds.h"
#include "base/tiles.h"
#include "editor/palette.h"
#include "levelsource/levelsource.h"
#include "shell/app.h"
#include "shell/editlayout.h"
#include "shell/render.h"
#include "ui/style.h"

namespace murk {

namespace {

using namespace editlayout;

constexpr Rgb kCursorColour{235, 235, 235};
constexpr Rgb kRectColour = style::kBoxHighlight;
constexpr Rgb kSlideColour{120, 220, 255};
constexpr Rgb kMarkColour{255, 60, 60};
constexpr Rgb kDisabledText{95, 95, 125};
constexpr Rgb kRoomColour{56, 56, 100};
constexpr Rgb kStartColour{60, 200, 90};
constexpr Rgb kFinishColour{255, 220, 60};
constexpr Rgb kGrowColour{110, 220, 120};
constexpr Rgb kShrinkColour{255, 120, 100};
constexpr Rgb kNoticeColour{255, 200, 90};
constexpr Rgb kNoProblemsColour{110, 220, 120};
constexpr Rgb kProblemsColour{255, 120, 100};
constexpr Font kCaptionFont{FontFace::SansBold, 13};
constexpr Font kKeyFont{FontFace::Sans, 11};
constexpr Font kInfoFont{FontFace::SansBold, 14};
constexpr Font kLineFont{FontFace::SansBold, 13};
constexpr Font kBoxTitleFont{FontFace::SansBold, 18};

constexpr std::array<const char*, 8> kFacings = {"north", "north-east", "east", "south-east",
                                                 "south", "south-west", "west", "north-west"};

enum Sides { kNorth = 1, kEast = 2, kSouth = 4, kWest = 8, kAll = 15 };

// A frame `t` pixels thick along the sides named, inside `r`.
void Frame(App& app, const Rect& r, int t, Rgb colour, int sides = kAll) {
    if (sides & kNorth) app.pf.FillRect(r.x, r.y, r.w, t, colour);
    if (sides & kSouth) app.pf.FillRect(r.x, r.y + r.h - t, r.w, t, colour);
    if (sides & kWest) app.pf.FillRect(r.x, r.y, t, r.h, colour);
    if (sides & kEast) app.pf.FillRect(r.x + r.w - t, r.y, t, r.h, colour);
}

// A box in the style of the item menu and the banners: dark, with a thin frame.
void Box(App& app, const Rect& r, Rgb back = style::kBoxBack, Rgb frame = style::kBoxFrame) {
    app.pf.FillRect(r.x, r.y, r.w, r.h, frame);
    app.pf.FillRect(r.x + 1, r.y + 1, r.w - 2, r.h - 2, back);
}

void DrawTile(App& app, std::string_view code, int x, int y) {
    const ImageId image = app.tiles.ForCode(code);
    std::string error;
    if (image == kNoImage || !app.pf.DrawImage(image, x, y, error))
        app.pf.FillRect(x, y, kTilePixels, kTilePixels, style::kBlack);
}

// Text from the left of `r`, middled in its height, made smaller until it fits.
void DrawTextLeft(App& app, Font font, Rgb colour, const Rect& r, const std::string& text) {
    font = FittedFont(app, font, text, r.w, 10);
    int w = 0, h = 0;
    app.pf.TextSize(font, text, w, h);
    app.pf.DrawText(font, colour, r.x, r.y + (r.h - h) / 2, text, r.x, r.y, r.w, r.h);
}

std::optional<Spot> SlideTargetOf(const LevelEditor& editor, const std::optional<Spot>& at) {
    if (!at) return std::nullopt;
    const std::string_view code = editor.At(*at);
    if (!IsSlideField(code)) return std::nullopt;
    return Spot{at->roomCol, at->roomRow, SlideTargetCol(code), SlideTargetRow(code)};
}

// The slide field whose target shows: the one waiting for its target, or the one pointed at.
std::optional<Spot> ShownSlideField(const LevelEditor& editor, const EditLook& look) {
    if (look.aiming) return look.aiming;
    if (SlideTargetOf(editor, look.cursor)) return look.cursor;
    return std::nullopt;
}

bool InRoomShown(const EditLook& look, const std::optional<Spot>& s) {
    return s && s->roomCol == look.roomCol && s->roomRow == look.roomRow;
}

struct Span {
    int c1, r1, c2, r2;
};

std::optional<Span> RectangleDrawn(const EditLook& look) {
    if (!InRoomShown(look, look.corner) || !InRoomShown(look, look.cursor)) return std::nullopt;
    return Span{
        std::min(look.corner->col, look.cursor->col), std::min(look.corner->row, look.cursor->row),
        std::max(look.corner->col, look.cursor->col), std::max(look.corner->row, look.cursor->row)};
}

}  // namespace

std::string RoomName(int roomCol, int roomRow) {
    return "Room " + std::to_string(roomCol) + " " + std::to_string(roomRow);
}

std::string TileName(std::string_view code) {
    const TileKind* kind = KindOf(code);
    if (!kind) return "no tile";
    std::string name = kind->name;
    if (kind->first != kind->last)
        name += std::string(", facing ") +
                kFacings[static_cast<size_t>(TileIndex(code) - TileIndex(kind->first)) % 8];
    if (IsSlideField(code) && code.size() > 1)
        name += ", to column " + std::to_string(SlideTargetCol(code)) + " row " +
                std::to_string(SlideTargetRow(code));
    return name;
}

std::vector<Spot> MarkedSquares(const LevelEditor& editor, const EditLook& look) {
    std::vector<Spot> out;
    const auto add = [&](const std::optional<Spot>& s) {
        if (InRoomShown(look, s) && std::find(out.begin(), out.end(), *s) == out.end())
            out.push_back(*s);
    };
    add(look.cursor);
    add(look.marked);
    const std::optional<Spot> field = ShownSlideField(editor, look);
    add(field);
    add(look.aiming ? std::optional<Spot>() : SlideTargetOf(editor, field));
    if (const std::optional<Span> r = RectangleDrawn(look))
        for (int row = r->r1; row <= r->r2; ++row)
            for (int col = r->c1; col <= r->c2; ++col)
                if (look.tool == EditTool::Box || row == r->r1 || row == r->r2 || col == r->c1 ||
                    col == r->c2)
                    add(Spot{look.roomCol, look.roomRow, col, row});
    return out;
}

void DrawEditSquare(App& app, const LevelEditor& editor, const EditLook& look, int col, int row) {
    const Spot here{look.roomCol, look.roomRow, col, row};
    const Rect r = SquareRect(col, row);
    DrawTile(app, editor.At(here), r.x, r.y);
    const std::optional<Span> rect = RectangleDrawn(look);
    const bool inRect =
        rect && col >= rect->c1 && col <= rect->c2 && row >= rect->r1 && row <= rect->r2;
    if (inRect) {
        const int sides = (row == rect->r1 ? kNorth : 0) | (row == rect->r2 ? kSouth : 0) |
                          (col == rect->c1 ? kWest : 0) | (col == rect->c2 ? kEast : 0);
        Frame(app, r, 2, kRectColour, sides);
        if (look.tool == EditTool::Box && !sides)
            app.pf.FillRect(r.x + 14, r.y + 14, 4, 4, kRectColour);
    }
    const std::optional<Spot> field = ShownSlideField(editor, look);
    if (field && *field == here) Frame(app, r, 2, kSlideColour);
    const std::optional<Spot> target = SlideTargetOf(editor, field);
    if (!look.aiming && target && *target == here && *target != *field) {
        Frame(app, r, 2, kSlideColour);
        app.pf.FillRect(r.x + 12, r.y + 12, 8, 8, kSlideColour);
    }
    if (look.cursor && *look.cursor == here && !inRect)
        Frame(app, r, 2, look.aiming ? kSlideColour : kCursorColour);
    if (look.marked && *look.marked == here) Frame(app, r, 3, kMarkColour);
}

void DrawEditRoom(App& app, const LevelEditor& editor, const EditLook& look) {
    for (int row = 1; row <= kRoomRows; ++row)
        for (int col = 1; col <= kRoomCols; ++col) DrawEditSquare(app, editor, look, col, row);
}

void DrawPaletteCell(App& app, const EditLook& look, int index) {
    const std::vector<PaletteCell>& cells = PaletteCells();
    if (index < 0 || static_cast<size_t>(index) >= cells.size()) return;
    const PaletteCell& cell = cells[static_cast<size_t>(index)];
    DrawTile(app, cell.code, cell.at.x, cell.at.y);
    if (TileIndex(cell.code) == TileIndex(look.brush))
        Frame(app, cell.at, 3, style::kBoxHighlight);
    else if (index == look.paletteHover)
        Frame(app, cell.at, 1, kCursorColour);
}

void DrawPalette(App& app, const EditLook& look) {
    app.pf.FillRect(kPalette.x, kPalette.y, kPalette.w, kPalette.h, style::kMainBackground);
    for (const PaletteCard& card : PaletteCards()) Box(app, card.at);
    for (size_t i = 0; i < PaletteCells().size(); ++i)
        DrawPaletteCell(app, look, static_cast<int>(i));
}

void DrawSwatch(App& app, const EditLook& look) {
    Box(app, kSwatch);
    DrawTile(app, look.brush, kSwatch.x + (kSwatch.w - kTilePixels) / 2, kSwatch.y + 7);
    Frame(app,
          {kSwatch.x + (kSwatch.w - kTilePixels) / 2 - 2, kSwatch.y + 5, kTilePixels + 4,
           kTilePixels + 4},
          2, style::kBoxHighlight);
}

void DrawToolbar(App& app, const LevelEditor& editor, const EditLook& look) {
    app.pf.FillRect(kToolbar.x, kToolbar.y, kToolbar.w, kToolbar.h, style::kMainBackground);
    DrawSwatch(app, look);
    const std::span<const ToolButton> buttons = ToolButtons();
    for (size_t i = 0; i < buttons.size(); ++i) {
        const ToolButton& b = buttons[i];
        const bool current =
            (b.command == Command::Draw && look.tool == EditTool::Draw) ||
            (b.command == Command::Rectangle && look.tool == EditTool::Rectangle) ||
            (b.command == Command::Box && look.tool == EditTool::Box) ||
            (b.command == Command::Fill && look.tool == EditTool::Fill);
        const bool enabled = (b.command != Command::Undo || editor.CanUndo()) &&
                             (b.command != Command::Redo || editor.CanRedo()) &&
                             (b.command != Command::Paste || editor.HasCopiedRoom());
        const bool hover = static_cast<int>(i) == look.buttonHover && enabled;
        Box(app, b.at, current ? style::kBoxHighlight : style::kBoxBack,
            hover ? kCursorColour : style::kBoxFrame);
        const Rgb text = current   ? style::kBoxHighlightText
                         : enabled ? style::kBoxText
                                   : kDisabledText;
        DrawTextCentred(app, kCaptionFont, text, b.at.x, b.at.y + 1, b.at.w, 16, b.caption);
        DrawTextCentred(app, kKeyFont,
                        current   ? text
                        : enabled ? style::kBoxKeyText
                                  : text,
                        b.at.x, b.at.y + 15, b.at.w, 14, b.key);
    }
}

void DrawMap(App& app, const LevelEditor& editor, const EditLook& look) {
    app.pf.FillRect(kMap.x, kMap.y, kMap.w, kMap.h, style::kMainBackground);
    const MapLayout map = MapFor(editor.RoomsAcross(), editor.RoomsDown());
    Box(app, {kMap.x + 2, kMap.y + 2, kMap.w - 4, kPaletteRows * kTilePixels + 4});
    const int gap = map.cell >= 8 ? 1 : 0;
    for (int rr = 1; rr <= map.down; ++rr)
        for (int rc = 1; rc <= map.across; ++rc) {
            const Rect r = MapRoomRect(map, rc, rr);
            const bool shown = rc == look.roomCol && rr == look.roomRow;
            app.pf.FillRect(r.x + gap, r.y + gap, r.w - 2 * gap, r.h - 2 * gap,
                            shown ? style::kBoxHighlight : kRoomColour);
            const int dot = std::max(2, map.cell / 3);
            const bool start = rc == editor.StartRoomCol() && rr == editor.StartRoomRow();
            bool finish = false;
            const std::string& room = editor.Level().grid.Cell(rc, rr);
            for (size_t at = 0; at + 3 <= room.size() && !finish; at += 3)
                finish = std::string_view(room).substr(at, 3) == code::Finish;
            if (start)
                app.pf.FillRect(r.x + (r.w - dot) / 2, r.y + (r.h - dot) / 2, dot, dot,
                                kStartColour);
            else if (finish && !shown)
                app.pf.FillRect(r.x + (r.w - dot) / 2, r.y + (r.h - dot) / 2, dot, dot,
                                kFinishColour);
        }
    for (const SizeButton& b : SizeButtons(map)) {
        const int rooms = b.side == Side::North || b.side == Side::South ? map.down : map.across;
        const bool can = b.grow ? rooms < kMaxLevelRooms : rooms > 1;
        const Rgb colour = !can ? kDisabledText : b.grow ? kGrowColour : kShrinkColour;
        Box(app, b.at);
        const Rect& r = b.at;
        app.pf.FillRect(r.x + 3, r.y + r.h / 2 - 1, r.w - 6, 2, colour);
        if (b.grow) app.pf.FillRect(r.x + r.w / 2 - 1, r.y + 3, 2, r.h - 6, colour);
    }
}

void DrawInfo(App& app, const EditLook& look) {
    app.pf.FillRect(kInfo.x, kInfo.y, kInfo.w, kInfo.h, style::kMainBackground);
    DrawTextLeft(app, kInfoFont, look.notice ? kNoticeColour : style::kSoftWhite, kInfo, look.info);
}

void DrawTitleLine(App& app, const std::string& title) {
    app.pf.FillRect(kTitle.x, kTitle.y, kTitle.w, kTitle.h, style::kMainBackground);
    const Font font = FittedFont(app, style::kTitleFont, title, kTitle.w, 12);
    DrawTextCentred(app, font, style::kBlue, kTitle.x, kTitle.y, kTitle.w, kTitle.h, title);
}

std::string ProblemCountText(size_t problems) {
    return problems == 1 ? "1 problem" : std::to_string(problems) + " problems";
}

void DrawProblemCount(App& app, size_t problems) {
    app.pf.FillRect(kProblems.x, kProblems.y, kProblems.w, kProblems.h, style::kMainBackground);
    const std::string text = problems == 0 ? "No problems" : ProblemCountText(problems);
    int w = 0, h = 0;
    app.pf.TextSize(kInfoFont, text, w, h);
    const Rgb colour = problems == 0 ? kNoProblemsColour : kProblemsColour;
    app.pf.DrawText(kInfoFont, colour, kProblems.x + kProblems.w - w,
                    kProblems.y + (kProblems.h - h) / 2, text, kProblems.x, kProblems.y,
                    kProblems.w, kProblems.h);
    if (problems > 0)  // a click lists them
        app.pf.FillRect(kProblems.x + kProblems.w - w, kProblems.y + (kProblems.h + h) / 2 - 1, w,
                        1, colour);
}

void DrawProblemsBox(App& app, const std::vector<LevelProblem>& problems, int hover) {
    const int count = static_cast<int>(problems.size());
    const Rect box = ProblemsBox(count);
    Box(app, box);
    DrawTextLeft(app, kBoxTitleFont, style::kBoxHighlight, {box.x + 12, box.y + 6, box.w - 24, 26},
                 problems.empty() ? "No problems: the level is ready to play"
                                  : "Problems - click one to go to its square");
    const int shown = std::min(count, kProblemLines);
    for (int i = 0; i < shown; ++i) {
        const Rect r = ProblemLine(count, i);
        const bool more = i == kProblemLines - 1 && count > kProblemLines;
        if (i == hover && !more) Box(app, r, style::kBoxBack, kCursorColour);
        const std::string text = more ? "... and " + std::to_string(count - i) +
                                            " more, listed again as these are mended"
                                      : ProblemText(problems[static_cast<size_t>(i)]);
        const std::vector<std::string> lines = WrappedLines(app, kLineFont, text, r.w - 16, 2);
        for (size_t l = 0; l < lines.size(); ++l)
            DrawTextLeft(app, kLineFont, more ? style::kBoxKeyText : style::kBoxText,
                         {r.x + 8, r.y + 2 + static_cast<int>(l) * 17, r.w - 16, 17}, lines[l]);
    }
}

void DrawKeysBox(App& app) {
    static constexpr std::array<std::pair<const char*, const char*>, 24> kKeys = {{
        {"Left button", "paint with the tile (drag: a stroke)"},
        {"Right button", "pick the tile under the pointer"},
        {"Arrows", "move the square cursor"},
        {"Space", "paint at the cursor (rectangles: corner, corner)"},
        {"Ctrl + arrows", "go to the next room that way"},
        {"D  R  B  F", "draw, rectangle, box (filled), fill"},
        {"PgUp  PgDn", "the palette's previous or next tile"},
        {"Slide field", "paint it, then click the square it sends to"},
        {"Ctrl+Z", "undo"},
        {"Ctrl+Y, Ctrl+Shift+Z", "redo"},
        {"Ctrl+C  Ctrl+V", "copy this room, paste over this room"},
        {"Ctrl+Del", "clear this room to floor inside its edges"},
        {"Home", "make this room the start room"},
        {"T", "change the level's title"},
        {"Map + and -", "add or take away rooms on that side"},
        {"Ctrl+N", "a new level"},
        {"Ctrl+S", "save the level"},
        {"F2", "test-play from the start"},
        {"F3", "test-play from this room"},
        {"Problems", "click the count to list them"},
        {"Escape", "back to the menu"},
        {"F1", "this list (any key closes it)"},
        {"Alt+Enter", "full screen or a window"},
        {"Print Screen", "capture the screen"},
    }};
    const Rect& box = kKeysBox;
    Box(app, box);
    DrawTextCentred(app, kBoxTitleFont, style::kBoxHighlight, box.x, box.y + 8, box.w, 28,
                    "Level editor keys");
    const int rows = static_cast<int>(kKeys.size() + 1) / 2, colW = (box.w - 30) / 2;
    for (size_t i = 0; i < kKeys.size(); ++i) {
        const int col = static_cast<int>(i) / rows, row = static_cast<int>(i) % rows;
        const int x = box.x + 15 + col * colW, y = box.y + 48 + row * 38;
        DrawTextLeft(app, kCaptionFont, style::kBoxHighlight, {x, y, colW - 10, 18},
                     kKeys[i].first);
        DrawTextLeft(app, kLineFont, style::kBoxText, {x, y + 17, colW - 10, 18}, kKeys[i].second);
    }
}

}  // namespace murk
