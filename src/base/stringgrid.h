// StringGrid: a two-dimensional table of texts addressed by (column, row), both from 0.
#pragma once

#include <string>
#include <vector>

namespace murk {

// Reads outside the grid yield the empty text; writes outside it are ignored. Column widths are
// kept for the grid files that carry them; the game makes no other use of them.
class StringGrid {
public:
    StringGrid() = default;
    StringGrid(int cols, int rows) { Resize(cols, rows); }

    int ColCount() const { return cols_; }
    int RowCount() const { return rows_; }

    // Keeps the cells that stay inside the new size; new cells are empty. Negative sizes count
    // as 0.
    void Resize(int cols, int rows);
    void SetRowCount(int rows) { Resize(cols_, rows); }

    // Inline: the world's rules read squares many thousand times a tick.
    const std::string& Cell(int col, int row) const {
        if (!Contains(col, row)) return EmptyText();
        return cells_[static_cast<size_t>(row) * cols_ + col];
    }
    void SetCell(int col, int row, std::string text);
    bool Contains(int col, int row) const {
        return col >= 0 && row >= 0 && col < cols_ && row < rows_;
    }

    int ColWidth(int col) const;
    void SetColWidth(int col, int width);

private:
    static const std::string& EmptyText();

    int cols_ = 0;
    int rows_ = 0;
    std::vector<std::string> cells_;  // row-major
    std::vector<int> widths_;
};

}  // namespace murk
