// Setting up an installed game's folder for the player's files: the folder, its levels and its
// high-score table.
#include "shell/playerfolder.h"

#include <filesystem>
#include <system_error>

#include "base/gridfile.h"
#include "base/safefile.h"
#include "level/levels.h"
#include "scores/table.h"

namespace murk {

namespace {

namespace fs = std::filesystem;

std::string StartAgain(const std::string& programDir) {
    return " Murk keeps your options, high scores, captures and levels in " + programDir +
           "; please make sure that folder can be written, then start the game again.";
}

// Copies the shipped file `from` to `to` unless `to` is there already; "" or what went wrong.
std::string CopyIfMissing(const std::string& from, const std::string& to,
                          const std::string& programDir) {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(to, ec))) return "";
    const std::string name = fs::path(to).filename().string();
    std::string text;
    if (ReadWholeFile(from, kMaxGridFileBytes, text) != FileReadResult::Read)
        return "The game's own " + name + " (" + from + ") cannot be read." +
               StartAgain(programDir);
    RemoveStaleTemporaries(to);  // left by a copy cut short
    const SaveResult saved = SaveFile(to, text);
    if (saved == SaveResult::Saved) return "";
    const std::string why = SaveFailureText(saved, name);
    return name + " could not be copied into " + fs::path(to).parent_path().string() + "." +
           (why.empty() ? " The disk may be full or write-protected." : " " + why) +
           StartAgain(programDir);
}

}  // namespace

std::string SetUpPlayerFolder(const std::string& programDir, const std::string& dataDir) {
    if (programDir.empty())
        return "Murk keeps your options, high scores, captures and levels in your home folder, "
               "but no home folder is known. Please set HOME (or XDG_DATA_HOME) and start the "
               "game again.";
    std::error_code ec;
    fs::create_directories(programDir + kLevelsFolder, ec);
    if (ec)
        return "The folder " + programDir + kLevelsFolder + " could not be made (" + ec.message() +
               ")." + StartAgain(programDir);
    for (int n = 0; fs::exists(LevelFileName(dataDir, n), ec); ++n) {
        const std::string problem =
            CopyIfMissing(LevelFileName(dataDir, n), LevelFileName(programDir, n), programDir);
        if (!problem.empty()) return problem;
    }
    const std::string scores = dataDir + kHighScoresFile;
    if (!fs::exists(scores, ec)) return "";  // the table's own load says what is missing
    return CopyIfMissing(scores, programDir + kHighScoresFile, programDir);
}

}  // namespace murk
