// levelc: compiles one level source into a level file (levelc SOURCE OUTPUT.dat).
#include <cstdio>

#include "base/gridfile.h"
#include "levelsource/levelsource.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: levelc SOURCE.lvl OUTPUT.dat\n");
        return 2;
    }
    const murk::LevelSourceResult level = murk::CompileLevelFile(argv[1]);
    for (const std::string& error : level.errors) std::fprintf(stderr, "%s\n", error.c_str());
    if (!level.Ok()) return 1;
    switch (murk::WriteGridFile(argv[2], level.grid, level.header)) {
        case murk::GridWriteResult::Written:
            return 0;
        case murk::GridWriteResult::Unreadable:
            std::fprintf(stderr, "levelc: %s would be too large for the game to read\n", argv[2]);
            return 1;
        case murk::GridWriteResult::CannotWrite:
        case murk::GridWriteResult::FolderTakesNoNewFile:
            break;
    }
    std::fprintf(stderr, "levelc: cannot write %s\n", argv[2]);
    return 1;
}
