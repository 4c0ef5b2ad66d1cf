// The set-wide teaching check: each tile first appears in the level that teaches it, neither
// before it nor after it.
#include <map>

#include "levelcheck/levelcheck.h"
#include "levelcheck/report.h"
#include "levelcheck/squares.h"

namespace murk {

namespace {

struct Sighting {
    Where first;
    std::string code;
    int count = 0;
};

}  // namespace

std::vector<std::string> CheckFirstAppearances(const std::vector<LevelFile>& levels,
                                               const Lessons& lessons) {
    std::vector<std::string> problems = lessons.problems;
    for (const LevelFile& level : levels) {
        const int number = LevelNumber(level.name);
        if (number < 0 || !level.Ok()) continue;
        std::map<const TileKind*, Sighting> seen;
        ForEachSquare(level, [&](int rc, int rr, int col, int row, std::string_view code) {
            const TileKind* kind = KindOf(code);
            if (!kind) return;
            Sighting& s = seen[kind];
            if (s.count++ == 0) s = {{rc, rr, col, row}, std::string(code), 1};
        });
        Report report(level.name);
        for (const auto& [kind, s] : seen) {
            const int teaching = lessons.TeachingLevel(s.code);
            if (teaching <= number) continue;
            report.Add(s.first,
                       DescribeOne(s.code) + " before level " + std::to_string(teaching) +
                           ", which teaches it" +
                           (s.count > 1 ? " (" + std::to_string(s.count) + " in this level)" : "") +
                           "; a newcomer meets each tile first where it is taught");
        }
        for (const Lesson& lesson : lessons.lessons) {
            if (lesson.level != number) continue;
            for (const TileKind* kind : lesson.tiles)
                if (!seen.count(kind))
                    report.Add({}, "the level teaches " + std::string(kind->name) + " (" +
                                       lesson.idea + ") but holds none; " + lessons.name +
                                       " line " + std::to_string(lesson.line) +
                                       " says it appears here first");
        }
        for (std::string& line : report.Take()) problems.push_back(std::move(line));
    }
    return problems;
}

}  // namespace murk
