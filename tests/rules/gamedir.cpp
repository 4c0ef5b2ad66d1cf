// Level files and temporary game folders for tests.
#include "gamedir.h"

#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <stdexcept>

#include "level/levels.h"

namespace murk::test {

std::string MakeRoom(const std::string& fill, const std::vector<Placed>& squares) {
    StringGrid g(31, 20);
    for (int r = 1; r <= 19; ++r)
        for (int c = 1; c <= 30; ++c) g.SetCell(c, r, fill);
    for (const Placed& s : squares) g.SetCell(s.col, s.row, s.code);
    std::string packed;
    for (int r = 1; r <= 19; ++r)
        for (int c = 1; c <= 30; ++c) packed += g.Cell(c, r);
    return packed;
}

StringGrid LevelGridOf(const LevelSpec& level) {
    StringGrid grid(level.roomsAcross + 1, level.roomsDown + 1);
    grid.SetCell(1, 0, level.title);
    std::vector<std::string> rooms = level.rooms;
    if (rooms.empty())
        rooms.push_back(MakeRoom(
            "A00", {{level.p1Col, level.p1Row, "A46"}, {level.p2Col, level.p2Row, "A47"}}));
    for (int r = 0; r < level.roomsDown; ++r)
        for (int c = 0; c < level.roomsAcross; ++c) {
            const size_t i = static_cast<size_t>(r * level.roomsAcross + c);
            if (i < rooms.size()) grid.SetCell(c + 1, r + 1, rooms[i]);
        }
    return grid;
}

GridHeader LevelHeaderOf(const LevelSpec& level) {
    GridHeader h{};
    h[0] = level.p1Col;
    h[1] = level.p1Row;
    h[2] = level.p2Col;
    h[3] = level.p2Row;
    h[9] = level.startRoomCol;
    h[10] = level.startRoomRow;
    return h;
}

TempGameDir::TempGameDir() {
    // Named for the process (ctest runs each test in its own) and the folder's number in it;
    // mkdtemp then makes the folder itself, so no two ever share one.
    static int made = 0;
    const std::string own =
        "murk-" + std::to_string(::getpid()) + "-" + std::to_string(++made) + "-XXXXXX";
    std::string name = (std::filesystem::temp_directory_path() / own).string();
    if (!::mkdtemp(name.data())) throw std::runtime_error("cannot make a temporary folder");
    path_ = name;
    std::filesystem::create_directories(path_ / "Levels");
}

TempGameDir::~TempGameDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void TempGameDir::WriteLevel(int number, const LevelSpec& spec) {
    if (WriteGridFile(LevelFileName(Dir(), number), LevelGridOf(spec), LevelHeaderOf(spec)) !=
        GridWriteResult::Written)
        throw std::runtime_error("cannot write level " + std::to_string(number));
}

void TempGameDir::WriteFile(const std::string& relative, const std::string& text) {
    const auto p = path_ / relative;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
}

void WriteNumberedLevels(TempGameDir& dir, int count) {
    for (int n = 0; n < count; ++n) {
        LevelSpec spec;
        spec.title = "L" + std::to_string(n);
        dir.WriteLevel(n, spec);
    }
}

}  // namespace murk::test
