// Shared test fixtures.
#include "test_support.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "shell/gameloop.h"
#include "shell/mainform.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "sim/sim.h"

namespace murk::test {

HeadlessApp::HeadlessApp(const TempGameDir& dir, uint32_t seed) {
    pf.SetFakeImages(true);
    pf.SetCurrentDirectory(dir.Path().string());
    app = std::make_unique<App>(pf);
    pf.SetSeed(seed);
    pf.SetAnswerPrompts(true);
    app->runLoop = PrepareLoopOnly;
}

bool HeadlessApp::Start() {
    if (!Startup(*app)) return false;
    pf.ShowWindow();
    ShowForm(*app, *app->mainForm);
    return !app->terminated;
}

StartedProgram::StartedProgram(int levels) {
    WriteNumberedLevels(dir, levels);
    if (h.Start()) ProcessMessages(*h.app);
}

bool StartedProgram::StartFromMenu(int players) {
    h.app->menu.players = std::to_string(players);
    ShowMenuState(*h.app);
    h.pf.QueueKeyUp(vk::F2);
    ProcessMessages(*h.app);
    return !h.app->game.GameStopped;
}

Event KeyDownEvent(int key) {
    return {EventKind::KeyDown, key, 0, 0, 0, {}};
}
Event KeyUpEvent(int key) {
    return {EventKind::KeyUp, key, 0, 0, 0, {}};
}

void QueueClick(HeadlessPlatform& pf, const Widget& w, int button) {
    const Rect r = w.ScreenRect();
    const int x = r.x + r.w / 2, y = r.y + r.h / 2;
    pf.QueueEvent({EventKind::MouseDown, 0, button, x, y, {}});
    pf.QueueEvent({EventKind::MouseUp, 0, button, x, y, {}});
}

std::string ReadFileText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

ScopedCurrentPath::ScopedCurrentPath(const std::filesystem::path& dir)
    : saved_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
}

ScopedCurrentPath::~ScopedCurrentPath() {
    std::error_code ec;
    std::filesystem::current_path(saved_, ec);
}

SimRun RunSim(const TempGameDir& dir, const std::string& script) {
    ScopedCurrentPath here(dir.Path());
    std::istringstream in(script);
    std::ostringstream out, err;
    SimRun run;
    run.status = RunSimulator(in, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

}  // namespace murk::test
