// Drawing the level editor's screen: the room with its marks, the palette, the toolbar, the map of
// rooms, the status line and the boxes over the room. It only draws; the screen decides
// (shell/editscreen.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/editor.h"
#include "platform/platform.h"

namespace murk {

struct App;

enum class EditTool { Draw, Rectangle, Box, Fill };

// What the editor's screen shows besides the level itself.
struct EditLook {
    int roomCol = 1, roomRow = 1;  // the room shown
    std::string brush;             // the tile the tools put down
    EditTool tool = EditTool::Draw;
    std::optional<Spot> cursor;  // the square the pointer or the arrow keys are on
    std::optional<Spot> corner;  // a rectangle's first corner while the rectangle is drawn
    std::optional<Spot> aiming;  // a slide field waiting for the click on its target
    std::optional<Spot> marked;  // a problem's square, marked until the next change
    int paletteHover = -1;       // the palette cell under the pointer
    int buttonHover = -1;        // the toolbar button under the pointer
    int problemHover = -1;       // the listed problem under the pointer
    bool problemsOpen = false;   // the list of problems stands over the room
    bool keysOpen = false;       // the list of keys stands over the room
    std::string info;            // the status line's left part
    bool notice = false;         // `info` is a message for the player (an edit refused, a save)
};

// "Room 2 1", as the status line names a room.
std::string RoomName(int roomCol, int roomRow);

// What a player calls the tile `code`: its name in the tile table, with a facing for a family of
// eight and the target of a slide field.
std::string TileName(std::string_view code);

// ---- The room ----
// The squares of the room shown that carry a mark over their tile: the cursor, a rectangle being
// drawn, a slide field and its target, a problem's square.
std::vector<Spot> MarkedSquares(const LevelEditor& editor, const EditLook& look);
// Square (col, row) of the room shown: its tile, then its marks.
void DrawEditSquare(App& app, const LevelEditor& editor, const EditLook& look, int col, int row);
void DrawEditRoom(App& app, const LevelEditor& editor, const EditLook& look);

// ---- Beside it ----
void DrawPalette(App& app, const EditLook& look);
void DrawPaletteCell(App& app, const EditLook& look, int index);
void DrawSwatch(App& app, const EditLook& look);
void DrawToolbar(App& app, const LevelEditor& editor, const EditLook& look);
void DrawMap(App& app, const LevelEditor& editor, const EditLook& look);
// The status line: what is pointed at, the title (with "*" while unsaved), the problems' count.
void DrawInfo(App& app, const EditLook& look);
void DrawTitleLine(App& app, const std::string& title);
void DrawProblemCount(App& app, size_t problems);
// "1 problem", "3 problems".
std::string ProblemCountText(size_t problems);

// ---- Over the room ----
void DrawProblemsBox(App& app, const std::vector<LevelProblem>& problems, int hover);
void DrawKeysBox(App& app);

}  // namespace murk
