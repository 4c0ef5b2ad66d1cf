// The teaching order (assets/levels/lessons.txt): per teaching level, the idea it teaches and the
// tiles it introduces, by the tile table's names.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/tilekinds.h"

namespace murk {

struct Lesson {
    int level = 0;
    int line = 0;  // where the file says it
    std::string idea;
    std::vector<const TileKind*> tiles;
};

struct Lessons {
    std::string name;  // the file's name, e.g. "lessons.txt"
    std::vector<Lesson> lessons;
    std::map<const TileKind*, int> teachingLevel;
    // Lines that cannot be read, unknown or repeated names, placed tiles no lesson lists:
    // "lessons.txt: line 4: ...", one line each.
    std::vector<std::string> problems;

    // The level that teaches a code's tile; -1 when no lesson lists it.
    int TeachingLevel(std::string_view code) const;
};

// Lines "LEVEL | IDEA | TILE; TILE; ..." in rising level order; '#' starts a comment line.
Lessons LessonsFromText(const std::string& text, const std::string& name);
Lessons ReadLessons(const std::string& path);

// The teaching order that goes with a level path: the folder's lessons.txt, or the one beside a
// file; false when there is none.
bool FindLessons(const std::string& path, Lessons* lessons);

// The number in a level file's name ("Level007.lvl": 7); -1 when the name holds none.
int LevelNumber(const std::string& name);

}  // namespace murk
