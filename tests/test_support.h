// Shared test fixtures: temporary game folders with written levels, and headless apps over them.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "level/stringgrid.h"
#include "platform/headless/headless_platform.h"
#include "shell/app.h"

namespace murk::test {

// A room of 570 codes: `fill` everywhere, then the given squares.
struct Square {
    int col, row;
    std::string code;
};
std::string MakeRoom(const std::string& fill = "A00", const std::vector<Square>& squares = {});

// A one-room level: P1 start (3,4) with A46, P2 start (5,4) with A47 unless told otherwise.
struct LevelSpec {
    std::string title = "Test";
    int roomsAcross = 1, roomsDown = 1;
    std::vector<std::string> rooms;  // row-major, roomsAcross x roomsDown; empty: one default
    int p1Col = 3, p1Row = 4, p2Col = 5, p2Row = 4;
    int startRoomCol = 1, startRoomRow = 1;
};

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

// A headless app whose program directory is `dir`, with fake tile pictures.
struct HeadlessApp {
    explicit HeadlessApp(const TempGameDir& dir, uint32_t seed = 7);
    HeadlessPlatform pf;
    std::unique_ptr<App> app;
    bool Start();  // Startup + showing the main window; false when start-up shut down
};

}  // namespace murk::test
