// Reading a level for the tools, from either a source or a compiled level file.
#include "levelsource/levelfile.h"

#include <filesystem>

namespace murk {

namespace {

bool IsSourcePath(const std::string& path) {
    return std::filesystem::path(path).extension() == ".lvl";
}

std::string BaseName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// Round-trips a compiled source through the file text, so the tools see what the game reads.
void FromCompiled(const LevelSourceResult& compiled, LevelFile& level) {
    if (!compiled.Ok()) {
        level.errors = compiled.errors;
        return;
    }
    const std::string text = FormatGridText(compiled.grid, compiled.header);
    if (ParseGridText(text, level.grid, level.header) != GridReadResult::Read)
        level.errors.push_back(level.name + ": the compiled level does not read back");
}

}  // namespace

std::string_view LevelFile::At(int roomCol, int roomRow, int col, int row) const {
    if (!HasRoom(roomCol, roomRow)) return {};
    const std::string& room = grid.Cell(roomCol, roomRow);
    const size_t at = static_cast<size_t>(((row - 1) * kRoomCols + col - 1) * 3);
    if (col < 1 || col > kRoomCols || row < 1 || row > kRoomRows || at + 3 > room.size()) return {};
    return std::string_view(room).substr(at, 3);
}

LevelFile LevelFromSource(const std::string& text, const std::string& name) {
    LevelFile level;
    level.name = name;
    FromCompiled(CompileLevelSource(text, name), level);
    return level;
}

LevelFile ReadLevelFile(const std::string& path) {
    LevelFile level;
    level.name = BaseName(path);
    if (IsSourcePath(path)) {
        FromCompiled(CompileLevelFile(path), level);
        return level;
    }
    switch (ReadGridFile(path, level.grid, level.header)) {
        case GridReadResult::Read:
            break;
        case GridReadResult::CannotOpen:
            level.errors.push_back(path + ": cannot be read");
            break;
        case GridReadResult::WrongVersion:
            level.errors.push_back(path + ": not a level file (wrong version word)");
            break;
        case GridReadResult::Damaged:
            level.errors.push_back(path +
                                   ": damaged (ends early or holds sizes that make no sense)");
            break;
    }
    return level;
}

}  // namespace murk
