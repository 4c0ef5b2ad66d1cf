// levelcheck: checks level sources or compiled levels, one by one and as a set.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "levelcheck/levelcheck.h"

namespace {

constexpr const char* kUsage =
    "usage: levelcheck [--coverage] [--lessons FILE] PATH...\n"
    "  PATH        a level source (.lvl), a compiled level (.dat), or a folder of them\n"
    "              (numbered from Level000 without gaps)\n"
    "  --coverage  also check that every tile a level may hold appears in one of them\n"
    "  --lessons   the teaching order (default: lessons.txt in the first folder given, or\n"
    "              beside the first file)\n"
    "When a folder is given, or --coverage, the levels are also checked as a set: each tile\n"
    "first appears where the teaching order says, and no two rooms are alike.\n"
    "Prints one line per problem; exit 0 when there are none, 1 when there are, 2 on bad use.\n";

// The --lessons file, else the first folder's lessons.txt, else the one beside the first file.
std::optional<murk::Lessons> TeachingOrder(const std::string& given,
                                           const std::vector<std::string>& paths) {
    if (!given.empty()) return murk::ReadLessons(given);
    murk::Lessons found;
    for (const std::string& path : paths)
        if (std::filesystem::is_directory(path) && murk::FindLessons(path, &found)) return found;
    if (murk::FindLessons(paths.front(), &found)) return found;
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    bool coverage = false, asSet = false;
    std::string lessonsPath;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--coverage")
            coverage = asSet = true;
        else if (arg == "--lessons" && i + 1 < argc)
            lessonsPath = argv[++i];
        else if (arg.rfind("--", 0) == 0)
            return std::fputs(kUsage, stderr), 2;
        else
            paths.push_back(arg);
    }
    if (paths.empty()) return std::fputs(kUsage, stderr), 2;

    const std::optional<murk::Lessons> lessons = TeachingOrder(lessonsPath, paths);
    const murk::Lessons* table = lessons ? &*lessons : nullptr;

    std::vector<murk::LevelFile> levels;
    std::vector<std::string> problems;
    for (const std::string& path : paths) {
        std::vector<std::string> found;
        if (std::filesystem::is_directory(path)) {
            asSet = true;
            found = murk::CheckLevelFolder(path, &levels, table);
        } else {
            levels.push_back(murk::ReadLevelFile(path));
            found = murk::CheckLevel(levels.back(), table);
        }
        problems.insert(problems.end(), found.begin(), found.end());
    }
    if (asSet)
        for (std::string& p : murk::CheckSet(levels, table)) problems.push_back(std::move(p));
    if (coverage)
        for (const std::string& p : murk::CheckCoverage(levels)) problems.push_back(p);
    for (const std::string& p : problems) std::printf("%s\n", p.c_str());
    std::printf("%zu level%s checked, %zu problem%s\n", levels.size(),
                levels.size() == 1 ? "" : "s", problems.size(), problems.size() == 1 ? "" : "s");
    return problems.empty() ? 0 : 1;
}
