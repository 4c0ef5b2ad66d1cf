// Reads the teaching order.
#include "levelcheck/lessons.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace murk {

namespace {

namespace fs = std::filesystem;

std::string Trimmed(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> Split(const std::string& s, char by) {
    std::vector<std::string> parts;
    std::stringstream in(s);
    for (std::string part; std::getline(in, part, by);) parts.push_back(Trimmed(part));
    return parts;
}

const TileKind* KindNamed(const std::string& name) {
    for (const TileKind& kind : TileKinds())
        if (kind.name == name) return &kind;
    return nullptr;
}

}  // namespace

int Lessons::TeachingLevel(std::string_view code) const {
    const auto it = teachingLevel.find(KindOf(code));
    return it == teachingLevel.end() ? -1 : it->second;
}

Lessons LessonsFromText(const std::string& text, const std::string& name) {
    Lessons out;
    out.name = name;
    std::map<const TileKind*, int> listedOn;
    std::stringstream in(text);
    int number = 0;
    auto problem = [&](const std::string& message) {
        out.problems.push_back(name + ": line " + std::to_string(number) + ": " + message);
    };
    for (std::string line; std::getline(in, line);) {
        ++number;
        line = Trimmed(line);
        if (line.empty() || line[0] == '#') continue;
        const std::vector<std::string> parts = Split(line, '|');
        static const std::regex kLevel("[0-9]{1,3}");
        if (parts.size() != 3 || !std::regex_match(parts[0], kLevel)) {
            problem("write LEVEL | IDEA | TILE; TILE; ... (tile names as in the tile table)");
            continue;
        }
        Lesson lesson{std::stoi(parts[0]), number, parts[1], {}};
        if (!out.lessons.empty() && lesson.level <= out.lessons.back().level)
            problem("level " + parts[0] + " comes after level " +
                    std::to_string(out.lessons.back().level) + "; list the levels in rising order");
        for (const std::string& tile : Split(parts[2], ';')) {
            const TileKind* kind = KindNamed(tile);
            if (!kind)
                problem("'" + tile + "' is no tile of the tile table");
            else if (!kind->placed)
                problem("'" + tile + "' is made by the game, never placed in a level");
            else if (listedOn.count(kind))
                problem("'" + tile + "' is listed twice, first on line " +
                        std::to_string(listedOn[kind]));
            else {
                listedOn[kind] = number;
                out.teachingLevel[kind] = lesson.level;
                lesson.tiles.push_back(kind);
            }
        }
        out.lessons.push_back(std::move(lesson));
    }
    for (const TileKind& kind : TileKinds())
        if (kind.placed && !listedOn.count(&kind))
            out.problems.push_back(name + ": no level teaches '" + kind.name +
                                   "'; add it to the line of the level that introduces it");
    return out;
}

Lessons ReadLessons(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string name = fs::path(path).filename().string();
    if (!file) {
        Lessons none;
        none.name = name;
        none.problems.push_back(path + ": cannot be read");
        return none;
    }
    std::stringstream text;
    text << file.rdbuf();
    return LessonsFromText(text.str(), name);
}

bool FindLessons(const std::string& path, Lessons* lessons) {
    std::error_code ec;
    const fs::path folder =
        fs::is_directory(path, ec) ? fs::path(path) : fs::path(path).parent_path();
    const fs::path file = folder / "lessons.txt";
    if (!fs::is_regular_file(file, ec)) return false;
    *lessons = ReadLessons(file.string());
    return true;
}

int LevelNumber(const std::string& name) {
    static const std::regex kName("Level([0-9]{3})\\.[a-z]+");
    std::smatch m;
    return std::regex_match(name, m, kName) ? std::stoi(m[1]) : -1;
}

}  // namespace murk
