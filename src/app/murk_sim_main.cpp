// murk-sim: the game core on the headless backend, driven by a script file or standard input,
// or replaying a journal the game wrote.
#include <cstring>
#include <fstream>
#include <iostream>

#include "sim/sim.h"

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--replay") == 0)
        return murk::ReplayJournal(argv[2], std::cout, std::cerr);
    if (argc >= 3 && std::strcmp(argv[1], "--verify") == 0)
        return murk::VerifyJournals({argv + 2, argv + argc}, std::cout);
    if (argc > 2) {
        std::cerr << "usage: murk-sim [SCRIPT] | murk-sim --replay JOURNAL | murk-sim --verify "
                     "JOURNAL...\n";
        return 2;
    }
    if (argc == 2) {
        std::ifstream script(argv[1]);
        if (!script) {
            std::cerr << "murk-sim: cannot open " << argv[1] << '\n';
            return 2;
        }
        return murk::RunSimulator(script, std::cout, std::cerr);
    }
    return murk::RunSimulator(std::cin, std::cout, std::cerr);
}
