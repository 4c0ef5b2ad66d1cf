// Setting up an installed game's folder for the player's files: the folder, its levels and its
// high-score table.
#include "shell/playerfolder.h"

#include <filesystem>

#include "base/gridfile.h"
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
std::string CopyIfMissing(Platform& pf, const std::string& from, const std::string& to,
                          const std::string& programDir) {
    if (pf.FileExists(to)) return "";
    const std::string name = fs::path(to).filename().string();
    std::string text;
    if (pf.ReadGameFile(from, kMaxGridFileBytes, text) != FileReadResult::Read)
        return "The game's own " + name + " (" + from + ") cannot be read." +
               StartAgain(programDir);
    pf.RemoveStaleSaves(to);  // left by a copy cut short
    const SaveResult saved = pf.SaveGameFile(to, text);
    if (saved == SaveResult::Saved) return "";
    const std::string why = SaveFailureText(saved, name);
    return name + " could not be copied into " + fs::path(to).parent_path().string() + "." +
           (why.empty() ? " The disk may be full or write-protected." : " " + why) +
           StartAgain(programDir);
}

}  // namespace

std::string SetUpPlayerFolder(Platform& pf, const std::string& programDir,
                              const std::string& dataDir) {
    if (programDir.empty())
        return "Murk keeps your options, high scores, captures and levels in your home folder, "
               "but no home folder is known. Please set HOME (or XDG_DATA_HOME) and start the "
               "game again.";
    if (!pf.MakeFolder(programDir + kLevelsFolder))
        return "The folder " + programDir + kLevelsFolder + " could not be made." +
               StartAgain(programDir);
    for (int n = 0; pf.FileExists(LevelFileName(dataDir, n)); ++n) {
        const std::string problem =
            CopyIfMissing(pf, LevelFileName(dataDir, n), LevelFileName(programDir, n), programDir);
        if (!problem.empty()) return problem;
    }
    const std::string scores = dataDir + kHighScoresFile;
    if (!pf.FileExists(scores)) return "";  // the table's own load says what is missing
    return CopyIfMissing(pf, scores, programDir + kHighScoresFile, programDir);
}

}  // namespace murk
