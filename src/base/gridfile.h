// The grid file: the text layout shared by level files and the high-score table.
//
// Layout: a version word; the column count C and row count R; C column widths; twelve header
// integers; then R x C cells, row 0 first, each written as its length L, one separator
// character (any character), and exactly L characters of text.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>

#include "base/safefile.h"
#include "base/stringgrid.h"

namespace murk {

inline constexpr const char* kGridVersion = "version1.0";
inline constexpr int kMaxCellLength = 99999;  // bytes of one cell's text
inline constexpr int kMaxGridSide = 1000;     // no grid the game writes comes near this
inline constexpr size_t kMaxGridFileBytes = 64u * 1024u * 1024u;

using GridHeader = std::array<int, 12>;

enum class [[nodiscard]] GridReadResult{
    Read,          // the grid and header were filled
    CannotOpen,    // the file is missing or unreadable
    WrongVersion,  // the first word is not the expected version text
    Damaged,       // the file ends early, holds a non-number, or sizes that make no sense
};

// Called every fifth row while reading or writing, so the window stays responsive.
using RowPump = std::function<void()>;

// Reads `path` into `grid` and `header`. Only a file that reads completely changes them; on any
// other outcome both keep what they held.
GridReadResult ReadGridFile(const std::string& path, StringGrid& grid, GridHeader& header,
                            const RowPump& pump = {});

// ReadGridFile on a file read elsewhere (through the platform): `read` is how the read went and
// `text` what it gave.
GridReadResult GridFromRead(FileReadResult read, const std::string& text, StringGrid& grid,
                            GridHeader& header, const RowPump& pump = {});

// Parses the text of a grid file; the same rules as ReadGridFile.
GridReadResult ParseGridText(const std::string& text, StringGrid& grid, GridHeader& header,
                             const RowPump& pump = {});

enum class [[nodiscard]] GridWriteResult{
    Written,
    Unreadable,            // the reader would refuse it (see WriteGridFile); nothing was written
    CannotWrite,           // the file could not be written; the old one is as it was
    FolderTakesNoNewFile,  // the old file stays whole: it cannot be replaced safely there
};

// Writes `grid` and `header` to `path` through a temporary file renamed over the old one, so a
// failure part-way never leaves a half-written file. A grid the reader would refuse (a side
// outside 1..kMaxGridSide, a cell over kMaxCellLength bytes, a text over kMaxGridFileBytes) is
// not written at all: a file that cannot be read back is worse than the old one.
GridWriteResult WriteGridFile(const std::string& path, const StringGrid& grid,
                              const GridHeader& header, const RowPump& pump = {});

// WriteGridFile's two halves, for a save made elsewhere (through the platform): the text to save
// (Written) or Unreadable, and what a save's answer means for the grid.
GridWriteResult FormatGridForSave(const StringGrid& grid, const GridHeader& header,
                                  std::string& text, const RowPump& pump = {});
GridWriteResult GridWriteOutcome(SaveResult saved);

// The text WriteGridFile writes.
std::string FormatGridText(const StringGrid& grid, const GridHeader& header,
                           const RowPump& pump = {});

}  // namespace murk
