// Shared test fixtures: temporary game folders with written levels, and headless apps over them.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/stringgrid.h"
#include "platform/headless/headless_platform.h"
#include "shell/app.h"
#include "ui/widgets.h"

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

// A headless app whose program directory is `dir`, with fake tile pictures.
struct HeadlessApp {
    explicit HeadlessApp(const TempGameDir& dir, uint32_t seed = 7);
    HeadlessPlatform pf;
    std::unique_ptr<App> app;
    bool Start();  // Startup + showing the main window; false when start-up shut down
};

// A started program over `levels` numbered levels, its first paint done.
struct StartedProgram {
    explicit StartedProgram(int levels);
    TempGameDir dir;
    HeadlessApp h{dir};
    App& app() { return *h.app; }
    // Starts a game with F2 in the menu; true when it runs. (Passes run only when asked.)
    bool StartFromMenu(int players);
};

// Key and mouse events for the headless queue; a click is a press and release at the centre of
// a widget as it stands on screen.
Event KeyDownEvent(int key);
Event KeyUpEvent(int key);
void QueueClick(HeadlessPlatform& pf, const Widget& w, int button = 1);

// The whole content of a file ("" when it cannot be read).
std::string ReadFileText(const std::filesystem::path& p);

// Makes `dir` the process's working directory until destruction (murk-sim works in its own).
class ScopedCurrentPath {
public:
    explicit ScopedCurrentPath(const std::filesystem::path& dir);
    ~ScopedCurrentPath();
    ScopedCurrentPath(const ScopedCurrentPath&) = delete;
    ScopedCurrentPath& operator=(const ScopedCurrentPath&) = delete;

private:
    std::filesystem::path saved_;
};

// Runs a murk-sim script in `dir` and returns its exit status and what it printed.
struct SimRun {
    int status = 0;
    std::string out, err;
};
SimRun RunSim(const TempGameDir& dir, const std::string& script);

}  // namespace murk::test
