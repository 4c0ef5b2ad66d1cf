// The level editor's screen: the level being edited drawn room by room as in play, a palette of
// every tile, a toolbar, a map of the rooms and a status line; drawing with the mouse and the keys,
// undo and redo, saving, and test plays of the level in the real game. What an edit does is the
// editor's model (editor/editor.h); how the screen looks, shell/editview.h.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "shell/editlayout.h"
#include "shell/editview.h"
#include "shell/screen.h"

namespace murk {

struct App;
class Edit;

class EditScreen final : public Screen {
public:
    // Makes the screen's title edit on the main window (start-up, with the other screens).
    explicit EditScreen(App& app);

    // Opens level `level` and shows the editor on its start room; false, with the game's own
    // message shown and nothing opened, when the level cannot be edited.
    bool Open(int level);

    void KeyDown(int key) override;
    void KeyUp(int key) override;
    bool MouseDown(int button, int x, int y) override;
    bool MouseUp(int button, int x, int y) override;
    void MouseMove(int x, int y) override;
    void Shown() override;
    void Paint() override;

    // The window is being closed: true unless the editor (shown, or its level in a test play)
    // holds changes not saved and the player, asked, keeps them.
    bool MayQuit();

    // What tests and the benchmark look at.
    const LevelEditor& Editor() const { return editor_; }
    LevelEditor& Editor() { return editor_; }
    const EditLook& Look() const { return look_; }

private:
    using Command = editlayout::Command;

    // ---- Showing ----
    bool Showing() const;
    void DrawAll();
    // Draws what changed since the last call: the squares the level changed, the marks, the
    // status line, the toolbar, the palette's marks and, after a step, the map and the problems.
    void Refresh();
    std::string TitleText(bool withMark) const;
    std::string InfoFor(const editlayout::Hit& hit) const;
    void Notice(std::string text);
    void Report(const EditResult& result);
    // After an operation: the level is checked again and the map and counts follow.
    void StepDone();
    void ForgetKeys();  // after a message box: the keys let go in it never came here
    bool Ask(const std::string& question);  // a yes-or-no box
    // True when the level has no unsaved changes, or the player agrees to lose them `doing` that.
    bool MayDropChanges(const char* doing);
    void FreshLook();  // a level opened or made new: the tile and the tool stay in hand

    // ---- Moving about ----
    void GoToRoom(int roomCol, int roomRow);
    void MoveCursor(int dc, int dr);
    void SetBrush(const std::string& code);
    void StepBrush(int by);
    void SetTool(EditTool tool);
    void GoToProblem(int index);

    // ---- Drawing ----
    void PressSquare(int button, const Spot& at);
    void EndPress();
    void ApplyAtCursor();
    bool BareSlideField() const;

    // ---- Commands ----
    void Run(Command command);
    void Undo(bool redo);
    void Resize(const editlayout::SizeButton& button);
    void Save();
    void NewLevel();
    void TestPlay(bool fromRoomShown);
    void Leave();
    void Close();
    void StartTitle();
    void EndTitle(bool keep);
    bool EditingTitle() const;
    void ToggleProblems();
    void ToggleKeys();
    void CloseBoxes();
    // Escape at a key's press: what it cancels, if anything (the editor is left at its release).
    bool CancelSomething();

    App& app_;
    LevelEditor editor_;
    EditLook look_;
    Edit* titleEdit_ = nullptr;
    bool stroking_ = false;  // the left button paints a stroke
    bool dragging_ = false;  // the left button draws a rectangle
    std::set<int> down_;     // keys pressed while this screen showed, not yet released
    bool ctrl_ = false, shift_ = false;
    int agreedOverwrite_ = -1;  // the level the player agreed to save over
    int newNumber_ = 0;         // the number a new level takes when it is saved
    uint64_t noticeUntil_ = 0;
    editlayout::Hit pointed_;       // what the pointer is over
    std::optional<Spot> keysFrom_;  // where the arrow keys go on from once the pointer left

    // What is on the screen, to draw again only what changed.
    struct Drawn {
        std::vector<Spot> marked;
        std::string info, title;
        bool notice = false;
        size_t problems = SIZE_MAX;
        std::string toolbar;  // the toolbar's state, as a key
        int paletteHover = -1;
        std::string brush;
        bool mapStale = true;
    };
    Drawn drawn_;
    bool stepDone_ = false;
};

// F9 at the menu and `murk --edit N`: the editor on level `level` (shell/editscreen.h's
// EditScreen::Open).
bool OpenEditor(App& app, int level);

}  // namespace murk
