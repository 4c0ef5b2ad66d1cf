// levelcheck: checks level sources or compiled levels, one by one and as a set.
#include <cstdio>
#include <filesystem>
#include <string>

#include "levelcheck/levelcheck.h"

namespace {

constexpr const char* kUsage =
    "usage: levelcheck [--coverage] PATH...\n"
    "  PATH        a level source (.lvl), a compiled level (.dat), or a folder of them\n"
    "              (numbered from Level000 without gaps)\n"
    "  --coverage  also check that every tile a level may hold appears in one of them\n"
    "Prints one line per problem; exit 0 when there are none, 1 when there are, 2 on bad use.\n";

}  // namespace

int main(int argc, char** argv) {
    bool coverage = false;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--coverage")
            coverage = true;
        else if (arg.rfind("--", 0) == 0)
            return std::fputs(kUsage, stderr), 2;
        else
            paths.push_back(arg);
    }
    if (paths.empty()) return std::fputs(kUsage, stderr), 2;

    std::vector<murk::LevelFile> levels;
    std::vector<std::string> problems;
    for (const std::string& path : paths) {
        std::vector<std::string> found;
        if (std::filesystem::is_directory(path)) {
            found = murk::CheckLevelFolder(path, &levels);
        } else {
            levels.push_back(murk::ReadLevelFile(path));
            found = murk::CheckLevel(levels.back());
        }
        problems.insert(problems.end(), found.begin(), found.end());
    }
    if (coverage)
        for (const std::string& p : murk::CheckCoverage(levels)) problems.push_back(p);
    for (const std::string& p : problems) std::printf("%s\n", p.c_str());
    std::printf("%zu level%s checked, %zu problem%s\n", levels.size(),
                levels.size() == 1 ? "" : "s", problems.size(), problems.size() == 1 ? "" : "s");
    return problems.empty() ? 0 : 1;
}
