// hscoredefault: writes the high-score table a new game folder starts with.
#include <cstdio>

#include "base/gridfile.h"
#include "scores/defaulttable.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: hscoredefault OUTPUT\n");
        return 2;
    }
    if (murk::WriteGridFile(argv[1], murk::DefaultHighScoreTable(), murk::HighScoreHeader()) !=
        murk::GridWriteResult::Written) {
        std::fprintf(stderr, "hscoredefault: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
