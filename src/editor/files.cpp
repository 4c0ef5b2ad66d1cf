// The editor's files: opening a level as the game loads it, saving it with its source.
#include <filesystem>

#include "base/gridfile.h"
#include "editor/editor.h"
#include "level/levels.h"
#include "levelsource/levelsource.h"
#include "levelsource/sourcewriter.h"

namespace murk {

namespace {

namespace fs = std::filesystem;

constexpr const char* kSourcesFolder = "Sources/";
constexpr const char* kDiskAdvice = "Please make sure the disk is not full or write protected.";

// "Levels/Sources/Level024.lvl" below the game folder `dir`.
std::string SourceFileName(const std::string& dir, int number) {
    const fs::path dat = LevelFileName("", number);
    return dir + kLevelsFolder + kSourcesFolder + dat.stem().string() + ".lvl";
}

// The message of a compile error without the "name:line: " the generated source's lines make
// meaningless.
std::string WithoutLine(const std::string& error, const std::string& name) {
    const size_t colon = error.find(": ", name.size() + 1);
    return colon == std::string::npos ? error : error.substr(colon + 2);
}

bool SameLevel(const LevelFile& a, const LevelFile& b) {
    if (a.grid.ColCount() != b.grid.ColCount() || a.grid.RowCount() != b.grid.RowCount() ||
        a.grid.Cell(1, 0) != b.grid.Cell(1, 0))
        return false;
    for (int rr = 1; rr <= a.RoomsDown(); ++rr)
        for (int rc = 1; rc <= a.RoomsAcross(); ++rc)
            if (a.grid.Cell(rc, rr) != b.grid.Cell(rc, rr)) return false;
    for (const int i :
         {levelheader::kP1Col, levelheader::kP1Row, levelheader::kP2Col, levelheader::kP2Row,
          levelheader::kStartRoomCol, levelheader::kStartRoomRow})
        if (a.header[static_cast<size_t>(i)] != b.header[static_cast<size_t>(i)]) return false;
    return true;
}

}  // namespace

std::string LevelEditor::LevelName(int number) const {
    return fs::path(LevelFileName("", number)).filename().string();
}

bool LevelEditor::LevelExists(int number) const {
    std::error_code ec;
    return fs::exists(LevelFileName(dir_, number), ec);
}

int LevelEditor::FirstFreeNumber() const {
    int number = 0;
    while (LevelExists(number)) ++number;
    return number;
}

EditResult LevelEditor::Open(int number) {
    LevelFile read;
    read.name = LevelName(number);
    if (std::string error = ReadLevelGrid(LevelFileName(dir_, number), read.grid, read.header);
        !error.empty())
        return {false, error};
    // The level as its own source says it, which is what the editor keeps and saves: a file
    // levelc made comes back byte for byte; one no source can say is not opened.
    const std::string cannot = "Level " + std::to_string(number) + " cannot be edited: ";
    const WrittenSource source = WriteLevelSource(read);
    if (!source.Ok()) return {false, cannot + source.error};
    LevelFile held = LevelFromSource(source.text, read.name);
    if (!held.Ok()) return {false, cannot + WithoutLine(held.errors.front(), read.name)};
    if (!SameLevel(held, read)) return {false, cannot + "it holds what no level source can say"};
    stroke_.reset();
    open_.reset();
    level_ = std::move(held);
    number_ = number;
    Recount();
    history_.Clear();
    changes_ = {{}, true, true};
    Changed();
    return {};
}

SaveOutcome LevelEditor::Save(int number) {
    static_cast<void>(EndStroke());  // a stroke refused whole is simply not in the level saved
    SaveOutcome out;
    out.result = SaveResult::Failed;
    if (number < 0 || number > 999) {
        out.message = "Levels are numbered 0 to 999.";
        return out;
    }
    LevelFile level = level_;
    level.name = LevelName(number);
    const WrittenSource source = WriteLevelSource(level);
    const std::string text = FormatGridText(level.grid, level.header);
    // levelc must make the same file of the source: the two are one level.
    const LevelFile again = source.Ok() ? LevelFromSource(source.text, level.name) : LevelFile{};
    if (!source.Ok() || !again.Ok() || FormatGridText(again.grid, again.header) != text) {
        out.message = "The level was not saved: its source does not compile to the same level (" +
                      (source.Ok() ? again.errors.empty() ? "other bytes" : again.errors.front()
                                   : source.error) +
                      ").";
        return out;
    }
    const std::string sources = dir_ + kLevelsFolder + kSourcesFolder;
    std::error_code ec;
    fs::create_directories(sources, ec);
    if (ec || !fs::is_directory(sources, ec)) {
        out.file = std::string(kLevelsFolder) + kSourcesFolder;
        out.message =
            "The level was not saved: the folder '" + out.file + "' cannot be made. " + kDiskAdvice;
        return out;
    }
    out.file = LevelFileName("", number);
    out.result = SaveFile(LevelFileName(dir_, number), text, saveFaults_);
    if (out.result != SaveResult::Saved) {
        out.message = "The level was not saved to '" + out.file + "'. " + kDiskAdvice;
        return out;
    }
    out.file = SourceFileName("", number);
    out.result = SaveFile(SourceFileName(dir_, number), source.text, saveFaults_);
    if (out.result != SaveResult::Saved) {
        out.message = "The level was saved, but not its source '" + out.file + "'. " + kDiskAdvice;
        return out;
    }
    out.saved = true;
    out.file.clear();
    level_.name = level.name;
    number_ = number;
    history_.MarkSaved();
    return out;
}

}  // namespace murk
