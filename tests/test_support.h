// Shared test fixtures: headless apps over temporary game folders (rules/gamedir.h) with levels.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "rules/gamedir.h"
#include "shell/app.h"
#include "ui/widgets.h"

namespace murk::test {

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
