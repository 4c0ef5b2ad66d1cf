// Level files and temporary game folders for tests: rooms and levels built from a few squares.
// They need the rules alone, so the rule tests and the program tests share them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/gridfile.h"
#include "base/stringgrid.h"

namespace murk::test {

// A room of 570 codes: `fill` everywhere, then the given squares.
struct Placed {
    int col, row;
    std::string code;
};
std::string MakeRoom(const std::string& fill = "A00", const std::vector<Placed>& squares = {});

// A one-room level: P1 start (3,4) with A46, P2 start (5,4) with A47 unless told otherwise.
struct LevelSpec {
    std::string title = "Test";
    int roomsAcross = 1, roomsDown = 1;
    std::vector<std::string> rooms;  // row-major, roomsAcross x roomsDown; empty: one default
    int p1Col = 3, p1Row = 4, p2Col = 5, p2Row = 4;
    int startRoomCol = 1, startRoomRow = 1;
};

// The level grid of `level` (title in row 0, packed rooms below) and its file's header.
StringGrid LevelGridOf(const LevelSpec& level);
GridHeader LevelHeaderOf(const LevelSpec& level);

// A temporary folder removed at destruction; holds Levels/ and whatever a test writes.
class TempGameDir {
public:
    TempGameDir();
    ~TempGameDir();
    TempGameDir(const TempGameDir&) = delete;
    TempGameDir& operator=(const TempGameDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string Dir() const { return path_.string() + "/"; }
    void WriteLevel(int number, const LevelSpec& spec = {});
    void WriteFile(const std::string& relative, const std::string& text);

private:
    std::filesystem::path path_;
};

// Levels 0..count-1 of the default layout, titled "L0", "L1", ...
void WriteNumberedLevels(TempGameDir& dir, int count);

}  // namespace murk::test
