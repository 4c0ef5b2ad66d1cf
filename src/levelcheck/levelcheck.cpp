// The validator's entry points: one level, a folder of levels.
#include "levelcheck/levelcheck.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>

#include "base/tiles.h"
#include "levelcheck/checks.h"

namespace murk {

namespace fs = std::filesystem;

namespace {

void CheckInto(const LevelFile& level, const Lessons* lessons, Report& report) {
    if (!level.Ok()) {
        for (const std::string& e : level.errors) report.Add({}, e);
        return;
    }
    if (CheckShape(level, report)) {
        CheckStartAndFinish(level, report);
        CheckSlidesAndLasers(level, report);
        CheckEdges(level, report);
        const int number = LevelNumber(level.name);
        const int kits = lessons ? lessons->TeachingLevel(code::HealthKit) : -1;
        CheckReach(level, report, kits < 0 || number < 0 || number >= kits);
        CheckArrivals(level, report);
        CheckRoomPurpose(level, report);
    }
}

}  // namespace

std::vector<std::string> CheckLevel(const LevelFile& level, const Lessons* lessons) {
    Report report(level.name);
    CheckInto(level, lessons, report);
    return report.Take();
}

std::vector<LevelProblem> CheckLevelProblems(const LevelFile& level, const Lessons* lessons) {
    Report report(level.name);
    CheckInto(level, lessons, report);
    return report.TakeProblems();
}

std::vector<std::string> CheckLevelFolder(const std::string& folder, std::vector<LevelFile>* levels,
                                          const Lessons* lessons) {
    std::vector<std::string> problems;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) return {folder + ": cannot be read as a folder"};
    static const std::regex kName("Level([0-9]{3})\\.(lvl|dat)");
    std::map<std::string, std::map<int, fs::path>> byExtension;
    for (const fs::directory_entry& entry : it) {
        const std::string name = entry.path().filename().string();
        std::smatch m;
        if (name == "lessons.txt") continue;
        if (std::regex_match(name, m, kName))
            byExtension[m[2]][std::stoi(m[1])] = entry.path();
        else
            problems.push_back((fs::path(folder) / name).string() +
                               ": not a level; level files are named LevelNNN.lvl (or .dat)");
    }
    // Sources when there are any; a game's Levels/ folder holds the compiled files.
    const auto& files = byExtension.count("lvl") ? byExtension["lvl"] : byExtension["dat"];
    if (files.empty()) problems.push_back(folder + ": holds no LevelNNN.lvl or .dat files");
    std::map<std::string, std::string> titles;  // title -> the first level that has it
    int expected = 0;
    for (const auto& [number, path] : files) {
        if (number != expected) {
            char name[32];
            std::snprintf(name, sizeof name, "Level%03d", expected);
            problems.push_back((fs::path(folder) / name).string() + path.extension().string() +
                               " is missing; the game stops counting levels at the first gap, so " +
                               path.filename().string() + " and those after it are never played");
            expected = number;
        }
        ++expected;
        LevelFile level = ReadLevelFile(path.string());
        for (std::string& p : CheckLevel(level, lessons)) problems.push_back(std::move(p));
        const std::string& title = level.grid.Cell(1, 0);
        if (level.Ok() && !titles.emplace(title, level.name).second)
            problems.push_back(level.name + ": the title '" + title + "' is " + titles[title] +
                               "'s too; give each level its own");
        if (levels) levels->push_back(std::move(level));
    }
    return problems;
}

std::vector<std::string> CheckSet(const std::vector<LevelFile>& levels, const Lessons* lessons) {
    std::vector<std::string> problems;
    if (lessons) problems = CheckFirstAppearances(levels, *lessons);
    for (std::string& p : CheckLikeness(levels)) problems.push_back(std::move(p));
    return problems;
}

}  // namespace murk
