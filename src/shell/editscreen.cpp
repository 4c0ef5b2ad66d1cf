// The level editor's screen: what the mouse and the keys do, and drawing again what changed.
#include "shell/editscreen.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "editor/palette.h"
#include "shell/app.h"
#include "shell/mainform.h"
#include "shell/screens.h"
#include "ui/style.h"
#include "ui/widgets.h"

namespace murk {

using namespace editlayout;

namespace {

constexpr uint64_t kNoticeMs = 4000;
constexpr Font kTitleEditFont{FontFace::SansBold, 15};

const char* SideName(Side side) {
    switch (side) {
        case Side::North:
            return "north";
        case Side::East:
            return "east";
        case Side::South:
            return "south";
        case Side::West:
            return "west";
    }
    return "";
}

}  // namespace

EditScreen::EditScreen(App& app) : app_(app), editor_(app.DirLbl) {
    look_.brush = std::string(code::SolidWall);
    titleEdit_ = app.mainForm->Root().Add<Edit>({kTitle.x, kTitle.y + 2, kTitle.w, kTitle.h - 4},
                                                "", kTitleEditFont);
    titleEdit_->SetMaxLength(60);
    titleEdit_->SetVisible(false);
}

bool OpenEditor(App& app, int level) {
    return static_cast<EditScreen&>(*app.editScreen).Open(level);
}

bool EditScreen::Open(int level) {
    // Each time afresh, in the folder start-up found (the screen is made before).
    editor_ = LevelEditor(app_.DirLbl);
    if (const EditResult opened = editor_.Open(level); !opened) {
        ShowError(app_, opened.message);
        ForgetKeys();
        return false;
    }
    FreshLook();
    look_.roomCol = editor_.StartRoomCol();
    look_.roomRow = editor_.StartRoomRow();
    agreedOverwrite_ = -1;
    down_.clear();
    ShowEditScreen(app_);
    return true;
}

// ---- Showing ----

bool EditScreen::Showing() const {
    return app_.mainForm->screen == this && !app_.terminated;
}

void EditScreen::Shown() {
    TMainForm& m = *app_.mainForm;
    m.LevelTitleLbl->SetVisible(false);
    m.P1Panel.box->SetVisible(false);
    m.P2Panel.box->SetVisible(false);
    stroking_ = dragging_ = false;
    app_.pf.SetPointer(Pointer::Normal);
    app_.pf.TrackPointer(true);
    DrawAll();
}

void EditScreen::Paint() {
    if (Showing()) DrawAll();
}

void EditScreen::DrawAll() {
    static_cast<void>(editor_.TakeChanges());
    app_.pf.FillRect(0, 0, kCanvasWidth, kCanvasHeight, style::kMainBackground);
    DrawEditRoom(app_, editor_, look_);
    DrawPalette(app_, look_);
    drawn_ = Drawn{};
    drawn_.marked = MarkedSquares(editor_, look_);
    drawn_.paletteHover = look_.paletteHover;
    drawn_.brush = look_.brush;
    stepDone_ = true;
    Refresh();
    if (look_.problemsOpen) DrawProblemsBox(app_, editor_.Problems(), look_.problemHover);
    if (look_.keysOpen) DrawKeysBox(app_);
    if (EditingTitle()) titleEdit_->Repaint();
}

void EditScreen::Refresh() {
    if (!Showing()) return;
    const EditChanges changes = editor_.TakeChanges();
    if (changes.wholeLevel) {
        look_.roomCol = std::clamp(look_.roomCol, 1, editor_.RoomsAcross());
        look_.roomRow = std::clamp(look_.roomRow, 1, editor_.RoomsDown());
        for (std::optional<Spot>* s : {&look_.cursor, &look_.corner, &look_.aiming, &look_.marked})
            if (*s && !editor_.HasRoom((*s)->roomCol, (*s)->roomRow)) s->reset();
        if (look_.cursor)
            look_.cursor->roomCol = look_.roomCol, look_.cursor->roomRow = look_.roomRow;
        DrawEditRoom(app_, editor_, look_);
        drawn_.mapStale = true;
    }
    const bool boxOpen = look_.problemsOpen || look_.keysOpen;
    std::vector<Spot> redraw;
    if (!changes.wholeLevel)
        for (const Spot& s : changes.squares)
            if (s.roomCol == look_.roomCol && s.roomRow == look_.roomRow) redraw.push_back(s);
    const std::vector<Spot> marked = MarkedSquares(editor_, look_);
    for (const std::vector<Spot>* set : {&std::as_const(drawn_.marked), &marked})
        for (const Spot& s : *set)
            if (s.roomCol == look_.roomCol && s.roomRow == look_.roomRow) redraw.push_back(s);
    std::sort(redraw.begin(), redraw.end(), [](const Spot& a, const Spot& b) {
        return a.row != b.row ? a.row < b.row : a.col < b.col;
    });
    redraw.erase(std::unique(redraw.begin(), redraw.end()), redraw.end());
    if (!boxOpen && !changes.wholeLevel)
        for (const Spot& s : redraw) DrawEditSquare(app_, editor_, look_, s.col, s.row);
    drawn_.marked = marked;

    if (look_.notice && app_.pf.NowMs() >= noticeUntil_) look_.notice = false;
    if (!look_.notice) look_.info = InfoFor(pointed_);
    if (look_.info != drawn_.info || look_.notice != drawn_.notice) {
        DrawInfo(app_, look_);
        drawn_.info = look_.info;
        drawn_.notice = look_.notice;
    }
    if (const std::string title = TitleText(true); title != drawn_.title && !EditingTitle()) {
        DrawTitleLine(app_, title);
        drawn_.title = title;
    }
    const std::string toolbar =
        std::to_string(static_cast<int>(look_.tool)) + look_.brush + "|" +
        std::to_string(editor_.CanUndo()) + std::to_string(editor_.CanRedo()) +
        std::to_string(editor_.HasCopiedRoom()) + "|" + std::to_string(look_.buttonHover);
    if (toolbar != drawn_.toolbar) {
        DrawToolbar(app_, editor_, look_);
        drawn_.toolbar = toolbar;
    }
    if (look_.paletteHover != drawn_.paletteHover || look_.brush != drawn_.brush) {
        const int before[] = {drawn_.paletteHover, PaletteIndexOf(drawn_.brush)};
        drawn_.paletteHover = look_.paletteHover;
        drawn_.brush = look_.brush;
        for (const int i : before) DrawPaletteCell(app_, look_, i);
        DrawPaletteCell(app_, look_, look_.paletteHover);
        DrawPaletteCell(app_, look_, PaletteIndexOf(look_.brush));
    }
    if (stepDone_) {
        stepDone_ = false;
        drawn_.mapStale = true;
        if (const size_t problems = editor_.Problems().size(); problems != drawn_.problems) {
            DrawProblemCount(app_, problems);
            drawn_.problems = problems;
        }
    }
    if (drawn_.mapStale) {
        DrawMap(app_, editor_, look_);
        drawn_.mapStale = false;
    }
}

std::string EditScreen::TitleText(bool withMark) const {
    // A new level is named by the number a save gives it.
    const std::string level = editor_.Number() < 0
                                  ? "Level " + std::to_string(newNumber_) + " (new)"
                                  : "Level " + std::to_string(editor_.Number());
    return level + " - " + editor_.Title() + (withMark && editor_.Dirty() ? " *" : "");
}

std::string EditScreen::InfoFor(const Hit& hit) const {
    switch (hit.place) {
        case Place::Square: {
            const Spot at{look_.roomCol, look_.roomRow, hit.col, hit.row};
            std::string text = RoomName(at.roomCol, at.roomRow) + ", column " +
                               std::to_string(at.col) + " row " + std::to_string(at.row) + ": " +
                               TileName(editor_.At(at));
            if (look_.aiming) text += " - click: the slide field sends players here";
            return text;
        }
        case Place::PaletteCell: {
            const PaletteCell& cell = PaletteCells()[static_cast<size_t>(hit.index)];
            return std::string(Palette()[static_cast<size_t>(cell.group)].title) + ": " +
                   TileName(cell.code);
        }
        case Place::Button: {
            const ToolButton& b = ToolButtons()[static_cast<size_t>(hit.index)];
            return std::string(b.hint) + " (" + b.key + ")";
        }
        case Place::MapRoom: {
            std::string text = RoomName(hit.col, hit.row);
            if (hit.col == editor_.StartRoomCol() && hit.row == editor_.StartRoomRow())
                text += ", the start room";
            if (hit.col != look_.roomCol || hit.row != look_.roomRow) text += ": click to go there";
            return text;
        }
        case Place::SizeButton: {
            const editlayout::SizeButton b = SizeButtons(
                MapFor(editor_.RoomsAcross(), editor_.RoomsDown()))[static_cast<size_t>(hit.index)];
            const char* line = b.side == Side::North || b.side == Side::South ? "row" : "column";
            return b.grow ? std::string("Add a ") + line + " of rooms on the " + SideName(b.side) +
                                " side"
                          : std::string("Take away the ") + line + " of rooms on the " +
                                SideName(b.side) + " side";
        }
        case Place::Title:
            return "Click to change the level's title (T)";
        case Place::Problems:
            return editor_.Level().Ok() && drawn_.problems == 0
                       ? "The level's checks find nothing wrong"
                       : "Click to list the problems, and a problem to go to its square";
        case Place::Nothing:
            break;
    }
    if (look_.problemsOpen) return "Click a problem to go to its square; elsewhere closes the list";
    if (look_.keysOpen) return "A key or a click closes the list";
    if (look_.aiming) return "Click the square the slide field sends players to (Escape: none)";
    if (look_.corner) return "Now the rectangle's other corner (Escape: none)";
    return "Level editor: F1 lists the keys";
}

void EditScreen::Notice(std::string text) {
    look_.info = std::move(text);
    look_.notice = true;
    noticeUntil_ = app_.pf.NowMs() + kNoticeMs;
}

void EditScreen::Report(const EditResult& result) {
    if (!result) {
        std::string text = result.message;
        if (!text.empty())
            text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
        Notice(text);
    }
}

void EditScreen::StepDone() {
    stepDone_ = true;
    Refresh();
}

void EditScreen::ForgetKeys() {
    down_.clear();
    ctrl_ = shift_ = false;
}

bool EditScreen::Ask(const std::string& question) {
    const bool yes = Confirm(app_, question);
    ForgetKeys();
    return yes;
}

bool EditScreen::MayDropChanges(const char* doing) {
    return !editor_.Dirty() || Ask(std::string("The level has changes that are not saved. ") +
                                   doing + " and lose them?");
}

void EditScreen::FreshLook() {
    EditLook fresh;
    fresh.brush = look_.brush;  // the tile and the tool stay in hand
    fresh.tool = look_.tool;
    look_ = std::move(fresh);
}

// ---- Moving about ----

void EditScreen::GoToRoom(int roomCol, int roomRow) {
    if (!editor_.HasRoom(roomCol, roomRow)) return;
    look_.roomCol = roomCol;
    look_.roomRow = roomRow;
    if (look_.cursor) look_.cursor->roomCol = roomCol, look_.cursor->roomRow = roomRow;
    look_.corner.reset();
    look_.aiming.reset();
    CloseBoxes();
    DrawEditRoom(app_, editor_, look_);
    drawn_.marked = MarkedSquares(editor_, look_);
    drawn_.mapStale = true;
    Refresh();
}

void EditScreen::MoveCursor(int dc, int dr) {
    Spot at = look_.cursor.value_or(
        keysFrom_.value_or(Spot{look_.roomCol, look_.roomRow, kRoomCols / 2, kRoomRows / 2}));
    at.roomCol = look_.roomCol;
    at.roomRow = look_.roomRow;
    at.col = std::clamp(at.col + dc, 1, kRoomCols);
    at.row = std::clamp(at.row + dr, 1, kRoomRows);
    look_.cursor = at;
    pointed_ = {Place::Square, 0, at.col, at.row};
    Refresh();
}

void EditScreen::SetBrush(const std::string& code) {
    look_.brush = code;
    look_.aiming.reset();
    Refresh();
}

void EditScreen::StepBrush(int by) {
    const int count = static_cast<int>(PaletteCells().size());
    const int at = PaletteIndexOf(look_.brush);
    SetBrush(
        PaletteCells()[static_cast<size_t>(((at < 0 ? 0 : at + by) % count + count) % count)].code);
    Notice("Tile: " + TileName(look_.brush));
    Refresh();
}

void EditScreen::SetTool(EditTool tool) {
    look_.tool = tool;
    look_.corner.reset();
    look_.aiming.reset();
    Refresh();
}

void EditScreen::GoToProblem(int index) {
    const std::vector<LevelProblem>& problems = editor_.Problems();
    if (index < 0 || static_cast<size_t>(index) >= problems.size()) return;
    const LevelProblem problem = problems[static_cast<size_t>(index)];
    const Where& at = problem.where;
    look_.problemsOpen = false;
    look_.marked.reset();
    if (at.roomCol && at.col) look_.marked = Spot{at.roomCol, at.roomRow, at.col, at.row};
    if (at.roomCol) {
        GoToRoom(at.roomCol, at.roomRow);
    } else {
        DrawEditRoom(app_, editor_, look_);
        drawn_.marked = MarkedSquares(editor_, look_);
    }
    Notice(ProblemText(problem));
    Refresh();
}

// ---- Drawing with the mouse and the keys ----

bool EditScreen::BareSlideField() const {
    return look_.brush == code::SlideField;
}

void EditScreen::PressSquare(int button, const Spot& at) {
    look_.cursor = at;
    if (button == 3) {  // picks the tile, aimed slide fields with their targets
        look_.aiming.reset();
        look_.corner.reset();
        SetBrush(std::string(editor_.At(at)));
        return;
    }
    if (button != 1) return;
    if (look_.aiming) {
        const Spot field = *look_.aiming;
        look_.aiming.reset();
        Report(editor_.SetSlideTarget(field, at.col, at.row));
        return StepDone();
    }
    switch (look_.tool) {
        case EditTool::Draw:
            if (BareSlideField() && IsSlideField(editor_.At(at))) {
                look_.aiming = at;  // a slide field already there takes a new target
                return Refresh();
            }
            if (const EditResult begun = editor_.BeginStroke(look_.brush); !begun) {
                Report(begun);
                return Refresh();
            }
            stroking_ = true;
            editor_.StrokeTo(at);
            return Refresh();
        case EditTool::Rectangle:
        case EditTool::Box:
            look_.corner = at;
            dragging_ = true;
            return Refresh();
        case EditTool::Fill:
            Report(editor_.Fill(at, look_.brush));
            return StepDone();
    }
}

void EditScreen::EndPress() {
    if (stroking_) {
        stroking_ = false;
        const std::optional<Spot> last = look_.cursor;
        Report(editor_.EndStroke());
        // A slide field just painted waits for the click on its target.
        if (BareSlideField() && last && IsSlideField(editor_.At(*last))) look_.aiming = last;
        StepDone();
    } else if (dragging_) {
        dragging_ = false;
        const std::optional<Spot> corner = look_.corner;
        look_.corner.reset();
        if (corner && look_.cursor)
            Report(editor_.Rectangle(*corner, look_.cursor->col, look_.cursor->row, look_.brush,
                                     look_.tool == EditTool::Box));
        StepDone();
    }
}

void EditScreen::ApplyAtCursor() {
    if (!look_.cursor) return MoveCursor(0, 0);
    const Spot at = *look_.cursor;
    if (look_.aiming) return PressSquare(1, at);
    switch (look_.tool) {
        case EditTool::Draw:
            if (BareSlideField() && IsSlideField(editor_.At(at))) {
                look_.aiming = at;
                return Refresh();
            }
            Report(editor_.Paint(at, look_.brush));
            if (BareSlideField() && IsSlideField(editor_.At(at))) look_.aiming = at;
            return StepDone();
        case EditTool::Rectangle:
        case EditTool::Box:
            if (!look_.corner) {
                look_.corner = at;
                return Refresh();
            }
            Report(editor_.Rectangle(*look_.corner, at.col, at.row, look_.brush,
                                     look_.tool == EditTool::Box));
            look_.corner.reset();
            return StepDone();
        case EditTool::Fill:
            Report(editor_.Fill(at, look_.brush));
            return StepDone();
    }
}

bool EditScreen::MouseDown(int button, int x, int y) {
    if (!Showing()) return false;
    const Hit hit = HitAt(x, y, MapFor(editor_.RoomsAcross(), editor_.RoomsDown()));
    pointed_ = hit;
    if (EditingTitle() && hit.place != Place::Title) EndTitle(true);
    if (look_.keysOpen) return ToggleKeys(), true;
    if (look_.problemsOpen) {
        const int count = static_cast<int>(editor_.Problems().size());
        for (int i = 0; i < std::min(count, kProblemLines); ++i)
            if (ProblemLine(count, i).Contains(x, y)) return GoToProblem(i), true;
        if (hit.place != Place::Problems) return ToggleProblems(), true;
    }
    switch (hit.place) {
        case Place::Square:
            PressSquare(button, {look_.roomCol, look_.roomRow, hit.col, hit.row});
            break;
        case Place::PaletteCell:
            SetBrush(PaletteCells()[static_cast<size_t>(hit.index)].code);
            break;
        case Place::Button:
            if (button == 1) Run(ToolButtons()[static_cast<size_t>(hit.index)].command);
            break;
        case Place::MapRoom:
            if (button == 1) GoToRoom(hit.col, hit.row);
            break;
        case Place::SizeButton:
            if (button == 1)
                Resize(SizeButtons(MapFor(editor_.RoomsAcross(),
                                          editor_.RoomsDown()))[static_cast<size_t>(hit.index)]);
            break;
        case Place::Title:
            if (button == 1 && !EditingTitle()) StartTitle();
            break;
        case Place::Problems:
            if (button == 1) ToggleProblems();
            break;
        case Place::Nothing:
            break;
    }
    return true;
}

bool EditScreen::MouseUp(int button, int x, int y) {
    if (!Showing()) return false;
    if (button == 1) {
        MouseMove(x, y);
        EndPress();
    }
    return true;
}

void EditScreen::MouseMove(int x, int y) {
    if (!Showing()) return;
    Hit hit = HitAt(x, y, MapFor(editor_.RoomsAcross(), editor_.RoomsDown()));
    const bool overBox =
        (look_.problemsOpen &&
         ProblemsBox(static_cast<int>(editor_.Problems().size())).Contains(x, y)) ||
        (look_.keysOpen && kKeysBox.Contains(x, y));
    if (overBox) hit = Hit{};
    pointed_ = hit;
    look_.paletteHover = hit.place == Place::PaletteCell ? hit.index : -1;
    look_.buttonHover = hit.place == Place::Button ? hit.index : -1;
    if (look_.problemsOpen) {
        const int count = static_cast<int>(editor_.Problems().size()), was = look_.problemHover;
        look_.problemHover = -1;
        for (int i = 0; i < std::min(count, kProblemLines); ++i)
            if (ProblemLine(count, i).Contains(x, y)) look_.problemHover = i;
        if (look_.problemHover != was)
            DrawProblemsBox(app_, editor_.Problems(), look_.problemHover);
    }
    if (hit.place == Place::Square && !look_.problemsOpen && !look_.keysOpen) {
        const Spot at{look_.roomCol, look_.roomRow, hit.col, hit.row};
        if (!look_.cursor || *look_.cursor != at) {
            look_.cursor = at;
            if (stroking_) editor_.StrokeTo(at);
        }
    } else if (look_.cursor && !stroking_ && !dragging_ && !look_.corner) {
        // The pointer has left the room: its mark goes, the arrow keys start again from it.
        keysFrom_ = look_.cursor;
        look_.cursor.reset();
    }
    Refresh();
}

void EditScreen::KeyDown(int key) {
    if (!Showing()) return;
    const bool repeat = !down_.insert(key).second;
    if (key == vk::Ctrl) ctrl_ = true;
    if (key == vk::Shift) shift_ = true;
    if (key == vk::Ctrl || key == vk::Shift) return;
    if (EditingTitle()) {
        down_.erase(key);  // the title takes it: its release does nothing more
        if (key == vk::Enter || key == vk::Escape) return EndTitle(key == vk::Enter);
        return titleEdit_->EditKey(key);
    }
    if (look_.keysOpen) {
        down_.erase(key);
        return ToggleKeys();
    }
    if (key == vk::Escape) {
        if (CancelSomething()) down_.erase(key);
        return;
    }
    CloseBoxes();                        // the room is drawn again: what a key does shows
    if (stroking_ || dragging_) return;  // the mouse is drawing
    const int dc = key == vk::Left ? -1 : key == vk::Right ? 1 : 0;
    const int dr = key == vk::Up ? -1 : key == vk::Down ? 1 : 0;
    if (ctrl_) {
        if (dc || dr) return GoToRoom(look_.roomCol + dc, look_.roomRow + dr);
        switch (key) {  // undo and redo repeat while held; the rest once a press
            case 'Z':
                return Undo(shift_);
            case 'Y':
                return Undo(true);
            case 'C':
                return repeat ? void() : Run(Command::Copy);
            case 'V':
                return repeat ? void() : Run(Command::Paste);
            case vk::Del:
                return repeat ? void() : Run(Command::Clear);
            case 'N':
                return repeat ? void() : Run(Command::New);
            case 'S':
                return repeat ? void() : Run(Command::Save);
            default:
                return;
        }
    }
    if (dc || dr) return MoveCursor(dc, dr);
    if (key == vk::PgUp || key == vk::PgDn) return StepBrush(key == vk::PgUp ? -1 : 1);
    if (repeat) return;
    switch (key) {
        case vk::Space:
            return ApplyAtCursor();
        case 'D':
            return Run(Command::Draw);
        case 'R':
            return Run(Command::Rectangle);
        case 'B':
            return Run(Command::Box);
        case 'F':
            return Run(Command::Fill);
        case vk::Home:
            return Run(Command::StartRoom);
        case vk::F1:
            return Run(Command::Keys);
        default:
            return;
    }
}

void EditScreen::KeyUp(int key) {
    if (key == vk::Ctrl) ctrl_ = false;
    if (key == vk::Shift) shift_ = false;
    // Only a key pressed here counts: the Escape that answered a test play's abort question was
    // pressed in the game.
    if (down_.erase(key) == 0 || !Showing() || stroking_ || dragging_) return;
    if (key == vk::Escape) return Leave();
    // At its release: the letter its press types must not land in the title.
    if (key == 'T' && !ctrl_) return Run(Command::Title);
    if (key == vk::F2 || key == vk::F3) return TestPlay(key == vk::F3);
}

bool EditScreen::CancelSomething() {
    if (look_.problemsOpen) return ToggleProblems(), true;
    if (look_.corner || look_.aiming) {
        look_.corner.reset();
        look_.aiming.reset();
        Refresh();
        return true;
    }
    return false;
}

}  // namespace murk
