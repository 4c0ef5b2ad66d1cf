// murk: the game in a real window, on the SDL2 backend.
//
// `murk --journal FILE` writes everything the game receives from the machine to FILE, for
// `murk-sim --replay FILE`; `murk --edit N` starts in the level editor on level N. With
// MURK_DUMP_AT_EXIT=FILE in the environment the game writes its
// state at exit to FILE, as murk-sim's `dump` prints it.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "base/wholenumber.h"
#include "platform/folders.h"
#include "platform/journal/recording_platform.h"
#include "platform/sdl/sdl_platform.h"
#include "shell/app.h"
#include "shell/startup.h"
#include "shell/statedump.h"

namespace {

// Runs the game on `pf` (from the level editor on level `edit` when it is not negative); writes
// the state at exit where MURK_DUMP_AT_EXIT says.
int Play(murk::Platform& pf, int edit) {
    murk::App app(pf);
    app.editAtStart = edit;
    const int status = murk::RunProgram(app);
    if (const char* dumpFile = std::getenv("MURK_DUMP_AT_EXIT"); dumpFile && *dumpFile) {
        std::ofstream out(dumpFile);
        murk::DumpState(app, out);
        if (!out.flush()) std::fprintf(stderr, "murk: cannot write the state to %s\n", dumpFile);
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const char* journalFile = nullptr;
    int edit = -1;
    for (int i = 1; i < argc; i += 2) {
        const bool journal = std::strcmp(argv[i], "--journal") == 0;
        const bool editing = std::strcmp(argv[i], "--edit") == 0;
        if ((!journal && !editing) || i + 1 >= argc ||
            (editing && !murk::ParseWholeNumber(argv[i + 1], edit))) {
            std::fprintf(stderr, "usage: murk [--journal FILE] [--edit LEVEL]\n");
            return 2;
        }
        if (journal) journalFile = argv[i + 1];
    }
    std::ofstream journal;
    if (journalFile) {
        journal.open(journalFile, std::ios::binary | std::ios::trunc);
        if (!journal) {
            std::fprintf(stderr, "murk: cannot write the journal %s\n", journalFile);
            return 1;
        }
    }
    std::string error;
    // The game folder it was started in, or an installed game's data and the player's folder.
    const murk::GameFolders folders = murk::FindGameFolders(MURK_DATA_FROM_BIN);
    // Full screen or window, as the player last chose with Alt+Enter, beside Options.dat.
    const std::string windowChoice = murk::ProgramDirectory(folders.program) + "Display.dat";
    std::unique_ptr<murk::Platform> platform =
        murk::CreateSdlPlatform(error, windowChoice, &folders);
    if (!platform) {
        std::fprintf(stderr, "murk: %s\n", error.c_str());
        return 1;
    }
    if (!journalFile) return Play(*platform, edit);
    murk::RecordingPlatform recording(*platform, journal);
    const int status = Play(recording, edit);
    if (recording.Failed()) {
        std::fprintf(stderr, "murk: the journal %s could not be written whole\n", journalFile);
        return 1;
    }
    return status;
}
