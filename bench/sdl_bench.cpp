// Benchmarks on the SDL platform: a room drawn into the real canvas, a present of the whole
// picture and one of two changed squares, the pump with nothing pending, a game pass at speed 20
// against the pass's own time, and a paint stroke of the level editor.
// Run from the game folder (the tile pictures are read from Objects/) under an X server at
// 1024x768; MURK_PRESENT picks the presenting path.
#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <stdexcept>

#include "../tests/test_support.h"
#include "level/room.h"
#include "platform/sdl/pacer.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/sdl_platform.h"
#include "shell/app.h"
#include "shell/editscreen.h"
#include "shell/gameloop.h"
#include "shell/mainform.h"
#include "shell/render.h"
#include "shell/startup.h"
#include "stress_room.h"

namespace murk {
namespace {

// The real program up to its menu, with the window shown or not.
struct SdlGame {
    explicit SdlGame(bool show) {
        std::string error;
        platform = CreateSdlPlatform(error);
        if (!platform) return;
        app = std::make_unique<App>(*platform);
        if (!Startup(*app)) return;
        if (show) platform->ShowWindow();
        started = true;
    }
    std::unique_ptr<Platform> platform;
    std::unique_ptr<App> app;
    bool started = false;
};

void BM_DrawRoomCanvas(benchmark::State& state) {
    SdlGame g(false);
    if (!g.started) return state.SkipWithError("the game did not start here");
    std::string error;
    if (!UnpackRoomString(bench::StressRoom(), g.app->game.RoomGrid, error))
        throw std::runtime_error(error);
    for (auto _ : state) benchmark::DoNotOptimize(RenderRoom(*g.app));
}
BENCHMARK(BM_DrawRoomCanvas)->Unit(benchmark::kMicrosecond);

// The shown menu with nothing left to present.
Platform& ShownAndPresented(SdlGame& g) {
    Event e;
    while (g.platform->PollEvent(e)) {
    }
    g.platform->WaitEvent(0);
    return *g.platform;
}

// The whole canvas changed (a full repaint), then the idle wait that presents it.
void BM_PresentWindow(benchmark::State& state) {
    SdlGame g(true);
    if (!g.started) return state.SkipWithError("the game did not start here");
    Platform& pf = ShownAndPresented(g);
    auto& sdl = static_cast<sdl::SdlPlatform&>(pf);
    for (auto _ : state) {
        sdl.MarkWholeCanvasChanged();
        pf.WaitEvent(0);
    }
}
BENCHMARK(BM_PresentWindow)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Two squares far apart changed (a player's step and a creature's), then the idle wait that
// presents them: the usual present of a game pass.
void BM_PresentTwoSquares(benchmark::State& state) {
    SdlGame g(true);
    if (!g.started) return state.SkipWithError("the game did not start here");
    Platform& pf = ShownAndPresented(g);
    for (auto _ : state) {
        const Rgb colour{static_cast<uint8_t>(state.iterations()), 0, 0};
        pf.FillRect(5 * 32, 5 * 32, 32, 32, colour);
        pf.FillRect(20 * 32, 12 * 32, 32, 32, colour);
        pf.WaitEvent(0);
    }
}
BENCHMARK(BM_PresentTwoSquares)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The pump of the shown, presented menu with no event pending and no timer due: what every pass
// of the game pays once at least.
void BM_PumpIdle(benchmark::State& state) {
    SdlGame g(true);
    if (!g.started) return state.SkipWithError("the game did not start here");
    ShownAndPresented(g);
    for (auto _ : state) ProcessMessages(*g.app);
}
BENCHMARK(BM_PumpIdle)->Unit(benchmark::kMicrosecond);

// The platform's own part of it: one PollEvent that finds nothing.
void BM_PollEventIdle(benchmark::State& state) {
    SdlGame g(true);
    if (!g.started) return state.SkipWithError("the game did not start here");
    Platform& pf = ShownAndPresented(g);
    Event e;
    for (auto _ : state) benchmark::DoNotOptimize(pf.PollEvent(e));
}
BENCHMARK(BM_PollEventIdle)->Unit(benchmark::kMicrosecond);

// One update of a paint stroke in the level editor, presented: the pointer moves on by a square
// along row 10 with the left button down, and the squares it paints are drawn and presented. At
// the room's far side the stroke ends (the level is checked again, as after every step) and the
// next goes back with the other tile, so every update paints.
void BM_EditorStroke(benchmark::State& state) {
    SdlGame g(true);
    if (!g.started) return state.SkipWithError("the game did not start here");
    if (!OpenEditor(*g.app, 0)) return state.SkipWithError("level 0 does not open in the editor");
    Platform& pf = ShownAndPresented(g);
    Screen& edit = *g.app->editScreen;
    const int y = editlayout::SquareRect(1, 10).y + 16;
    const auto x = [](int col) { return editlayout::SquareRect(col, 10).x + 16; };
    const std::string_view brushes[] = {code::ShootableWall, code::EnemyPassableWall};
    int col = 2, strokes = 0;
    const auto press = [&] {
        const Rect cell = editlayout::PaletteCells()[static_cast<size_t>(editlayout::PaletteIndexOf(
                                                         brushes[strokes % 2]))]
                              .at;
        edit.MouseDown(1, cell.x + 5, cell.y + 5);
        edit.MouseUp(1, cell.x + 5, cell.y + 5);
        edit.MouseMove(x(col), y);
        edit.MouseDown(1, x(col), y);
    };
    press();
    for (auto _ : state) {
        if (++col >= kRoomCols) {
            edit.MouseUp(1, x(col - 1), y);
            ++strokes;
            col = 2;
            press();
        }
        edit.MouseMove(x(col), y);
        pf.WaitEvent(0);
    }
    state.counters["strokes"] = strokes;
}
BENCHMARK(BM_EditorStroke)->Unit(benchmark::kMicrosecond);

// The headless game on the real clock: passes of a running game in a crowded room.
class RealTimePlatform : public HeadlessPlatform {
public:
    void Sleep1ms() override { pacer_.Sleep1ms(); }
    uint64_t NowMs() const override { return pacer_.NowMs(); }
    // No event comes while a pass is measured: the wait sleeps on the real clock to its deadline,
    // as the SDL platform's does (the headless one only moves its virtual clock, and the pass
    // would spin).
    void WaitEvent(uint64_t untilMs) override {
        HeadlessPlatform::WaitEvent(HeadlessPlatform::NowMs());
        if (untilMs == kNoDeadline) return;
        timespec until{};
        until.tv_sec = static_cast<time_t>(untilMs / 1000);
        until.tv_nsec = static_cast<long>(untilMs % 1000) * 1'000'000L;
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
        }
    }

private:
    sdl::Pacer pacer_;
};

struct PacedGame {
    PacedGame() {
        test::LevelSpec spec;
        spec.rooms = {test::MakeRoom("A00", {{3, 4, "A46"},
                                             {5, 4, "A47"},
                                             {20, 10, "A01"},
                                             {25, 15, "A19"},
                                             {10, 15, "A05"},
                                             {28, 3, "A31"}})};
        dir.WriteLevel(0, spec);
        pf.SetFakeImages(true);
        pf.SetCurrentDirectory(dir.Path().string());
        app = std::make_unique<App>(pf);
        pf.SetSeed(7);
        app->runLoop = PrepareLoopOnly;
        Startup(*app);
        pf.ShowWindow();
        ShowForm(*app, *app->mainForm);
        pf.QueueKeyUp(vk::F2);
        ProcessMessages(*app);
        app->game.P1().life = 100000;  // no game over during the measurement
    }
    test::TempGameDir dir;
    RealTimePlatform pf;
    std::unique_ptr<App> app;
};

// Arg: the game speed (the pass's wait in 1 ms sleeps). Speed 0 is the pass's own time.
void BM_PassAtSpeed(benchmark::State& state) {
    PacedGame g;
    if (g.app->game.GameStopped) return state.SkipWithError("the game did not start");
    for (auto _ : state) RunPass(*g.app, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_PassAtSpeed)->Arg(0)->Arg(20)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace murk
