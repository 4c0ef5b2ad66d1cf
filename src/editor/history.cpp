// The editor's history of steps.
#include "editor/history.h"

namespace murk {

void EditHistory::Push(EditStep step) {
    steps_.resize(at_);
    if (saved_ && *saved_ > at_) saved_.reset();  // the saved level is undone for good
    steps_.push_back(std::move(step));
    ++at_;
}

const EditStep* EditHistory::Undo() {
    return at_ > 0 ? &steps_[--at_] : nullptr;
}

const EditStep* EditHistory::Redo() {
    return at_ < steps_.size() ? &steps_[at_++] : nullptr;
}

void EditHistory::Clear() {
    steps_.clear();
    at_ = 0;
    saved_ = 0;
}

}  // namespace murk
