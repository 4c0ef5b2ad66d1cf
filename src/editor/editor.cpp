// The level editor's model: squares, steps, undo and redo, the problems.
#include "editor/editor.h"

#include <utility>

#include "base/roompack.h"
#include "editor/squares.h"
#include "levelcheck/levelcheck.h"
#include "levelsource/levelsource.h"
#include "levelsource/sourcewriter.h"

namespace murk {

using editsquares::Offset;
using editsquares::OnRoom;

LevelEditor::LevelEditor(std::string dir) : dir_(std::move(dir)) {
    New();
}

int LevelEditor::StartRoomCol() const {
    return level_.header[levelheader::kStartRoomCol];
}

int LevelEditor::StartRoomRow() const {
    return level_.header[levelheader::kStartRoomRow];
}

Spot LevelEditor::PlayerStart(int player) const {
    const GridHeader& h = level_.header;
    if (player == 2)
        return {StartRoomCol(), StartRoomRow(), h[levelheader::kP2Col], h[levelheader::kP2Row]};
    return {StartRoomCol(), StartRoomRow(), h[levelheader::kP1Col], h[levelheader::kP1Row]};
}

std::string_view LevelEditor::At(const Spot& at) const {
    if (!HasRoom(at.roomCol, at.roomRow) || !OnRoom(at.col, at.row)) return {};
    const std::string& room = level_.grid.Cell(at.roomCol, at.roomRow);
    const size_t offset = Offset(at.col, at.row);
    return offset + 3 <= room.size() ? std::string_view(room).substr(offset, 3)
                                     : std::string_view();
}

// ---- Squares ----

void LevelEditor::Put(const Spot& at, std::string_view code) {
    const std::string_view old = At(at);
    if (old.empty() || old == code || TileIndex(code) < 0) return;
    Remember(at.roomCol, at.roomRow);
    const size_t was = static_cast<size_t>(TileIndex(old)),
                 now = static_cast<size_t>(TileIndex(code));
    kinds_ -= --counts_[was] == 0;
    kinds_ += counts_[now]++ == 0;
    std::string room = level_.grid.Cell(at.roomCol, at.roomRow);
    room.replace(Offset(at.col, at.row), 3, code);
    level_.grid.SetCell(at.roomCol, at.roomRow, std::move(room));
    changes_.squares.push_back(at);
    Changed();
}

void LevelEditor::SetWholeGrid(StringGrid grid) {
    level_.grid = std::move(grid);
    Recount();
    changes_.wholeLevel = changes_.title = true;
    Changed();
}

void LevelEditor::Recount() {
    counts_.fill(0);
    for (int rr = 1; rr <= RoomsDown(); ++rr)
        for (int rc = 1; rc <= RoomsAcross(); ++rc) {
            const std::string& room = level_.grid.Cell(rc, rr);
            for (size_t at = 0; at + 3 <= room.size(); at += 3)
                if (const int i = TileIndex(std::string_view(room).substr(at, 3)); i >= 0)
                    ++counts_[static_cast<size_t>(i)];
        }
    kinds_ = 0;
    for (const int n : counts_) kinds_ += n > 0;
}

void LevelEditor::Changed() {
    checked_ = false;
}

// ---- Steps ----

void LevelEditor::Begin() {
    open_.emplace();
    open_->headerBefore = level_.header;
}

void LevelEditor::Remember(int cellCol, int cellRow) {
    if (!open_ || open_->gridBefore) return;
    for (const EditStep::Cell& cell : open_->cells)
        if (cell.col == cellCol && cell.row == cellRow) return;
    open_->cells.push_back({cellCol, cellRow, level_.grid.Cell(cellCol, cellRow), ""});
}

void LevelEditor::RememberWhole() {
    if (!open_ || open_->gridBefore) return;
    StringGrid before = level_.grid;
    for (const EditStep::Cell& cell : open_->cells) before.SetCell(cell.col, cell.row, cell.before);
    open_->cells.clear();
    open_->gridBefore = std::move(before);
}

std::string LevelEditor::Broken() const {
    const auto count = [&](std::string_view code) {
        return counts_[static_cast<size_t>(TileIndex(code))];
    };
    if (count(code::Player1) != 1 || count(code::Player2) != 1 ||
        At(PlayerStart(1)) != code::Player1 || At(PlayerStart(2)) != code::Player2)
        return "each player stands once in the level, on its start square in the start room";
    if (kinds_ > LegendCapacity())
        return "a level holds at most " + std::to_string(LegendCapacity()) +
               " kinds of tile, as many as a level source can draw";
    return "";
}

EditResult LevelEditor::Commit() {
    if (!open_) return {};
    if (std::string why = Broken(); !why.empty()) {
        Rollback();
        return {false, why};
    }
    EditStep step = std::move(*open_);
    open_.reset();
    step.headerAfter = level_.header;
    if (step.gridBefore) step.gridAfter = level_.grid;
    for (EditStep::Cell& cell : step.cells) cell.after = level_.grid.Cell(cell.col, cell.row);
    std::erase_if(step.cells, [](const EditStep::Cell& c) { return c.before == c.after; });
    if (!step.Empty()) history_.Push(std::move(step));
    return {};
}

void LevelEditor::Rollback() {
    if (!open_) return;
    EditStep step = std::move(*open_);
    open_.reset();
    level_.header = step.headerBefore;
    if (step.gridBefore) return SetWholeGrid(std::move(*step.gridBefore));
    for (const EditStep::Cell& cell : step.cells) {
        level_.grid.SetCell(cell.col, cell.row, cell.before);
        changes_.title = changes_.title || cell.row == 0;
    }
    Recount();
    Changed();
}

void LevelEditor::Apply(const EditStep& step, bool forward) {
    level_.header = forward ? step.headerAfter : step.headerBefore;
    if (step.gridBefore) return SetWholeGrid(forward ? *step.gridAfter : *step.gridBefore);
    for (const EditStep::Cell& cell : step.cells) {
        const std::string& from = forward ? cell.before : cell.after;
        const std::string& to = forward ? cell.after : cell.before;
        if (cell.row == 0) {
            changes_.title = true;
        } else {
            for (int row = 1; row <= kRoomRows; ++row)
                for (int col = 1; col <= kRoomCols; ++col) {
                    const size_t at = Offset(col, row);
                    if (from.compare(at, 3, to, at, 3) == 0) continue;
                    const size_t was = static_cast<size_t>(TileIndex(from.substr(at, 3)));
                    const size_t now = static_cast<size_t>(TileIndex(to.substr(at, 3)));
                    kinds_ -= --counts_[was] == 0;
                    kinds_ += counts_[now]++ == 0;
                    changes_.squares.push_back({cell.col, cell.row, col, row});
                }
        }
        level_.grid.SetCell(cell.col, cell.row, to);
    }
    Changed();
}

// ---- History ----

bool LevelEditor::Undo() {
    EndStroke();
    const EditStep* step = history_.Undo();
    if (step) Apply(*step, false);
    return step != nullptr;
}

bool LevelEditor::Redo() {
    EndStroke();
    const EditStep* step = history_.Redo();
    if (step) Apply(*step, true);
    return step != nullptr;
}

// ---- Checking and the screen ----

const std::vector<LevelProblem>& LevelEditor::Problems() {
    if (!checked_) problems_ = CheckLevelProblems(level_);
    checked_ = true;
    return problems_;
}

EditChanges LevelEditor::TakeChanges() {
    return std::exchange(changes_, {});
}

}  // namespace murk
