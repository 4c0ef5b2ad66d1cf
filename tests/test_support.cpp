// Shared test fixtures.
#include "test_support.h"

#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "base/gridfile.h"
#include "level/levels.h"
#include "shell/gameloop.h"
#include "shell/mainform.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "sim/sim.h"

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
    StringGrid grid(spec.roomsAcross + 1, spec.roomsDown + 1);
    grid.SetCell(1, 0, spec.title);
    std::vector<std::string> rooms = spec.rooms;
    if (rooms.empty())
        rooms.push_back(
            MakeRoom("A00", {{spec.p1Col, spec.p1Row, "A46"}, {spec.p2Col, spec.p2Row, "A47"}}));
    for (int r = 0; r < spec.roomsDown; ++r)
        for (int c = 0; c < spec.roomsAcross; ++c) {
            const size_t i = static_cast<size_t>(r * spec.roomsAcross + c);
            if (i < rooms.size()) grid.SetCell(c + 1, r + 1, rooms[i]);
        }
    GridHeader h{};
    h[0] = spec.p1Col;
    h[1] = spec.p1Row;
    h[2] = spec.p2Col;
    h[3] = spec.p2Row;
    h[9] = spec.startRoomCol;
    h[10] = spec.startRoomRow;
    if (WriteGridFile(LevelFileName(Dir(), number), grid, h) != GridWriteResult::Written)
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
