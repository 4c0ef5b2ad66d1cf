// The editor's history: each step as the level's cells and header before and after it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/gridfile.h"
#include "base/stringgrid.h"

namespace murk {

// One step: the cells of the level grid it changed (rooms, the title), the header before and
// after, and the whole grid when the step changed the level's size.
struct EditStep {
    struct Cell {
        int col = 0, row = 0;
        std::string before, after;
    };
    std::vector<Cell> cells;
    GridHeader headerBefore{}, headerAfter{};
    std::optional<StringGrid> gridBefore, gridAfter;

    bool Empty() const { return cells.empty() && headerBefore == headerAfter && !gridBefore; }
};

// Steps done and undone, without a limit; where the level was last saved.
class EditHistory {
public:
    // A new step drops the steps undone before it.
    void Push(EditStep step);
    bool CanUndo() const { return at_ > 0; }
    bool CanRedo() const { return at_ < steps_.size(); }
    // The step to take back (or do again), moving past it; nullptr when there is none.
    const EditStep* Undo();
    const EditStep* Redo();
    // Forgets every step: a level opened or made new, which counts as saved.
    void Clear();
    void MarkSaved() { saved_ = at_; }
    bool AtSaved() const { return saved_ == at_; }

private:
    std::vector<EditStep> steps_;
    size_t at_ = 0;                    // steps done
    std::optional<size_t> saved_ = 0;  // steps done at the last save; none once dropped
};

}  // namespace murk
