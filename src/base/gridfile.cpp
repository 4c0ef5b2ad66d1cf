// Grid file reading and writing, defensive against damaged and hostile files.
#include "base/gridfile.h"

#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>

#include "base/safefile.h"

namespace murk {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// A cursor over the file text. Every read reports failure instead of running past the end.
class Reader {
public:
    explicit Reader(const std::string& text) : text_(text) {}

    bool Word(std::string& out, size_t maxLength) {
        SkipSpace();
        if (pos_ >= text_.size()) return false;
        const size_t start = pos_;
        while (pos_ < text_.size() && !IsSpace(text_[pos_])) ++pos_;
        out = text_.substr(start, std::min(pos_ - start, maxLength + 1));
        return true;
    }

    bool Int(int& out) {
        SkipSpace();
        bool negative = false;
        if (pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+'))
            negative = text_[pos_++] == '-';
        // The writer writes any int, the most negative one included.
        const long long limit = negative ? -static_cast<long long>(std::numeric_limits<int>::min())
                                         : std::numeric_limits<int>::max();
        long long value = 0;
        size_t digits = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            value = value * 10 + (text_[pos_++] - '0');
            if (value > limit) return false;
            ++digits;
        }
        if (digits == 0) return false;
        out = static_cast<int>(negative ? -value : value);
        return true;
    }

    bool Cell(std::string& out) {
        int length = 0;
        if (!Int(length) || length < 0 || length > kMaxCellLength) return false;
        if (pos_ >= text_.size()) return false;  // the separator
        ++pos_;
        if (text_.size() - pos_ < static_cast<size_t>(length)) return false;
        out.assign(text_, pos_, static_cast<size_t>(length));
        pos_ += static_cast<size_t>(length);
        return true;
    }

private:
    void SkipSpace() {
        while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
    }

    const std::string& text_;
    size_t pos_ = 0;
};

}  // namespace

GridReadResult ParseGridText(const std::string& text, StringGrid& grid, GridHeader& header,
                             const RowPump& pump) {
    Reader in(text);
    std::string version;
    if (!in.Word(version, 64) || version != kGridVersion) return GridReadResult::WrongVersion;

    int cols = 0, rows = 0;
    if (!in.Int(cols) || !in.Int(rows)) return GridReadResult::Damaged;
    if (cols < 1 || rows < 1 || cols > kMaxGridSide || rows > kMaxGridSide)
        return GridReadResult::Damaged;

    StringGrid read(cols, rows);
    for (int c = 0; c < cols; ++c) {
        int width = 0;
        if (!in.Int(width)) return GridReadResult::Damaged;
        read.SetColWidth(c, width);
    }
    GridHeader h{};
    for (int& v : h)
        if (!in.Int(v)) return GridReadResult::Damaged;

    std::string cell;
    for (int r = 0; r < rows; ++r) {
        if (r % 5 == 0 && pump) pump();
        for (int c = 0; c < cols; ++c) {
            if (!in.Cell(cell)) return GridReadResult::Damaged;
            read.SetCell(c, r, std::move(cell));
        }
    }
    grid = std::move(read);
    header = h;
    return GridReadResult::Read;
}

GridReadResult ReadGridFile(const std::string& path, StringGrid& grid, GridHeader& header,
                            const RowPump& pump) {
    std::string text;
    return GridFromRead(ReadWholeFile(path, kMaxGridFileBytes, text), text, grid, header, pump);
}

GridReadResult GridFromRead(FileReadResult read, const std::string& text, StringGrid& grid,
                            GridHeader& header, const RowPump& pump) {
    switch (read) {
        case FileReadResult::Read:
            break;
        case FileReadResult::CannotOpen:
            return GridReadResult::CannotOpen;
        case FileReadResult::TooLarge:
            return GridReadResult::Damaged;
    }
    return ParseGridText(text, grid, header, pump);
}

std::string FormatGridText(const StringGrid& grid, const GridHeader& header, const RowPump& pump) {
    std::string out;
    out += kGridVersion;
    out += '\n';
    out += std::to_string(grid.ColCount()) + " " + std::to_string(grid.RowCount()) + "\n";
    for (int c = 0; c < grid.ColCount(); ++c) out += std::to_string(grid.ColWidth(c)) + " ";
    out += '\n';
    for (size_t i = 0; i < header.size(); ++i) {
        if (i > 0) out += ' ';
        out += std::to_string(header[i]);
    }
    out += '\n';
    for (int r = 0; r < grid.RowCount(); ++r) {
        if (r % 5 == 0 && pump) pump();
        for (int c = 0; c < grid.ColCount(); ++c) {
            const std::string& cell = grid.Cell(c, r);
            out += std::to_string(cell.size());
            out += ' ';
            out += cell;
            out += ' ';
        }
        out += '\n';
    }
    return out;
}

namespace {

// The reader's bounds, as the writer must keep them.
bool SidesAndCellsReadBack(const StringGrid& grid) {
    const auto inRange = [](int side) { return side >= 1 && side <= kMaxGridSide; };
    if (!inRange(grid.ColCount()) || !inRange(grid.RowCount())) return false;
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.ColCount(); ++c)
            if (grid.Cell(c, r).size() > static_cast<size_t>(kMaxCellLength)) return false;
    return true;
}

}  // namespace

GridWriteResult WriteGridFile(const std::string& path, const StringGrid& grid,
                              const GridHeader& header, const RowPump& pump) {
    std::string text;
    if (FormatGridForSave(grid, header, text, pump) != GridWriteResult::Written)
        return GridWriteResult::Unreadable;
    return GridWriteOutcome(SaveFile(path, text));
}

GridWriteResult FormatGridForSave(const StringGrid& grid, const GridHeader& header,
                                  std::string& text, const RowPump& pump) {
    if (!SidesAndCellsReadBack(grid)) return GridWriteResult::Unreadable;
    text = FormatGridText(grid, header, pump);
    return text.size() > kMaxGridFileBytes ? GridWriteResult::Unreadable : GridWriteResult::Written;
}

GridWriteResult GridWriteOutcome(SaveResult saved) {
    switch (saved) {
        case SaveResult::Saved:
            return GridWriteResult::Written;
        case SaveResult::FolderTakesNoNewFile:
            return GridWriteResult::FolderTakesNoNewFile;
        case SaveResult::Failed:
            break;
    }
    return GridWriteResult::CannotWrite;
}

}  // namespace murk
