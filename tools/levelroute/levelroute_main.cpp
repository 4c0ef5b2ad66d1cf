// levelroute: plays a designer's route through a level and writes the finishing script.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "routefile.h"
#include "router.h"

namespace {

constexpr const char* kUsage =
    "usage: levelroute [-C GAMEDIR] [-p PLAYERS] [-s SEED] [-t TRIES] [-v] [-o SCRIPT] LEVEL "
    "ROUTEFILE\n"
    "  plays ROUTEFILE on level LEVEL of the game folder GAMEDIR (default: the current folder)\n"
    "  and writes the murk-sim script to SCRIPT (default: standard output); -t tries seeds SEED,\n"
    "  SEED+1, ... until one finishes; -v reports every player step\n";

bool Number(const char* text, int& out) {
    try {
        size_t used = 0;
        out = std::stoi(text, &used);
        return text[used] == '\0';
    } catch (...) {
        return false;
    }
}

}  // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    murk::route::RouteSetup setup;
    std::string gameDir = ".", output, routePath;
    int positional = 0, tries = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "-C" && hasValue) {
            gameDir = argv[++i];
        } else if (arg == "-o" && hasValue) {
            output = argv[++i];
        } else if (arg == "-p" && hasValue && Number(argv[i + 1], setup.players) &&
                   (setup.players == 1 || setup.players == 2)) {
            ++i;
        } else if (arg == "-s" && hasValue && Number(argv[i + 1], setup.seed)) {
            ++i;
        } else if (arg == "-t" && hasValue && Number(argv[i + 1], tries) && tries >= 1) {
            ++i;
        } else if (arg == "-v") {
            setup.verbose = true;
        } else if (positional == 0 && Number(argv[i], setup.level) && setup.level >= 0) {
            ++positional;
        } else if (positional == 1 && arg[0] != '-') {
            routePath = arg;
            ++positional;
        } else {
            std::cerr << kUsage;
            return 2;
        }
    }
    if (positional != 2) {
        std::cerr << kUsage;
        return 2;
    }
    std::ifstream routeFile(routePath);
    if (!routeFile) {
        std::cerr << "levelroute: cannot open " << routePath << '\n';
        return 2;
    }
    std::vector<std::string> errors;
    const murk::route::Route route = murk::route::ParseRoute(routeFile, errors);
    for (const std::string& e : errors) std::cerr << routePath << ": " << e << '\n';
    if (!errors.empty()) return 2;

    if (!output.empty()) output = fs::absolute(output).string();
    std::error_code ec;
    fs::current_path(gameDir, ec);
    if (ec) {
        std::cerr << "levelroute: cannot enter " << gameDir << ": " << ec.message() << '\n';
        return 2;
    }
    bool ok = false;
    std::string script;
    for (int t = 0; t < tries && !ok; ++t, ++setup.seed) {
        if (tries > 1) std::cerr << "levelroute: seed " << setup.seed << '\n';
        murk::route::Router router(setup, std::cerr);
        ok = router.Play(route);
        if (ok || t == 0) script = router.Script();  // a failure shows the first seed's run
    }
    if (ok) --setup.seed;
    if (output.empty()) {
        std::cout << script;
    } else {
        std::ofstream out(output);
        out << script;
        if (!out) {
            std::cerr << "levelroute: cannot write " << output << '\n';
            return 2;
        }
    }
    if (ok)
        std::cerr << "levelroute: the script finishes level " << setup.level << " (seed "
                  << setup.seed << ")\n";
    return ok ? 0 : 1;
}
