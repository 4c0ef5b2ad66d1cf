// Benchmarks of the core's hot paths on the headless platform: the idle message pump, a full
// room draw, the world tick with and without a scan of a crowded room, and reading a level file.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "../tests/test_support.h"
#include "base/gridfile.h"
#include "game/player.h"
#include "level/room.h"
#include "shell/app.h"
#include "shell/render.h"
#include "shell/startup.h"
#include "stress_room.h"
#include "world/tick.h"

namespace murk {
namespace {

struct Fixture {
    explicit Fixture(const std::string& room = test::MakeRoom("A01")) : packed(room) {
        dir.WriteLevel(0);
        h.Start();
        ProcessMessages(*h.app);  // the first paint
        Reset();
    }
    // The room as packed, with player 1 alive in its middle and the game under way (a scan
    // stops at once when no game runs).
    void Reset() {
        Game& g = h.app->game;
        std::string error;
        if (!UnpackRoomString(packed, g.RoomGrid, error)) throw std::runtime_error(error);
        InitPlayer(g.P1(), 1);
        g.P1().col = 15;
        g.P1().row = 10;
        g.RoomGrid.SetCell(15, 10, "A46");
        g.PlayerCount = 1;
        g.GameStopped = false;
    }
    std::string packed;
    test::TempGameDir dir;
    test::HeadlessApp h{dir};
};

void BM_IdlePump(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) ProcessMessages(*f.h.app);
}
BENCHMARK(BM_IdlePump);

void BM_DrawRoom(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) benchmark::DoNotOptimize(RenderRoom(*f.h.app));
}
BENCHMARK(BM_DrawRoom);

// A scan of a room where every square is a producer, creature, star, dart or laser: snapshot,
// targets and 570 dispatches. The room is laid out afresh before each tick.
void BM_WorldTickScan(benchmark::State& state) {
    Fixture f(bench::StressRoom());
    for (auto _ : state) {
        state.PauseTiming();
        f.Reset();
        f.h.app->game.world.clocks.tick = 16;
        state.ResumeTiming();
        WorldTick(f.h.app->game, *f.h.app);
    }
}
BENCHMARK(BM_WorldTickScan);

// The ticks between scans: the clocks advance and nothing else is due.
void BM_WorldTickNoScan(benchmark::State& state) {
    Fixture f(bench::StressRoom());
    WorldClocks& clocks = f.h.app->game.world.clocks;
    clocks = WorldClocks{};
    while (AnyRuleDue(clocks)) ++clocks.tick;
    const WorldClocks quiet = clocks;
    for (auto _ : state) {
        clocks = quiet;
        WorldTick(f.h.app->game, *f.h.app);
    }
}
BENCHMARK(BM_WorldTickNoScan);

void BM_ParseLevelText(benchmark::State& state) {
    StringGrid grid(9, 9);
    for (int r = 1; r < 9; ++r)
        for (int c = 1; c < 9; ++c) grid.SetCell(c, r, test::MakeRoom("A32"));
    const std::string text = FormatGridText(grid, GridHeader{});
    for (auto _ : state) {
        StringGrid read;
        GridHeader h{};
        benchmark::DoNotOptimize(ParseGridText(text, read, h));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseLevelText);

}  // namespace
}  // namespace murk
