// The level editor's commands: the toolbar's and the keys' that do the same, the title, the
// lists over the room, saving, test plays and leaving.
#include <algorithm>

#include "editor/teststart.h"
#include "shell/app.h"
#include "shell/editscreen.h"
#include "shell/gameloop.h"
#include "shell/levelfiles.h"
#include "shell/mainform.h"
#include "shell/screens.h"
#include "ui/style.h"
#include "ui/widgets.h"

namespace murk {

using namespace editlayout;

// ---- Commands ----

void EditScreen::Run(Command command) {
    if (stroking_ || dragging_) return;
    if (command != Command::Keys) CloseBoxes();
    switch (command) {
        case Command::Draw:
            return SetTool(EditTool::Draw);
        case Command::Rectangle:
            return SetTool(EditTool::Rectangle);
        case Command::Box:
            return SetTool(EditTool::Box);
        case Command::Fill:
            return SetTool(EditTool::Fill);
        case Command::Undo:
            return Undo(false);
        case Command::Redo:
            return Undo(true);
        case Command::Copy:
            editor_.CopyRoom(look_.roomCol, look_.roomRow);
            Notice(RoomName(look_.roomCol, look_.roomRow) +
                   " is copied: Ctrl+V pastes it over "
                   "the room shown");
            return Refresh();
        case Command::Paste:
            Report(editor_.PasteRoom(look_.roomCol, look_.roomRow));
            return StepDone();
        case Command::Clear:
            Report(editor_.ClearRoom(look_.roomCol, look_.roomRow));
            return StepDone();
        case Command::StartRoom:
            if (const EditResult r = editor_.SetStartRoom(look_.roomCol, look_.roomRow); !r)
                Report(r);
            else
                Notice(RoomName(look_.roomCol, look_.roomRow) + " is the start room");
            return StepDone();
        case Command::Title:
            return StartTitle();
        case Command::New:
            return NewLevel();
        case Command::Save:
            return Save();
        case Command::Play:
            return TestPlay(false);
        case Command::PlayHere:
            return TestPlay(true);
        case Command::Keys:
            return ToggleKeys();
    }
}

void EditScreen::Undo(bool redo) {
    if (!(redo ? editor_.Redo() : editor_.Undo())) {
        Notice(redo ? "Nothing to redo" : "Nothing to undo");
        return Refresh();
    }
    look_.marked.reset();
    // A change in another room is shown where it was made.
    EditChanges changes = editor_.TakeChanges();
    if (!changes.wholeLevel && !changes.squares.empty() &&
        std::none_of(changes.squares.begin(), changes.squares.end(), [&](const Spot& s) {
            return s.roomCol == look_.roomCol && s.roomRow == look_.roomRow;
        })) {
        GoToRoom(changes.squares.front().roomCol, changes.squares.front().roomRow);
    } else if (changes.wholeLevel) {
        look_.roomCol = std::clamp(look_.roomCol, 1, editor_.RoomsAcross());
        look_.roomRow = std::clamp(look_.roomRow, 1, editor_.RoomsDown());
        DrawEditRoom(app_, editor_, look_);
    } else {
        for (const Spot& s : changes.squares)
            if (s.roomCol == look_.roomCol && s.roomRow == look_.roomRow)
                DrawEditSquare(app_, editor_, look_, s.col, s.row);
    }
    StepDone();
}

void EditScreen::Resize(const editlayout::SizeButton& button) {
    const EditResult r = button.grow ? editor_.Grow(button.side) : editor_.Shrink(button.side);
    if (r) {
        // The room shown stays the one shown when rooms come or go in the west or the north.
        const int step = button.grow ? 1 : -1;
        if (button.side == Side::West) look_.roomCol += step;
        if (button.side == Side::North) look_.roomRow += step;
    }
    Report(r);
    StepDone();
}

bool EditScreen::EditingTitle() const {
    return titleEdit_->Visible();
}

void EditScreen::StartTitle() {
    CloseBoxes();
    titleEdit_->SetText(editor_.Title());
    titleEdit_->SetVisible(true);
    app_.mainForm->SetFocus(titleEdit_);
    Notice("Type the level's title: Enter keeps it, Escape leaves it as it was");
    Refresh();
}

void EditScreen::EndTitle(bool keep) {
    const std::string text = titleEdit_->Text();
    app_.mainForm->SetFocus(nullptr);
    titleEdit_->SetVisible(false);
    drawn_.title.clear();
    look_.notice = false;
    if (keep && text != editor_.Title()) {
        Report(editor_.SetTitle(text));
        return StepDone();
    }
    Refresh();
}

void EditScreen::ToggleProblems() {
    look_.keysOpen = false;
    look_.problemsOpen = !look_.problemsOpen;
    look_.problemHover = -1;
    if (look_.problemsOpen) {
        DrawProblemsBox(app_, editor_.Problems(), look_.problemHover);
    } else {
        DrawEditRoom(app_, editor_, look_);
        drawn_.marked = MarkedSquares(editor_, look_);
    }
    Refresh();
}

void EditScreen::ToggleKeys() {
    look_.problemsOpen = false;
    look_.keysOpen = !look_.keysOpen;
    if (look_.keysOpen) {
        DrawEditRoom(app_, editor_, look_);
        DrawKeysBox(app_);
    } else {
        DrawEditRoom(app_, editor_, look_);
        drawn_.marked = MarkedSquares(editor_, look_);
    }
    Refresh();
}

void EditScreen::CloseBoxes() {
    if (!look_.problemsOpen && !look_.keysOpen) return;
    look_.problemsOpen = look_.keysOpen = false;
    DrawEditRoom(app_, editor_, look_);
    drawn_.marked = MarkedSquares(editor_, look_);
}

// ---- The level's files, test plays, leaving ----

void EditScreen::Save() {
    CloseBoxes();
    const bool isNew = editor_.Number() < 0;
    const int number = isNew ? editor_.FirstFreeNumber() : editor_.Number();
    if (!isNew && number != agreedOverwrite_ && editor_.LevelExists(number)) {
        if (!Ask("Level " + std::to_string(number) + " is already saved. Save the level over it?"))
            return Refresh();
        agreedOverwrite_ = number;
    }
    if (const size_t problems = editor_.Problems().size();
        problems > 0 &&
        !Ask("The level has " + ProblemCountText(problems) + ". Save it all the same?"))
        return Refresh();
    const SaveOutcome saved = editor_.Save(number);
    if (!saved.saved) {
        ShowSaveFailure(app_, saved.result, saved.file, saved.message);
        ForgetKeys();
        return Refresh();
    }
    agreedOverwrite_ = number;
    app_.play.LevelCount = CountLevels(app_);
    Notice("Saved as level " + std::to_string(number));
    StepDone();
}

void EditScreen::NewLevel() {
    CloseBoxes();
    if (!MayDropChanges("Start a new level")) return Refresh();
    editor_.New();
    newNumber_ = editor_.FirstFreeNumber();
    agreedOverwrite_ = -1;
    FreshLook();
    DrawAll();
}

void EditScreen::TestPlay(bool fromRoomShown) {
    if (stroking_ || dragging_) return;
    LevelFile level = editor_.Level();
    if (fromRoomShown) {
        TestStart start = StartInRoom(level, look_.roomCol, look_.roomRow);
        if (!start.problem.empty()) {
            Report({false, "No test from here: " + start.problem});
            return Refresh();
        }
        level = std::move(start.level);
    }
    if (EditingTitle()) EndTitle(true);
    CloseBoxes();
    look_.corner.reset();
    app_.play.test = TestLevel{level.grid, level.header, TitleText(false)};
    app_.play.SelectedLevel = std::max(0, editor_.Number());
    app_.play.RandomMode = false;
    app_.pf.TrackPointer(false);
    // The game draws its room, title and panels where the editor stood; nothing else may stay.
    app_.pf.FillRect(0, 0, kCanvasWidth, kCanvasHeight, style::kMainBackground);
    down_.clear();
    StartGame(app_);
    // In the real program the game has ended here and the editor is back (shell/screens.h); the
    // game's last pass may have drawn after that.
    if (Showing()) DrawAll();
}

bool EditScreen::MayQuit() {
    if (!Showing() && !app_.play.test) return true;
    return MayDropChanges("Quit Murk");
}

void EditScreen::Leave() {
    CloseBoxes();
    if (!MayDropChanges("Leave the level editor")) return Refresh();
    Close();
}

void EditScreen::Close() {
    if (EditingTitle()) EndTitle(false);
    app_.pf.TrackPointer(false);
    stroking_ = dragging_ = false;
    // The menu offers the level last edited, once it is a level the menu counts.
    if (editor_.Number() >= 0 && editor_.Number() < app_.play.LevelCount)
        app_.menu.level = std::to_string(editor_.Number());
    CloseEditScreen(app_);
    app_.mainForm->PaintAll();
}

}  // namespace murk
