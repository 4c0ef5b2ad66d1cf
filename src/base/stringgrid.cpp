// StringGrid storage and bounds-checked access.
#include "base/stringgrid.h"

#include <algorithm>

namespace murk {

namespace {
const std::string kEmpty;
constexpr int kDefaultColWidth = 64;
}  // namespace

void StringGrid::Resize(int cols, int rows) {
    cols = std::max(cols, 0);
    rows = std::max(rows, 0);
    if (cols == cols_ && rows == rows_) return;
    std::vector<std::string> cells(static_cast<size_t>(cols) * static_cast<size_t>(rows));
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c)
            cells[static_cast<size_t>(r) * cols + c] =
                std::move(cells_[static_cast<size_t>(r) * cols_ + c]);
    cells_ = std::move(cells);
    widths_.resize(static_cast<size_t>(cols), kDefaultColWidth);
    cols_ = cols;
    rows_ = rows;
}

const std::string& StringGrid::EmptyText() {
    return kEmpty;
}

void StringGrid::SetCell(int col, int row, std::string text) {
    if (!Contains(col, row)) return;
    cells_[static_cast<size_t>(row) * cols_ + col] = std::move(text);
}

int StringGrid::ColWidth(int col) const {
    if (col < 0 || col >= cols_) return 0;
    return widths_[static_cast<size_t>(col)];
}

void StringGrid::SetColWidth(int col, int width) {
    if (col < 0 || col >= cols_) return;
    widths_[static_cast<size_t>(col)] = width;
}

}  // namespace murk
